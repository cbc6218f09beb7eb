#include "core/numbers/decimalcut.h"

#include <algorithm>
#include <cmath>

namespace veltra {

double DecimalCut::cut(double value, int decimals)
{
    const double scale = std::pow(10.0, std::clamp(decimals, 0, 6));
    const double scaled = value * scale;
    // Far above the binary error of a few products and sums, far below any typed decimal.
    const double hair = std::max(1e-7, std::abs(scaled) * 1e-12);
    return std::floor(scaled + hair) / scale;
}

} // namespace veltra
