#include "core/payments/accountcards.h"
#include "core/payments/paymentsledger.h"
#include "support/ledgerfixture.h"
#include "support/plainseries.h"
#include "reports/payments/accountcardsprintout.h"
#include "support/reportcontents.h"
#include "support/scriptedplatform.h"
#include "support/seriesfixture.h"

#include <QtTest>

using namespace veltra;

namespace {

const QChar CR(13);
const QString Marker = QStringLiteral("----------");

} // namespace

// The account cards: one owner's card, all cards one per page, the marks they leave, and
// the series read once, with the same result as moving through it file by file.
class TestAccountCardsPrintout : public QObject, private LedgerFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void cardOfATwoItemSeries();
    void allCardsOnePerPage();
    void cachedCardsEqualMovingThroughTheFiles();
    void cachedBudgetCardsKeepTheirMarksAsMovingDoes();
    void emptyItemFileRefusesEveryCard();

private:
    void compareWithPlainReading(int first, bool allOwners);
};

void TestAccountCardsPrintout::init()
{
    setUpLedger();
}

void TestAccountCardsPrintout::cleanup()
{
    tearDownLedger();
}

void TestAccountCardsPrintout::cardOfATwoItemSeries()
{
    const QString first = SeriesFixture::writeItem(
        m_folder->path(), ManagementType::Spese, QStringLiteral("Rossi"), 1,
        {QStringLiteral("1.000,00"), QStringLiteral("pulizia"), QStringLiteral("10/05/2001"),
         {QStringLiteral("600,00"), QStringLiteral("400,00")},
         {QStringLiteral("11/05/2001"), QString()}, {QString(), QStringLiteral("20/05/2001")}});
    SeriesFixture::writeItem(m_folder->path(), ManagementType::Spese, QStringLiteral("Rossi"), 2,
                             {QStringLiteral("50,00"), QStringLiteral("luce"),
                              QStringLiteral("10/06/2001"),
                              {QStringLiteral("30,00"), QStringLiteral("20,00")}, {}, {}});
    openSeries(ManagementType::Spese, first);

    const QList<AccountCard> cards = AccountCards::collect(*m_ledger, 2, false);
    QCOMPARE(cards.size(), 1);
    const ReportDocument document = AccountCardsPrintout::build(cards, ManagementType::Spese);
    QCOMPARE(ReportContents::paragraphTexts(document),
             QStringList({QStringLiteral("Condominio: Rossi") + CR + CR,
                          QStringLiteral("numero condomini:  2") + CR + CR + CR,
                          QStringLiteral("GESTIONE PAGAMENTI SPESE  2001") + CR,
                          QStringLiteral("scheda condomino: Condomino 2   -  via Roma 2") + CR + CR}));
    const ReportTable &table = document.table(1);
    QCOMPARE(table.rows(), 4);
    QCOMPARE(ReportContents::tableRow(table, 2),
             QStringList({QStringLiteral(" 1"), QStringLiteral("1.000,00"), QStringLiteral("pulizia"),
                          QStringLiteral("10/05/2001"), Marker, QStringLiteral("20/05/2001"),
                          QStringLiteral("400,00")}));
    QCOMPARE(ReportContents::tableRow(table, 3),
             QStringList({QStringLiteral(" 2"), QStringLiteral("50,00"), QStringLiteral("luce"),
                          QStringLiteral("10/06/2001"), Marker, Marker, QStringLiteral("20,00")}));
    QCOMPARE(ReportContents::tableRow(table, 4),
             QStringList({QStringLiteral("totali"), QStringLiteral("1.050,00"), QString(), QString(),
                          QString(), QString(), QStringLiteral("420,00")}));
    using A = ReportAlignment;
    QCOMPARE(document.columnAlignments(1),
             QVector<A>({A::Left, A::Right, A::Left, A::Right, A::Right, A::Right, A::Right}));
    // The window stays on item 2 with the marks of that item in memory.
    QCOMPARE(m_ledger->currentItem(), 2);
    QCOMPARE(m_state->owner(2).paymentDate, Marker);
    QCOMPARE(m_state->owner(1).paymentDate, QString());
}

void TestAccountCardsPrintout::allCardsOnePerPage()
{
    openSeries(ManagementType::Spese,
               SeriesFixture::writeGenerated(m_folder->path(), QStringLiteral("Rossi"), 3, 4));
    const QList<AccountCard> cards = AccountCards::collect(*m_ledger, 1, true);
    QCOMPARE(cards.size(), 4);
    const ReportDocument document = AccountCardsPrintout::build(cards, ManagementType::Spese);
    QCOMPARE(document.tableCount(), 4);
    const QStringList texts = ReportContents::paragraphTexts(document);
    QCOMPARE(texts.count(QString(QChar(12)) + CR), 3);
    QCOMPARE(texts.last(), QStringLiteral("scheda condomino: Condomino 4   -  via Roma 4") + CR + CR);
    QCOMPARE(m_ledger->cache().parseCount(), 3);
}

void TestAccountCardsPrintout::compareWithPlainReading(int first, bool allOwners)
{
    const int m = m_ledger->archivedCount().value_or(0);
    PlainSeries plain(m_folder->path(), m_ledger->managementType(), *m_state);
    plain.current = m_ledger->currentItem();
    QList<QList<QStringList>> expected;
    QStringList names;
    for (int i = first;; ++i) {
        names << plain.state->owner(i).ownerName;
        expected << plain.card(i, m);
        if (!allOwners || i >= plain.state->ownerCount)
            break;
    }
    const QList<AccountCard> cards = AccountCards::collect(*m_ledger, first, allOwners);
    QCOMPARE(cards.size(), expected.size());
    for (int c = 0; c < cards.size(); ++c) {
        QCOMPARE(cards[c].ownerName, names[c]);
        QCOMPARE(AccountCardsPrintout::tableRows(cards[c]), expected[c]);
    }
    QCOMPARE(m_ledger->currentItem(), plain.current);
    for (int i = 1; i <= plain.state->ownerCount; ++i) {
        QCOMPARE(m_state->owner(i).paymentDate, plain.state->owner(i).paymentDate);
        QCOMPARE(m_state->owner(i).reminderDate, plain.state->owner(i).reminderDate);
    }
}

void TestAccountCardsPrintout::cachedCardsEqualMovingThroughTheFiles()
{
    openSeries(ManagementType::Spese,
               SeriesFixture::writeGenerated(m_folder->path(), QStringLiteral("Rossi"), 5, 6));
    m_ledger->goToItem(2);
    compareWithPlainReading(1, true);
    compareWithPlainReading(4, false);
    QCOMPARE(m_ledger->cache().parseCount(), 5);
}

void TestAccountCardsPrintout::cachedBudgetCardsKeepTheirMarksAsMovingDoes()
{
    QString first;
    for (int k = 1; k <= 3; ++k) {
        const QString path = SeriesFixture::writeItem(
            m_folder->path(), ManagementType::Preventivi, QStringLiteral("Rossi"), k,
            {QStringLiteral("%1,00").arg(30 * k), QStringLiteral("voce %1").arg(k),
             QStringLiteral("10/0%1/2001").arg(k),
             QStringList(3, QStringLiteral("%1,00").arg(10 * k)), {}, {}});
        if (k == 1)
            first = path;
    }
    openSeries(ManagementType::Preventivi, first);
    m_state->owner(2).paymentDate = QStringLiteral("05/05/2001");
    compareWithPlainReading(1, true);
}

void TestAccountCardsPrintout::emptyItemFileRefusesEveryCard()
{
    openSeries(ManagementType::Spese,
               SeriesFixture::writeGenerated(m_folder->path(), QStringLiteral("Rossi"), 4, 3));
    for (int k = 2; k <= 4; ++k)
        m_ledger->goToItem(k);
    // A file that exists but is no item file counts in the series: no card is printed.
    QFile second(m_folder->filePath(QStringLiteral("Veltra-spese-Rossi- 2001 2")));
    QVERIFY(second.open(QIODevice::WriteOnly | QIODevice::Truncate));
    second.close();
    QString refusal;
    QVERIFY(AccountCards::collect(*m_ledger, 2, true, &refusal).isEmpty());
    QCOMPARE(refusal, QString::fromUtf8("La spesa n.2 (file \"Veltra-spese-Rossi- 2001 2\") non è "
                                        "stata contata: riga 1, il nome del condominio: dato "
                                        "mancante o illeggibile."));
}

QTEST_GUILESS_MAIN(TestAccountCardsPrintout)
#include "tst_accountcardsprintout.moc"
