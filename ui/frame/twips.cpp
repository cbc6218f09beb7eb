#include "ui/frame/twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace veltra {
namespace Twips {

namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr double FallbackDpi = 96.0;

double logicalDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : FallbackDpi;
}

} // namespace

int toPixels(int twips)
{
    return int(std::lround(twips * logicalDpi() / TwipsPerInch));
}

QSize toPixels(const QSize &twips)
{
    return QSize(toPixels(twips.width()), toPixels(twips.height()));
}

QRect toPixels(const QRect &twips)
{
    return QRect(toPixels(twips.left()), toPixels(twips.top()), toPixels(twips.width()),
                 toPixels(twips.height()));
}

} // namespace Twips
} // namespace veltra
