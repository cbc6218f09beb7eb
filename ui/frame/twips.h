#pragma once

#include <QRect>
#include <QSize>

namespace veltra {

// The windows are designed in twips (1/1440 inch); on screen they become pixels at the
// screen's logical resolution, 15 twips to the pixel at 96 dpi.
namespace Twips {

// Pixels for a length in twips, rounded to the nearest pixel.
int toPixels(int twips);
QSize toPixels(const QSize &twips);
// A control's Left, Top, Width and Height given in twips.
QRect toPixels(const QRect &twips);

} // namespace Twips
} // namespace veltra
