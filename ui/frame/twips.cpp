#include "ui/frame/twips.h"

#include <QFontMetricsF>

#include <cmath>

namespace veltra {
namespace Twips {

namespace {

constexpr double DesignLetterWidth = 85.0;
constexpr double DesignLineHeight = 195.0;

// Both cases of the alphabet, since captions mix them.
const QString &alphabet()
{
    static const QString letters =
        QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    return letters;
}

int rounded(double pixels)
{
    return int(std::lround(pixels));
}

} // namespace

QSizeF pixelsPerTwip(const QFont &font)
{
    const QFontMetricsF metrics(font);
    const double letterWidth = metrics.horizontalAdvance(alphabet()) / alphabet().size();
    return QSizeF(letterWidth / DesignLetterWidth, metrics.height() / DesignLineHeight);
}

QSize toPixels(const QSize &twips, const QFont &font)
{
    const QSizeF scale = pixelsPerTwip(font);
    return QSize(rounded(twips.width() * scale.width()), rounded(twips.height() * scale.height()));
}

QRect toPixels(const QRect &twips, const QFont &font)
{
    const QSizeF scale = pixelsPerTwip(font);
    const int left = rounded(twips.left() * scale.width());
    const int top = rounded(twips.top() * scale.height());
    // Edges are rounded rather than lengths, so that neighbouring controls stay adjacent.
    const int right = rounded((twips.left() + twips.width()) * scale.width());
    const int bottom = rounded((twips.top() + twips.height()) * scale.height());
    return QRect(left, top, right - left, bottom - top);
}

} // namespace Twips
} // namespace veltra
