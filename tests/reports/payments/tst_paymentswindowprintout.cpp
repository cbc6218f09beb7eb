#include "core/payments/paymentletters.h"
#include "core/payments/paymentsledger.h"
#include "core/state/sharedstate.h"
#include "reports/payments/paymentswindowprintout.h"
#include "support/ledgerfixture.h"
#include "support/reportcontents.h"
#include "support/scriptedplatform.h"
#include "support/seriesfixture.h"

#include <QtTest>

using namespace veltra;

namespace {

const QChar CR(13);
const QString Marker = QStringLiteral("----------");

} // namespace

// The window printout of the payments: the item, the legend, the owners with their dates
// (empty ones marked in the ledger) and running totals; and the run over every item from
// the current one.
class TestPaymentsWindowPrintout : public QObject, private LedgerFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sectionOfOneItemMarksTheEmptyDates();
    void allItemsFromTheSecondOfFour();
    void budgetSectionNamesThePreventivi();

private:
    void openGenerated(int items, int owners);
};

void TestPaymentsWindowPrintout::init()
{
    setUpLedger();
}

void TestPaymentsWindowPrintout::cleanup()
{
    tearDownLedger();
}

void TestPaymentsWindowPrintout::openGenerated(int items, int owners)
{
    m_platform->fileNames.enqueue(
        SeriesFixture::writeGenerated(m_folder->path(), QStringLiteral("Rossi"), items, owners));
    QVERIFY(m_ledger->chooseManagementType(ManagementType::Spese).opened);
}

void TestPaymentsWindowPrintout::sectionOfOneItemMarksTheEmptyDates()
{
    // Item 2 of the generated series: owner 1 has not paid, owner 3 was reminded.
    openGenerated(2, 3);
    m_ledger->goToItem(2);
    QCOMPARE(m_state->owner(1).paymentDate, QString());
    const ReportDocument document = PaymentsWindowPrintout::build(*m_ledger, false);
    QCOMPARE(m_ledger->currentItem(), 2);
    QCOMPARE(m_state->owner(1).paymentDate, Marker);
    QCOMPARE(m_state->owner(2).reminderDate, Marker);

    const QStringList texts = ReportContents::paragraphTexts(document);
    QCOMPARE(texts[1], QStringLiteral("GESTIONE PAGAMENTI SPESE  2001  (spesa n. 2)") + CR);
    // Items of 3 owners: 300 x 2 + 1 and 300 x 3 + 2 cents.
    QCOMPARE(texts[2], QStringLiteral("Totale progressivo spese : euro 15,03") + CR);
    QCOMPARE(texts[4], QString(CR) + QStringLiteral("Legenda") + CR);
    QCOMPARE(document.tableCount(), 3);
    QCOMPARE(ReportContents::tableRow(document.table(1), 4),
             QStringList({QStringLiteral("data"), QStringLiteral("3/3/2001")}));
    QCOMPARE(document.table(2).rows(), 8);
    const ReportTable &owners = document.table(3);
    QCOMPARE(owners.rows(), 4);
    QCOMPARE(ReportContents::tableRow(owners, 1),
             QStringList({QStringLiteral("n."), QStringLiteral("nome"), QStringLiteral("indirizzo"),
                          QStringLiteral("spese euro"), QStringLiteral("pagamento"),
                          QStringLiteral("sollecito"), QStringLiteral("totale euro")}));
    // Owner 1 takes the odd cent of both items: 201 and 301 cents.
    QCOMPARE(ReportContents::tableRow(owners, 2),
             QStringList({QStringLiteral(" 1"), QStringLiteral("Condomino 1"),
                          QStringLiteral("via Roma 1"), QStringLiteral("3,01"), Marker, Marker,
                          QStringLiteral("5,02")}));
    using A = ReportAlignment;
    QCOMPARE(document.columnAlignments(3),
             QVector<A>({A::Left, A::Left, A::Left, A::Right, A::Right, A::Right, A::Right}));
    // A marked owner counts as paid: the reminders pass him by.
    QCOMPARE(PaymentLetters::record(*m_state, PaymentLetters::Kind::Reminder, 0, QDate(2026, 12, 9)),
             QList<int>());
}

void TestPaymentsWindowPrintout::allItemsFromTheSecondOfFour()
{
    openGenerated(4, 2);
    m_ledger->goToItem(2);
    const ReportDocument document = PaymentsWindowPrintout::build(*m_ledger, true);
    QCOMPARE(document.tableCount(), 9);
    const QStringList texts = ReportContents::paragraphTexts(document);
    QVERIFY(texts.contains(QStringLiteral("GESTIONE PAGAMENTI SPESE  2001  (spesa n. 2)") + CR));
    QVERIFY(texts.contains(QStringLiteral("GESTIONE PAGAMENTI SPESE  2001  (spesa n. 4)") + CR));
    QVERIFY(!texts.contains(QString(QChar(12)) + CR));
    QCOMPARE(m_ledger->currentItem(), 5);
    QVERIFY(m_ledger->shownItem().expenseAmount.isEmpty());
}

void TestPaymentsWindowPrintout::budgetSectionNamesThePreventivi()
{
    m_platform->fileNames.enqueue(SeriesFixture::writeItem(
        m_folder->path(), ManagementType::Preventivi, QStringLiteral("Rossi"), 1,
        {QStringLiteral("90,00"), QStringLiteral("ascensore"), QStringLiteral("10/05/2001"),
         {QStringLiteral("45,00"), QStringLiteral("45,00")}, {}, {}}));
    QVERIFY(m_ledger->chooseManagementType(ManagementType::Preventivi).opened);
    const QStringList texts =
        ReportContents::paragraphTexts(PaymentsWindowPrintout::build(*m_ledger, false));
    QCOMPARE(texts[1], QStringLiteral("GESTIONE PAGAMENTI PREVENTIVI  2001  (spesa n. 1)") + CR);
    QCOMPARE(texts[2], QStringLiteral("Totale progressivo spese preventivate: euro 90,00") + CR);
}

QTEST_GUILESS_MAIN(TestPaymentsWindowPrintout)
#include "tst_paymentswindowprintout.moc"
