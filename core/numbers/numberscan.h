#pragma once

#include <QStringView>

#include <optional>

namespace veltra {

// Reading typed numbers where speed matters: the millesimal computation reads every
// surface and coefficient of up to 25 000 units after each keystroke.
namespace NumberScan {

// The same value as NumberText::read (decimal comma, points as thousands separators,
// nothing for empty texts and for texts that are no number), read in place without
// building any intermediate text.
std::optional<double> readComma(QStringView text);

} // namespace NumberScan

} // namespace veltra
