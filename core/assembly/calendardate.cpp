#include "core/assembly/calendardate.h"

#include <QRegularExpression>

namespace veltra::CalendarDate {

std::optional<QDate> read(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,2})/([0-9]{1,2})/([0-9]{4})$"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date(match.captured(3).toInt(), match.captured(2).toInt(),
                     match.captured(1).toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

} // namespace veltra::CalendarDate
