#pragma once

#include "toolplatform.h"

#include "core/payments/paymentsledger.h"

#include <QString>
#include <QTextStream>

#include <memory>

namespace veltra {

class SharedState;

// What the payments commands do first: open the series of an item file in a ledger as the
// payments window does (the first file of the series through the open dialog, then the
// moves item by item up to the file's own item), without ever writing to the series.
class PaymentSeriesLoader
{
public:
    PaymentSeriesLoader();
    ~PaymentSeriesLoader();

    // Opens the series of path, a "Veltra-spese-…" or "Veltra-preventivi-…" item file, and
    // moves to its item; an item up to it that cannot be counted refuses the whole series.
    // ExitSuccess, or the exit code after one line on err.
    int open(const QString &path, QTextStream &err);

    SharedState &state() { return *m_state; }
    PaymentsLedger &ledger() { return *m_ledger; }
    QDate today() const { return m_platform ? m_platform->today() : QDate::currentDate(); }

private:
    // The ledger's problem on err: an item of the series could not be counted.
    int refuse(QTextStream &err) const;

    std::unique_ptr<SharedState> m_state;
    std::unique_ptr<ToolPlatform> m_platform;
    std::unique_ptr<PaymentsLedger> m_ledger;
};

} // namespace veltra
