#pragma once

#include "core/numbers/money.h"

#include <QDate>
#include <QString>

namespace veltra {

// How the printouts of the accounts write what they print: one paragraph's end, the days
// and the amounts in euro ("1.234,56").
namespace PrintedFigures {

inline const QString CR = QStringLiteral("\r");

inline QString day(const QDate &date)
{
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

inline QString money(long long cents)
{
    return Money::fromCents(cents).format();
}

} // namespace PrintedFigures

} // namespace veltra
