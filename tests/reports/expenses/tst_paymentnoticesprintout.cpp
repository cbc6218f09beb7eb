#include "core/expenses/expenseallocation.h"
#include "core/expenses/runningtotal.h"
#include "core/state/sharedstate.h"
#include "reports/expenses/expenseprintcheck.h"
#include "core/expenses/consumptionsummary.h"
#include "core/expenses/expensearchive.h"
#include "core/expenses/meterreadingsfile.h"
#include "reports/expenses/consumptionsummaryprintout.h"
#include "reports/expenses/expensestatementprintout.h"
#include "reports/expenses/paymentnoticesprintout.h"
#include "support/officereader.h"
#include "support/reportcontents.h"

#include <QtTest>

#include <memory>

using namespace veltra;
using ReportContents::tableRow;
using ReportContents::paragraphTexts;

namespace {

const QChar CR(13);
const QChar FF(12);
const QDate Today(2026, 3, 9);

const QString Article1126 = QString::fromUtf8(
    "ART.1126 - LASTRICI SOLARI DI USO ESCLUSIVO - Quando l'uso dei lastrici solari o di una "
    "parte di essi non è comune a tutti i condomini, quelli che ne hanno l'uso esclusivo sono "
    "tenuti a contribuire per un terzo nella spesa delle riparazioni o ricostruzioni del "
    "lastrico: gli altri due terzi sono a carico di tutti i condomini dell'edificio o della "
    "parte di questo a cui il lastrico solare serve, in proporzione del valore del piano o "
    "della porzione di piano di ciascuno.");

// Five owners of whom 2 and 4 have paid item 3 of a series of four items.
void fillExpenses(SharedState &state)
{
    state.condoName = QStringLiteral("Le Querce");
    state.ownerCount = 5;
    for (int i = 1; i <= 5; ++i) {
        Owner &owner = state.owner(i);
        owner.ownerName = QStringLiteral("Condomino %1").arg(i);
        owner.ownerAddress = QStringLiteral("via dei Mille %1").arg(i);
        owner.takesPart = i == 3 ? 0 : 1;
        owner.ownerMillesimi = Cell::fromNumber(200);
        owner.useMillesimi = 190.25;
        owner.floorMillesimi = QStringLiteral("999,999");
        owner.heatingQuantity = Cell::fromNumber(80);
        owner.oneThirdFlag = i == 1 ? 1 : 0;
        owner.shareAmount = QStringLiteral("%1,00").arg(100 * i);
    }
    state.owner(2).paymentDate = QStringLiteral("01/04/2001");
    state.owner(4).paymentDate = QStringLiteral("----------");
    const QStringList amounts = { "1.000,00", "0,50", "-20,00", "5,00" };
    for (int k = 1; k <= 4; ++k) {
        state.item(k).expenseAmount = amounts[k - 1];
        state.item(k).expenseType = QStringLiteral("lastrico");
        state.item(k).expenseDate = QStringLiteral("15/03/2001");
    }
    state.calcType = PerMillesimi;
}

} // namespace

class TestPaymentNoticesPrintout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void refusesWithoutOwnersAndForABudget();
    void oneNoticePerOwnerWithoutPayment();
    void noticeBlocksInOrder();
    void everyNoticeCarriesTheTableOfAllOwners();
    void roofTerraceNoticeQuotesArticle1126();
    void meteredItemShowsReadingsAndBothParts();
    void seasonSummaryAddsTheHeatingItemsOfTheSeries();
    void runningTotalSumsItemsOneToCurrent();
    void dateWithoutYearLeavesTheYearOut();
    void lastOwnerPaidLeavesNoEmptyPage();
    void administratorHeadsAndSignsEveryNotice();
    void renderedNoticesTakeOnePageEach();

private:
    std::unique_ptr<SharedState> m_state;
};

void TestPaymentNoticesPrintout::init()
{
    m_state = std::make_unique<SharedState>();
    fillExpenses(*m_state);
}

void TestPaymentNoticesPrintout::refusesWithoutOwnersAndForABudget()
{
    QVERIFY(!ExpensePrintCheck::noticesRefusal(*m_state, ManagementType::Spese));
    const auto budget = ExpensePrintCheck::noticesRefusal(*m_state, ManagementType::Preventivi);
    QVERIFY(budget);
    QCOMPARE(budget->icon, MessageIcon::Question);
    QCOMPARE(budget->text, QStringLiteral("Attenzione: la stampa deve riguardare le spese e non i preventivi."));

    m_state->ownerCount = 0;
    for (const auto &refusal : { ExpensePrintCheck::statementRefusal(*m_state),
                                 ExpensePrintCheck::noticesRefusal(*m_state, ManagementType::Preventivi) }) {
        QVERIFY(refusal);
        QCOMPARE(refusal->icon, MessageIcon::Exclamation);
        QCOMPARE(refusal->text, QString::fromUtf8("Non vi è nulla da stampare: prelevare i dati dall'archivio."));
    }
}

void TestPaymentNoticesPrintout::oneNoticePerOwnerWithoutPayment()
{
    QCOMPARE(PaymentNoticesPrintout::unpaidOwners(*m_state), QList<int>({ 1, 3, 5 }));
    const ReportDocument document = PaymentNoticesPrintout::build(*m_state, 3, Today);
    const QStringList paragraphs = paragraphTexts(document);
    QCOMPARE(paragraphs.filter(QStringLiteral("Oggetto:")),
             QStringList({ QStringLiteral("Oggetto: avviso di pagamento al condomino n. 1") + CR + CR,
                           QStringLiteral("Oggetto: avviso di pagamento al condomino n. 3") + CR + CR,
                           QStringLiteral("Oggetto: avviso di pagamento al condomino n. 5") + CR + CR }));
    QCOMPARE(paragraphs.count(QString(FF) + CR), 2);
    // Each page break comes right before the next notice's heading.
    for (int p = 1; p < paragraphs.size(); ++p) {
        if (paragraphs[p - 1] == QString(FF) + CR)
            QVERIFY(paragraphs[p].startsWith(QStringLiteral("Condominio: ")));
    }
    QVERIFY(paragraphs.contains(QString::fromUtf8("La somma da pagare è la seguente: euro 500,00") + CR));

    m_state->owner(1).paymentDate = QStringLiteral("x");
    m_state->owner(3).paymentDate = QStringLiteral("x");
    m_state->owner(5).paymentDate = QStringLiteral("x");
    QCOMPARE(PaymentNoticesPrintout::build(*m_state, 3, Today).blocks().size(), 0);
}

void TestPaymentNoticesPrintout::noticeBlocksInOrder()
{
    m_state->owner(3).paymentDate = QStringLiteral("x");
    m_state->owner(5).paymentDate = QStringLiteral("x");
    const ReportDocument document = PaymentNoticesPrintout::build(*m_state, 3, Today);
    const QString blanks(80, QLatin1Char(' '));
    const QStringList expected = {
        QStringLiteral("Condominio: Le Querce") + CR + CR,
        QStringLiteral("GESTIONE SPESE  2001  (spesa n. 3)"),
        QStringLiteral("Totale progressivo spese : euro 980,50"),
        QStringLiteral("numero condomini:  5") + CR + CR,
        QString(),
        QString(CR) + CR + blanks + QStringLiteral("Al condomino") + CR,
        blanks + QStringLiteral("Condomino 1") + CR,
        blanks + QStringLiteral("via dei Mille 1") + CR + CR + CR,
        QStringLiteral("Oggetto: avviso di pagamento al condomino n. 1") + CR + CR,
        QString::fromUtf8("Si invita la S/V a voler pagare il contributo relativo alla sua "
                          "proprietà e riguardante la spesa in oggetto.") + CR,
        QString::fromUtf8("La somma da pagare è la seguente: euro 100,00") + CR,
        QString::fromUtf8("Il calcolo è stato effettuato secondo i seguenti criteri:") + CR,
        QString::fromUtf8("la spesa da ripartire è stata moltiplicata per i millesimi di "
                          "proprietà e divisa per 1000.") + CR,
        QString(),
        QString(),
        QString(CR) + QStringLiteral("Data: 09/03/2026") + CR + CR,
        QStringLiteral("Distinti saluti") + CR,
        QStringLiteral("L'Amministratore") + CR + CR,
        QStringLiteral("__________________________") + CR
    };
    QStringList actual;
    QList<std::optional<int>> sizes;
    for (const ReportBlock &block : document.blocks()) {
        actual << block.text;
        sizes << block.fontSize;
    }
    QCOMPARE(actual, expected);
    QCOMPARE(document.blocks()[4].kind, ReportBlock::Kind::Table);
    QCOMPARE(document.blocks()[14].kind, ReportBlock::Kind::Table);
    QCOMPARE(sizes.mid(0, 5), QList<std::optional<int>>({ 20, 12, 12, 12, 10 }));
    QCOMPARE(sizes.mid(5, 3), QList<std::optional<int>>({ 12, 12, 12 }));
    QCOMPARE(sizes.mid(8), QList<std::optional<int>>({ 10, 10, 10, 10, 10, 10, 8, 10, 10, 10, 10 }));

    const ReportTable &item = document.table(1);
    QCOMPARE(tableRow(item, 2), QStringList({ "somma da ripartire", "-20,00" }));
    QCOMPARE(tableRow(item, 4), QStringList({ "data della spesa", "15/03/2001" }));
    QCOMPARE(tableRow(item, 5), QStringList({ "tipo di calcolo", "per millesimi" }));
}

void TestPaymentNoticesPrintout::everyNoticeCarriesTheTableOfAllOwners()
{
    const ReportDocument document = PaymentNoticesPrintout::build(*m_state, 3, Today);
    QCOMPARE(document.tableCount(), 6);
    for (int table : { 2, 4, 6 }) {
        const ReportTable &owners = document.table(table);
        QCOMPARE(owners.rows(), 6);
        QCOMPARE(owners.fontSize(), std::optional<int>(8));
        QCOMPARE(tableRow(owners, 1), QString::fromUtf8("sì/no|num.|nome|indirizzo|%|millesimi|uso|"
                                                   "risc.|1/3|perc.2/3|rip.spese").split('|'));
        // The use millesimi, not the floor millesimi; no one-third mark outside criterion 6.
        QCOMPARE(tableRow(owners, 4), QStringList({ "no", " 3", "Condomino 3", "via dei Mille 3", "",
                                               "200", "190,250", "80", "", "", "300,00" }));
        QCOMPARE(tableRow(owners, 3)[0], QString::fromUtf8("sì"));
        const QVector<ReportAlignment> alignments = document.columnAlignments(table);
        QCOMPARE(alignments.mid(4), QVector<ReportAlignment>(7, ReportAlignment::Right));
        QCOMPARE(alignments[3], ReportAlignment::Left);
    }
    for (int table : { 1, 3, 5 })
        QCOMPARE(document.columnAlignments(table)[1], ReportAlignment::Left);
}

void TestPaymentNoticesPrintout::roofTerraceNoticeQuotesArticle1126()
{
    m_state->calcType = RoofTerraceArt1126;
    const ReportDocument document = PaymentNoticesPrintout::build(*m_state, 3, Today);
    const QString explanation =
        QString::fromUtf8("la spesa da ripartire è stata divisa secondo i dettami dell'art.1126 "
                          "del Codice Civile che si riporta.")
        + CR + Article1126 + CR + CR;
    QCOMPARE(paragraphTexts(document).count(explanation), 3);
    QCOMPARE(document.table(2).cell(2, 9), QString::fromUtf8("sì"));
    QCOMPARE(document.table(2).cell(3, 9), QStringLiteral("no"));
    QCOMPARE(document.table(1).cell(5, 2), QStringLiteral("art.1126 Codice Civile (lastrici solari)"));
    QVERIFY(!PaymentNoticesPrintout::criterionExplanation(StairsArt1124).contains(Article1126));
}

// 1.000,00 among owners 1, 2, 4 and 5 (200 millesimi each) with readings 400, 100, 300 and
// 200 (owner 5's estimated): 700,00 by readings gives 280,00, 70,00, 210,00 and 140,00; the
// 300,00 left gives 75,00 each.
void TestPaymentNoticesPrintout::meteredItemShowsReadingsAndBothParts()
{
    const QStringList readings = {"400", "100", "", "300", "200"};
    for (int i = 1; i <= 5; ++i)
        m_state->owner(i).meterReading = readings.at(i - 1);
    m_state->owner(5).readingEstimated = 1;
    m_state->calcType = MeteredHeating;
    allocateExpense(*m_state, 1);

    const ReportDocument notices = PaymentNoticesPrintout::build(*m_state, 1, Today);
    QCOMPARE(tableRow(notices.table(1), 6),
             QStringList({QStringLiteral("ripartizione"),
                          QString::fromUtf8("70% in base alle letture dei contatori di calore, 30% "
                                            "in base ai millesimi di proprietà")}));
    const ReportTable &owners = notices.table(2);
    QCOMPARE(tableRow(owners, 2),
             QStringList({QString::fromUtf8("sì"), " 1", "Condomino 1", "via dei Mille 1", "400",
                          "", "200", "280,00", "75,00", "355,00"}));
    QCOMPARE(tableRow(owners, 4).mid(7), QStringList({"0,00", "0,00", "0,00"}));
    const QStringList paragraphs = paragraphTexts(notices);
    QVERIFY(paragraphs.contains(QString::fromUtf8(
                                    "Lettura del periodo: 200 (stimata: il contatore non è stato "
                                    "letto); quota dei consumi: euro 140,00; quota fissa: euro "
                                    "75,00; totale: euro 215,00.")
                                + CR));

    const ReportDocument statement =
        ExpenseStatementPrintout::build(*m_state, 1, ManagementType::Spese);
    QCOMPARE(tableRow(statement.table(statement.tableCount()), 6).mid(4),
             QStringList({"200", QString::fromUtf8("sì"), "200", "140,00", "75,00", "215,00"}));
}

// Items 1 and 3 of the series are heating by meters, item 2 is not. Owner 1 pays 280,00 +
// 75,00 of item 1 (as above) and, of item 3's 500,00 with readings 100, 100, 100 and 200,
// 70,00 + 37,50: in the season 500 units, 350,00 + 112,50 = 462,50.
void TestPaymentNoticesPrintout::seasonSummaryAddsTheHeatingItemsOfTheSeries()
{
    QTemporaryDir folder;
    const auto pathOf = [&folder](int k) {
        return std::optional<QString>(
            QDir(folder.path()).filePath(QStringLiteral("Veltra-spese-Le Querce- 2001 %1").arg(k)));
    };
    const QList<QStringList> readings = {{"400", "100", "", "300", "200"},
                                         {},
                                         {"100", "100", "", "100", "200"}};
    const QStringList amounts = {"1.000,00", "80,00", "500,00"};
    for (int k = 1; k <= 3; ++k) {
        m_state->calcType = k == 2 ? PerMillesimi : MeteredHeating;
        m_state->item(k).expenseAmount = amounts.at(k - 1);
        for (int i = 1; i <= 5; ++i)
            m_state->owner(i).meterReading = readings.at(k - 1).value(i - 1);
        QVERIFY(ExpenseArchive::save(*m_state, k, true, *pathOf(k)));
        QVERIFY(MeterReadingsFile::save(*m_state, MeterReadingsFile::companionPath(*pathOf(k))));
    }
    QString problem;
    const std::optional<ConsumptionSummary> summary =
        ConsumptionSummary::collect(pathOf, ManagementType::Spese, &problem);
    QVERIFY2(summary, qPrintable(problem));
    QCOMPARE(summary->items.size(), 2);
    const ReportDocument document =
        ConsumptionSummaryPrintout::build(*summary, m_state->administrator, Today);
    QCOMPARE(document.tableCount(), 5);
    const ReportTable &first = document.table(1);
    QCOMPARE(tableRow(first, 3), QStringList({" 3", "lastrico", "15/03/2001", "100", "", "70,00",
                                              "37,50", "107,50"}));
    QCOMPARE(tableRow(first, 4), QStringList({"totale", "", "", "500", "", "350,00", "112,50",
                                              "462,50"}));
    QCOMPARE(document.table(3).cell(2, 4), QStringLiteral("non partecipa"));

    QVERIFY(QFile::remove(MeterReadingsFile::companionPath(*pathOf(3))));
    QVERIFY(!ConsumptionSummary::collect(pathOf, ManagementType::Spese, &problem));
    QVERIFY(problem.contains(QStringLiteral("Veltra-letture-spese-Le Querce- 2001 3")));
}

void TestPaymentNoticesPrintout::runningTotalSumsItemsOneToCurrent()
{
    // 1.000,00 + 0,50 - 20,00: every amount counts, signs included; item 4 comes later.
    QCOMPARE(RunningTotal::condominiumRunningTotal(*m_state, 3), 980.5);
    QCOMPARE(RunningTotal::condominiumRunningTotal(*m_state, 4), 985.5);
    m_state->item(2).expenseAmount = QStringLiteral("due euro");
    QCOMPARE(RunningTotal::condominiumRunningTotal(*m_state, 3), 980.0);
    QCOMPARE(RunningTotal::condominiumRunningTotal(*m_state, 1000), 985.0);
    // People read money with two decimals and the thousands dot.
    QCOMPARE(RunningTotal::line(RunningTotal::shownTotal(1150.5)),
             QStringLiteral("Totale progressivo spese : euro 1.150,50"));
    QCOMPARE(RunningTotal::line(QStringLiteral("1234567,891"), QStringLiteral("preventivate")),
             QStringLiteral("Totale progressivo spese preventivate: euro 1.234.567,89"));
    QCOMPARE(RunningTotal::shownAmount(QStringLiteral("-0,004")), QStringLiteral("0,00"));
    QCOMPARE(RunningTotal::shownAmount(QStringLiteral("mille")), QStringLiteral("mille"));
    const ReportDocument document = PaymentNoticesPrintout::build(*m_state, 1, Today);
    QCOMPARE(document.blocks()[2].text, QStringLiteral("Totale progressivo spese : euro 1.000,00"));
}

void TestPaymentNoticesPrintout::dateWithoutYearLeavesTheYearOut()
{
    m_state->item(3).expenseDate = QStringLiteral("31/02/2001");
    const ReportDocument document = PaymentNoticesPrintout::build(*m_state, 3, Today);
    QCOMPARE(document.blocks()[1].text, QStringLiteral("GESTIONE SPESE  (spesa n. 3)"));
    QCOMPARE(document.table(1).cell(4, 2), QStringLiteral("31/02/2001"));
}

void TestPaymentNoticesPrintout::lastOwnerPaidLeavesNoEmptyPage()
{
    m_state->owner(5).paymentDate = QStringLiteral("02/04/2001");
    const ReportDocument document = PaymentNoticesPrintout::build(*m_state, 3, Today);
    const QStringList paragraphs = paragraphTexts(document);
    QCOMPARE(paragraphs.count(QString(FF) + CR), 1);
    QCOMPARE(paragraphs.last(), QStringLiteral("__________________________") + CR);
}

void TestPaymentNoticesPrintout::administratorHeadsAndSignsEveryNotice()
{
    m_state->administrator.name = QStringLiteral("Studio Rossi");
    m_state->administrator.pec = QStringLiteral("studio.rossi@pec.it");
    const ReportDocument document = PaymentNoticesPrintout::build(*m_state, 3, Today);
    QCOMPARE(document.ownerLetters().size(), 3);
    for (int notice = 0; notice < 3; ++notice) {
        const QStringList paragraphs = paragraphTexts(document.ownerLetter(notice));
        QCOMPARE(paragraphs.mid(0, 3), QStringList({QStringLiteral("Studio Rossi"),
                                                    QStringLiteral("PEC studio.rossi@pec.it"), QString()}));
        QVERIFY(paragraphs.contains(QStringLiteral("L'Amministratore") + CR + QStringLiteral("Studio Rossi") + CR + CR));
    }
}

void TestPaymentNoticesPrintout::renderedNoticesTakeOnePageEach()
{
    if (!OfficeReader::available())
        QSKIP("LibreOffice (soffice) is not installed");
    m_state->calcType = RoofTerraceArt1126;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("avvisi.odt"));
    ReportDocument document = PaymentNoticesPrintout::build(*m_state, 3, Today);
    QVERIFY(document.saveAs(path));
    OfficeReader office;
    QCOMPARE(office.pageCounts({ path }), QList<int>({ 3 }));
    const QString text = office.texts({ path }).first();
    QCOMPARE(text.count(QStringLiteral("avviso di pagamento al condomino")), 3);
    QCOMPARE(text.count(QStringLiteral("ART.1126 - LASTRICI SOLARI")), 3);
}

QTEST_GUILESS_MAIN(TestPaymentNoticesPrintout)
#include "tst_paymentnoticesprintout.moc"
