#include "core/expenses/datefaults.h"

#include "core/assembly/calendardate.h"
#include "core/numbers/numbertext.h"
#include "core/payments/paymentdates.h"
#include "core/state/sharedstate.h"

#include <algorithm>

namespace veltra::DateFaults {

namespace {

// What every message says of a date that is not a day of the calendar.
QString howToWrite()
{
    return QStringLiteral("non è una data del calendario: scriverla nella forma gg/mm/aaaa "
                          "(per esempio 15/01/2026)");
}

QString quoted(const QString &date)
{
    return QLatin1Char('"') + date + QLatin1Char('"');
}

} // namespace

std::optional<QString> itemDate(int k, const QString &date)
{
    if (date.isEmpty() || CalendarDate::read(date))
        return std::nullopt;
    return QStringLiteral("La data della spesa n.") + NumberText::str(k) + QLatin1Char(' ')
        + quoted(date) + QLatin1Char(' ') + howToWrite() + QLatin1Char('.');
}

bool isLedgerDate(const QString &date)
{
    return date.isEmpty() || date == PaymentDates::Marker || CalendarDate::read(date).has_value();
}

std::optional<QString> ledgerDates(const SharedState &state, int k)
{
    for (int i = 1, n = std::clamp(state.ownerCount, 0, MaxOwners); i <= n; ++i) {
        const Owner &owner = state.owner(i);
        const bool paymentRight = isLedgerDate(owner.paymentDate);
        if (paymentRight && isLedgerDate(owner.reminderDate))
            continue;
        const QString field = paymentRight ? QStringLiteral("la data del sollecito")
                                           : QStringLiteral("la data del pagamento");
        const QString &date = paymentRight ? owner.reminderDate : owner.paymentDate;
        return QStringLiteral("Condomino n.") + NumberText::str(i) + QStringLiteral(":\n- ")
            + field + QStringLiteral(" della spesa n.") + NumberText::str(k) + QLatin1Char(' ')
            + quoted(date) + QLatin1Char(' ') + howToWrite()
            + QStringLiteral(" oppure lasciarla vuota.");
    }
    return std::nullopt;
}

} // namespace veltra::DateFaults
