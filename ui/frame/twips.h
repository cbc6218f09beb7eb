#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QSizeF>

namespace veltra {

// The windows are designed in twips for a small sans-serif of 8 points: an average letter
// 85 twips wide and a line 195 twips high. On screen a twip becomes whatever share of a
// pixel keeps the design's letters and lines as wide and as high as the font's, so a
// layout that holds its texts in the design font holds them in the font the desktop uses.
// Some layouts are kept in design pixels, 15 twips each.
namespace Twips {

constexpr int PerDesignPixel = 15;

// Pixels per twip across and down, for text in font.
QSizeF pixelsPerTwip(const QFont &font = QFont());

// Pixels for lengths in twips, rounded to the nearest pixel.
QSize toPixels(const QSize &twips, const QFont &font = QFont());
// A control's Left, Top, Width and Height given in twips.
QRect toPixels(const QRect &twips, const QFont &font = QFont());

} // namespace Twips
} // namespace veltra
