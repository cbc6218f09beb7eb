#pragma once

namespace veltra {

// Cuts a figure to a number of decimals as its decimal figure reads: the binary value of a
// product or sum of typed decimals may fall a hair below the figure it stands for (100 × 1,15
// is 114,99999… in binary), and a plain cut would then take a whole cent or tenth away.
namespace DecimalCut {

// value cut, never rounded, to `decimals` decimals (0 to 6).
double cut(double value, int decimals);

} // namespace DecimalCut

} // namespace veltra
