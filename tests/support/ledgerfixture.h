#pragma once

#include "core/expenses/managementtype.h"
#include "core/payments/paymentsledger.h"
#include "core/state/sharedstate.h"
#include "support/scriptedplatform.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace veltra {

// A payments ledger for the tests of the payments: a fresh condominium and an empty folder,
// made the current one because the ledger names its item files there, with a scripted
// platform answering the ledger's dialogs. A test class derives from it and calls
// setUpLedger and tearDownLedger from its init and cleanup.
class LedgerFixture
{
protected:
    void setUpLedger();
    void tearDownLedger();
    // Chooses the management type with the dialog answering first, item 1 of the series.
    void openSeries(ManagementType type, const QString &first);

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<SharedState> m_state;
    std::unique_ptr<ScriptedPlatform> m_platform;
    std::unique_ptr<PaymentsLedger> m_ledger;
};

} // namespace veltra
