#include "support/ledgerfixture.h"

#include <QDir>
#include <QTest>

namespace veltra {

void LedgerFixture::setUpLedger()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(m_folder->path()));
    m_state = std::make_unique<SharedState>();
    m_state->initSharedStrings();
    m_platform = std::make_unique<ScriptedPlatform>();
    m_ledger = std::make_unique<PaymentsLedger>(*m_state, *m_platform);
}

void LedgerFixture::tearDownLedger()
{
    m_ledger.reset();
    QDir::setCurrent(QDir::tempPath());
    m_folder.reset();
}

void LedgerFixture::openSeries(ManagementType type, const QString &first)
{
    m_platform->fileNames.enqueue(first);
    QVERIFY(m_ledger->chooseManagementType(type).opened);
}

} // namespace veltra
