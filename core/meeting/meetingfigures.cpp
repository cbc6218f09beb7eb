#include "core/meeting/meetingfigures.h"

#include "core/state/cell.h"

#include <QtMath>

namespace veltra::MeetingFigures {

qint64 thousandthsOf(const Cell &millesimi)
{
    return qRound64(millesimi.toNumber() * 1000.0);
}

QString millesimiText(qint64 thousandths)
{
    const QString sign = thousandths < 0 ? QStringLiteral("-") : QString();
    const qint64 magnitude = thousandths < 0 ? -thousandths : thousandths;
    return sign + QString::number(magnitude / 1000) + QLatin1Char(',')
        + QStringLiteral("%1").arg(magnitude % 1000, 3, 10, QLatin1Char('0'));
}

} // namespace veltra::MeetingFigures
