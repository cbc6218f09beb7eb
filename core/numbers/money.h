#pragma once

#include <QString>

#include <optional>

namespace veltra {

// An amount in euro held as a whole number of cents, so that sums and splits are exact.
class Money
{
public:
    constexpr Money() = default;
    static constexpr Money fromCents(long long cents) { return Money(cents); }
    // A typed amount ("1.234,56", decimal comma, points between thousands) rounded to the
    // cent, half away from zero; nothing for an empty text or one that is no number.
    static std::optional<Money> parse(const QString &text);

    constexpr long long cents() const { return m_cents; }
    // "##,##0.00": 1.234,56, -0,50.
    QString format() const;

    constexpr Money operator+(Money other) const { return Money(m_cents + other.m_cents); }
    constexpr Money operator-(Money other) const { return Money(m_cents - other.m_cents); }
    constexpr bool operator==(Money other) const { return m_cents == other.m_cents; }
    constexpr bool operator!=(Money other) const { return m_cents != other.m_cents; }

private:
    constexpr explicit Money(long long cents) : m_cents(cents) {}

    long long m_cents = 0;
};

} // namespace veltra
