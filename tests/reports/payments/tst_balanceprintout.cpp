#include "core/payments/balancesheet.h"
#include "core/payments/paymentsledger.h"
#include "support/ledgerfixture.h"
#include "support/plainseries.h"
#include "reports/payments/balanceprintout.h"
#include "support/reportcontents.h"
#include "support/scriptedplatform.h"
#include "support/seriesfixture.h"

#include <QtTest>

using namespace veltra;

namespace {

const QChar CR(13);

} // namespace

// The yearly balance: its rows and totals in euro, the title lines of the two types, the
// window left on the last archived item, and the series read once, with the same result
// as moving through it file by file.
class TestBalancePrintout : public QObject, private LedgerFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void incomeOutstandingAndSpentPerItem();
    void budgetBalanceHasNoPeriodLine();
    void noArchivedCountGivesHeadingAndTotalsOnly();
    void cachedBalanceEqualsMovingThroughTheFiles();
    void unreadableFileRefusesTheWholeBalance();

private:
    void compareWithPlainReading();
};

void TestBalancePrintout::init()
{
    setUpLedger();
}

void TestBalancePrintout::cleanup()
{
    tearDownLedger();
}

void TestBalancePrintout::incomeOutstandingAndSpentPerItem()
{
    const QStringList amounts = {QStringLiteral("1.000,00"), QStringLiteral("500,00"),
                                 QStringLiteral("300,00")};
    const QStringList shares = {QStringLiteral("250,00"), QStringLiteral("125,00"),
                                QStringLiteral("75,00")};
    QString first;
    for (int k = 1; k <= 3; ++k) {
        SeriesFixture::Item item{amounts[k - 1], QStringLiteral("spesa %1").arg(k),
                                 QStringLiteral("10/0%1/2001").arg(k + 4),
                                 QStringList(4, shares[k - 1]), {}, {}};
        if (k == 1)
            item.paymentDates = {QStringLiteral("11/05/2001"), QStringLiteral("12/05/2001"),
                                 QString(), QString()};
        const QString path = SeriesFixture::writeItem(m_folder->path(), ManagementType::Spese,
                                                      QStringLiteral("Rossi"), k, item);
        if (k == 1)
            first = path;
    }
    openSeries(ManagementType::Spese, first);

    const BalanceSheet sheet = BalanceSheet::collect(*m_ledger);
    const ReportDocument document = BalancePrintout::build(sheet, ManagementType::Spese);
    QCOMPARE(ReportContents::paragraphTexts(document),
             QStringList({QStringLiteral("Condominio: Rossi") + CR + CR,
                          QStringLiteral("numero condomini:  4") + CR + CR,
                          QStringLiteral("BILANCIO CONSUNTIVO - anno  2001") + CR,
                          QStringLiteral("Situazione contabile dal 01/01/ 2001 al 31/12/ 2001") + CR}));
    const ReportTable &table = document.table(1);
    QCOMPARE(table.rows(), 5);
    QCOMPARE(ReportContents::tableRow(table, 1),
             QStringList({QStringLiteral("n."), QStringLiteral("ENTRATE"),
                          QStringLiteral("quote da pagare"), QStringLiteral("data della spesa"),
                          QStringLiteral("tipo di spesa"), QStringLiteral("USCITE")}));
    QCOMPARE(ReportContents::tableRow(table, 2),
             QStringList({QStringLiteral(" 1"), QStringLiteral("500,00"), QStringLiteral("500,00"),
                          QStringLiteral("10/05/2001"), QStringLiteral("spesa 1"),
                          QStringLiteral("1.000,00")}));
    QCOMPARE(ReportContents::tableRow(table, 3),
             QStringList({QStringLiteral(" 2"), QStringLiteral("0,00"), QStringLiteral("500,00"),
                          QStringLiteral("10/06/2001"), QStringLiteral("spesa 2"),
                          QStringLiteral("500,00")}));
    QCOMPARE(ReportContents::tableRow(table, 4),
             QStringList({QStringLiteral(" 3"), QStringLiteral("0,00"), QStringLiteral("300,00"),
                          QStringLiteral("10/07/2001"), QStringLiteral("spesa 3"),
                          QStringLiteral("300,00")}));
    QCOMPARE(ReportContents::tableRow(table, 5),
             QStringList({QStringLiteral("totali"), QStringLiteral("500,00"),
                          QStringLiteral("1.300,00"), QString(), QString(),
                          QStringLiteral("1.800,00")}));
    using A = ReportAlignment;
    QCOMPARE(document.columnAlignments(1),
             QVector<A>({A::Left, A::Right, A::Right, A::Right, A::Left, A::Right}));
    QCOMPARE(m_ledger->currentItem(), 3);
    QCOMPARE(m_state->owner(1).shareAmount, QStringLiteral("75,00"));
    QCOMPARE(m_ledger->cache().parseCount(), 3);
}

void TestBalancePrintout::budgetBalanceHasNoPeriodLine()
{
    SeriesFixture::Item item{QStringLiteral("90,00"), QStringLiteral("ascensore"),
                             QStringLiteral("10/05/2001"),
                             {QStringLiteral("45,00"), QStringLiteral("45,00")}, {}, {}};
    openSeries(ManagementType::Preventivi,
               SeriesFixture::writeItem(m_folder->path(), ManagementType::Preventivi,
                                        QStringLiteral("Rossi"), 1, item));
    // Dates cannot be typed under a budget, but a printout may have marked them.
    m_state->owner(2).paymentDate = QStringLiteral("----------");
    const BalanceSheet sheet = BalanceSheet::collect(*m_ledger);
    const ReportDocument document = BalancePrintout::build(sheet, ManagementType::Preventivi);
    const QStringList texts = ReportContents::paragraphTexts(document);
    QCOMPARE(texts.size(), 3);
    QCOMPARE(texts[2], QStringLiteral("BILANCIO PREVENTIVO - anno  2001") + CR);
    QCOMPARE(ReportContents::tableRow(document.table(1), 2)[1], QStringLiteral("45,00"));
}

void TestBalancePrintout::noArchivedCountGivesHeadingAndTotalsOnly()
{
    m_state->condoName = QStringLiteral("Rossi");
    m_state->ownerCount = 1;
    m_state->owner(1).ownerName = QStringLiteral("Bianchi");
    m_state->item(1) = {QStringLiteral("10,00"), QStringLiteral("luce"), QStringLiteral("10/05/2001")};
    QVERIFY(m_ledger->chooseManagementType(ManagementType::Spese).ended);
    const BalanceSheet sheet = BalanceSheet::collect(*m_ledger);
    const QList<QStringList> rows = BalancePrintout::tableRows(sheet);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[1], QStringList({QStringLiteral("totali"), QStringLiteral("0,00"),
                                   QStringLiteral("0,00"), QString(), QString(),
                                   QStringLiteral("0,00")}));
}

void TestBalancePrintout::compareWithPlainReading()
{
    const int m = m_ledger->archivedCount().value_or(0);
    PlainSeries plain(m_folder->path(), m_ledger->managementType(), *m_state);
    const QList<QList<double>> expected = plain.balance(m);
    const BalanceSheet sheet = BalanceSheet::collect(*m_ledger);
    QCOMPARE(sheet.rows.size(), expected.size());
    double income = 0;
    double outstanding = 0;
    for (int j = 0; j < expected.size(); ++j) {
        QCOMPARE(sheet.rows[j].income, expected[j][0]);
        QCOMPARE(sheet.rows[j].outstanding, expected[j][1]);
        QCOMPARE(sheet.rows[j].amount, expected[j][2]);
        income += expected[j][0];
        outstanding += expected[j][1];
    }
    QCOMPARE(sheet.incomeTotal, income);
    QCOMPARE(sheet.outstandingTotal, outstanding);
    QCOMPARE(sheet.shownTotal, plain.shownTotal);
    QCOMPARE(m_ledger->currentItem(), plain.current);
    for (int i = 1; i <= plain.state->ownerCount; ++i) {
        QCOMPARE(m_state->owner(i).paymentDate, plain.state->owner(i).paymentDate);
        QCOMPARE(m_state->owner(i).ownerRunningTotal, plain.state->owner(i).ownerRunningTotal);
    }
}

void TestBalancePrintout::cachedBalanceEqualsMovingThroughTheFiles()
{
    openSeries(ManagementType::Spese,
               SeriesFixture::writeGenerated(m_folder->path(), QStringLiteral("Rossi"), 6, 7));
    m_ledger->goToItem(2);
    m_state->owner(3).paymentDate = QStringLiteral("typed, not saved");
    compareWithPlainReading();
    QCOMPARE(m_ledger->cache().parseCount(), 6);
}

void TestBalancePrintout::unreadableFileRefusesTheWholeBalance()
{
    openSeries(ManagementType::Spese,
               SeriesFixture::writeGenerated(m_folder->path(), QStringLiteral("Rossi"), 5, 4));
    m_ledger->goToItem(2);
    m_ledger->goToItem(3);
    QFile third(m_folder->filePath(QStringLiteral("Veltra-spese-Rossi- 2001 3")));
    QVERIFY(third.open(QIODevice::WriteOnly | QIODevice::Truncate));
    third.write("\"Rossi\",4,\"troncato\"\r\n");
    third.close();
    const BalanceSheet sheet = BalanceSheet::collect(*m_ledger);
    QVERIFY(sheet.rows.isEmpty());
    QCOMPARE(sheet.refusal, QString::fromUtf8("La spesa n.3 (file \"Veltra-spese-Rossi- 2001 3\") "
                                              "non è stata contata: riga 1, la somma da "
                                              "ripartire: \"troncato\" non è un numero."));
}

QTEST_GUILESS_MAIN(TestBalancePrintout)
#include "tst_balanceprintout.moc"
