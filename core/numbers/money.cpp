#include "core/numbers/money.h"

#include "core/numbers/numbertext.h"

#include <cmath>
#include <cstdlib>

namespace veltra {

std::optional<Money> Money::parse(const QString &text)
{
    const std::optional<double> euro = NumberText::read(text);
    if (!euro || std::fabs(*euro) >= NumberText::MaxFigure)
        return std::nullopt;
    return Money(std::llround(*euro * 100));
}

QString Money::format() const
{
    const unsigned long long magnitude =
        m_cents < 0 ? 0ULL - static_cast<unsigned long long>(m_cents) : m_cents;
    QString whole = QString::number(magnitude / 100);
    for (int at = whole.size() - 3; at > 0; at -= 3)
        whole.insert(at, QLatin1Char('.'));
    const QString cents = QStringLiteral("%1").arg(magnitude % 100, 2, 10, QLatin1Char('0'));
    return (m_cents < 0 ? QStringLiteral("-") : QString()) + whole + QLatin1Char(',') + cents;
}

} // namespace veltra
