#include "core/accounts/accountsyear.h"
#include "core/accounts/finalaccount.h"
#include "core/accounts/yearend.h"
#include "core/registry/condominiumarchive.h"
#include "core/state/sharedstate.h"
#include "reports/accounts/allocationstatetables.h"
#include "reports/accounts/arrearsprintout.h"
#include "reports/accounts/finalaccountprintout.h"
#include "reports/accounts/paymentcertificateprintout.h"
#include "reports/document/reportdocument.h"
#include "support/officereader.h"
#include "support/pdfreader.h"
#include "support/reportcontents.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace veltra;

namespace {

const QString SampleName = QStringLiteral("Condominio Le Magnolie");

// The row whose first or second cell is key, in the first table with heading among its headings.
QStringList rowOf(const ReportDocument &document, const QString &heading, const QString &key)
{
    for (int t = 1; t <= document.tableCount(); ++t) {
        const ReportTable &table = document.table(t);
        if (!ReportContents::tableRow(table, 1).contains(heading))
            continue;
        for (int row = 2; row <= table.rows(); ++row) {
            if (table.cell(row, 1) == key || table.cell(row, 2) == key)
                return ReportContents::tableRow(table, row);
        }
    }
    return {};
}

QString allText(const ReportDocument &document)
{
    return ReportContents::paragraphTexts(document).join(QString());
}

} // namespace

// The rendiconto's printouts on the sample condominium of 2026, against figures added up by
// hand from its register and its four expense items.
class TestFinalAccountPrintouts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fourPartsCarryTheFiguresComputedByHand();
    void itemsAreSplitSixToATableWithEachShareInItsColumn();
    void arrearsAndAttestationFollowTheClosingBalances();
    void partsStartOnPagesNumberedInOrder();

private:
    std::unique_ptr<SharedState> m_state = std::make_unique<SharedState>();
    QTemporaryDir m_folder;
    AccountsYear m_year;
    YearEnd m_end;
};

void TestFinalAccountPrintouts::initTestCase()
{
    const QDir sample(QStringLiteral(VELTRA_SOURCE_DIR "/data/esempio"));
    for (const QString &name : sample.entryList(QDir::Files)) {
        QVERIFY(QFile::copy(sample.filePath(name), m_folder.filePath(name)));
        QFile::setPermissions(m_folder.filePath(name), QFile::ReadOwner | QFile::WriteOwner);
    }
    const QString archive = m_folder.filePath(QStringLiteral("Veltra-dati-") + SampleName);
    CondominiumArchive::apply(CondominiumArchive::load(archive), *m_state);
    QVERIFY(m_year.open(archive, *m_state, 2026).ok);
    QString problem;
    QVERIFY2(m_end.load(m_year, &problem), qPrintable(problem));
    QVERIFY2(m_end.figures(m_year, *m_state).canPrint(), qPrintable(m_end.figures(m_year, *m_state).blocking.join('\n')));
}

void TestFinalAccountPrintouts::fourPartsCarryTheFiguresComputedByHand()
{
    const FinalAccount figures = m_end.figures(m_year, *m_state);
    const ReportDocument document = FinalAccountPrintout::build(figures, m_year.accounts(), m_end.inputs().note, *m_state);

    // The bank: 18.500,00 + 9.153,00 of share receipts - 13.245,50 paid (1.464,00 + 8.750,00 +
    // 7,50 + 3.024,00); the cash: 150,00 - 23,40 of light bulbs.
    QCOMPARE(rowOf(document, QStringLiteral("Conto"), QStringLiteral("Conto corrente condominiale")).mid(1, 4),
             QStringList({"18.500,00", "9.153,00", "13.245,50", "14.407,50"}));
    QCOMPARE(rowOf(document, QStringLiteral("Conto"), QStringLiteral("Cassa")).mid(1, 4),
             QStringList({"150,00", "0,00", "23,40", "126,60"}));
    // Item 3 (6.300,00) had 3.024,00 paid, net of the withholding; item 4 nothing yet.
    QCOMPARE(rowOf(document, QStringLiteral("Voce"), QStringLiteral("3")).at(4), QStringLiteral("3.276,00"));
    QCOMPARE(rowOf(document, QStringLiteral("Voce"), QStringLiteral("Totale")).at(4), QStringLiteral("12.876,00"));
    const QString riscontro = QStringLiteral("Voce del riscontro");
    QCOMPARE(rowOf(document, riscontro, QStringLiteral("Cassa e banca")).at(1), QStringLiteral("14.534,10"));
    // What the owners owe: 177,40 carried in + 26.113,98 of shares - 9.153,00 paid.
    QCOMPARE(rowOf(document, riscontro, QStringLiteral("+ crediti verso condomini")).at(1), QStringLiteral("17.138,38"));
    QCOMPARE(rowOf(document, riscontro, QStringLiteral("Differenza (zero quando il rendiconto torna)")).at(1),
             QStringLiteral("0,00"));

    // Owner 9 carried in 212,40 and owes shares of 140,80 + 737,31 + 347,44 + 782,97.
    QCOMPARE(rowOf(document, QStringLiteral("Versato"), QStringLiteral("Caruso Giovanna")).mid(2),
             QStringList({"212,40", "2.008,52", "0,00", "2.220,92"}));
    // Item 2's shares add up to 8.749,98 against 8.750,00; the other items' to their amounts.
    QCOMPARE(rowOf(document, QStringLiteral("Condomino"), QStringLiteral("Totale quote")).mid(2),
             QStringList({"1.464,00", "8.749,98", "6.300,00", "9.600,00"}));
    QCOMPARE(rowOf(document, QStringLiteral("Condomino"), QStringLiteral("Differenza di arrotondamento")).mid(2),
             QStringList({"", "-0,02", "", ""}));

    // The note of the sample: its contracts, then, of the budget's lines, only the heating oil
    // (8.750,00 against 7.500,00) is more than a tenth over; the lift's 1.464,00 against
    // 1.400,00 is not. The stairs' cleaning, budgeted at 1.200,00, was never spent.
    QCOMPARE(rowOf(document, QStringLiteral("Controparte"), QStringLiteral("manutenzione ordinaria dell'ascensore")).mid(1, 2),
             QStringList({"Ascensori Emilia srl", "31/12/2027"}));
    int over = 1;
    while (!ReportContents::tableRow(document.table(over), 1).contains(QStringLiteral("Preventivo")))
        ++over;
    QCOMPARE(document.table(over).rows(), 2);
    QCOMPARE(ReportContents::tableRow(document.table(over), 2),
             QStringList({"gasolio per il riscaldamento, primo rifornimento", "7.500,00", "8.750,00", "1.250,00"}));
    QCOMPARE(rowOf(document, QStringLiteral("Consuntivo"), QStringLiteral("pulizia delle scale")).mid(1),
             QStringList({"1.200,00", "0,00", "-1.200,00"}));
    const QString text = allText(document);
    QVERIFY(text.contains(QStringLiteral("Condomini morosi ") + FinalAccountPrintout::ComputedMark));
    // Six months from the close of 31 December 2026.
    QVERIFY(text.contains(QStringLiteral("entro il 30/06/2027")));
    QCOMPARE(rowOf(document, QStringLiteral("Moroso dal"), QStringLiteral("9")).at(3),
             QStringLiteral("esercizi precedenti al 01/01/2026"));
}

// Thirteen items for three owners: tables of items 1-6, 7-12 and 13, each owner's share
// under its own item, the rounding row only in the table that has a rounding.
void TestFinalAccountPrintouts::itemsAreSplitSixToATableWithEachShareInItsColumn()
{
    FinalAccount figures;
    for (int i = 1; i <= 13; ++i)
        figures.items << FinalAccount::Item{i, QStringLiteral("voce %1").arg(i), QString(), 1, 300 * i,
                                            300 * i + (i == 8 ? 1 : 0), 0, 0};
    for (int o = 1; o <= 3; ++o) {
        FinalAccount::Owner owner;
        owner.number = o;
        owner.name = QStringLiteral("condomino %1").arg(o);
        for (int i = 1; i <= 13; ++i)
            owner.shares.insert(i, 100 * i + (i == 8 && o == 1 ? 1 : 0));
        figures.owners << owner;
    }
    ReportDocument document(PrintoutFont);
    AllocationStateTables::append(document, figures);
    QCOMPARE(document.tableCount(), 4);
    QCOMPARE(document.table(1).columns(), 8);
    QCOMPARE(document.table(2).columns(), 8);
    QCOMPARE(document.table(3).columns(), 3);
    QCOMPARE(document.table(1).rows(), 1 + 3 + 2);
    QCOMPARE(document.table(2).rows(), 1 + 3 + 3);
    QVERIFY(document.table(2).cell(1, 4).startsWith(QStringLiteral("Voce 8\r")));
    QCOMPARE(document.table(2).cell(2, 4), QStringLiteral("8,01"));
    QCOMPARE(document.table(2).cell(4, 4), QStringLiteral("8,00"));
    QCOMPARE(document.table(2).cell(7, 4), QStringLiteral("0,01"));
    QCOMPARE(document.table(3).cell(3, 3), QStringLiteral("13,00"));
}

// Owner 1 pays the 76,02 he owed: the list names the other nine, whose debts add up to
// 17.138,38 - 76,02; his attestation says he is in order, owner 9's that he is not.
void TestFinalAccountPrintouts::arrearsAndAttestationFollowTheClosingBalances()
{
    AccountsRegister accounts = m_year.accounts();
    AccountMovement payment;
    payment.operationDate = payment.registrationDate = QDate(2026, 4, 20);
    payment.owner = 1;
    payment.cents = 7602;
    payment.cause = MovementCause::Share;
    accounts.add(payment);
    const FinalAccount figures = FinalAccount::compute(accounts, m_year.series(), m_end.budget(), m_end.inputs(), *m_state);
    const QDate today(2026, 12, 9);
    AdministratorDetails administrator;
    administrator.name = QStringLiteral("Studio Rossi");

    const ReportDocument arrears = ArrearsPrintout::build(figures, *m_state, administrator, today);
    QCOMPARE(arrears.tableCount(), 1);
    const ReportTable &list = arrears.table(1);
    QCOMPARE(list.rows(), 1 + 9 + 1);
    QCOMPARE(list.cell(2, 1), QStringLiteral("2"));
    QCOMPARE(ReportContents::tableRow(list, 9), QStringList({"9", "Caruso Giovanna", "via Giuseppe Verdi 14, 40127 Bologna",
                                                            "2.220,92", "esercizi precedenti al 01/01/2026"}));
    QCOMPARE(list.cell(11, 4), QStringLiteral("17.062,36"));
    QVERIFY(allText(arrears).contains(QStringLiteral("L'amministratore\rStudio Rossi")));

    ExplanatoryNote note;
    note.questions << ExplanatoryNote::PendingQuestion{QStringLiteral("infiltrazioni dal lastrico"),
                                                       QStringLiteral("condominio contro Edil Tetti srl"),
                                                       QStringLiteral("consulenza tecnica in corso")};
    FinalAccount previous;
    previous.year = 2025;
    FinalAccount::Owner before;
    before.number = 9;
    before.openingCents = 10000;
    before.sharesCents = 11240;
    before.paidCents = 0;
    before.closingCents = 21240;
    previous.owners << before;
    const ReportDocument late = PaymentCertificatePrintout::build(figures, previous, note, *m_state, administrator, 9, today);
    QCOMPARE(late.tableCount(), 1);
    QCOMPARE(ReportContents::tableRow(late.table(1), 2).mid(2), QStringList({"100,00", "112,40", "0,00", "212,40"}));
    QCOMPARE(ReportContents::tableRow(late.table(1), 3).mid(2), QStringList({"212,40", "2.008,52", "0,00", "2.220,92"}));
    const QString lateText = allText(late);
    QVERIFY(lateText.contains(QStringLiteral("è moroso: deve ancora versare 2.220,92 euro")));
    QVERIFY(lateText.contains(QStringLiteral("- infiltrazioni dal lastrico; parti: condominio contro Edil Tetti srl; "
                                             "stato: consulenza tecnica in corso.")));
    QVERIFY(lateText.contains(QStringLiteral("Data: 09/12/2026")));

    // A year before whose figures do not hold is left out, and the attestation says so.
    previous.blocking << QStringLiteral("giroconto senza il movimento opposto");
    const ReportDocument settled = PaymentCertificatePrintout::build(figures, previous, ExplanatoryNote(), *m_state,
                                                                     administrator, 1, today);
    QCOMPARE(settled.table(1).rows(), 2);
    QCOMPARE(settled.table(1).cell(2, 1), QStringLiteral("2026"));
    const QString settledText = allText(settled);
    QVERIFY(settledText.contains(QStringLiteral("è in regola con i pagamenti")));
    QVERIFY(settledText.contains(QStringLiteral("non è registrata alcuna lite")));
    QVERIFY(settledText.contains(QStringLiteral("I conti dell'esercizio 2025 hanno ancora dati da correggere")));
}

// Each page's lines, as a reader of the PDF sees them: ligatures ("fi") read back as their
// letters, blanks around and empty lines left out.
QList<QStringList> pageLines(const QString &pdf)
{
    QList<QStringList> pages;
    for (const QString &page : PdfReader::pageTexts(pdf)) {
        QStringList lines;
        for (const QString &line : page.normalized(QString::NormalizationForm_KC).split(QLatin1Char('\n')))
            lines << line.trimmed();
        lines.removeAll(QString());
        pages << lines;
    }
    return pages;
}

// Every page reads "Pagina N di M" once, in order, and each part begins a page of its own,
// in our PDF and in the word processor's files as Writer lays them out.
void TestFinalAccountPrintouts::partsStartOnPagesNumberedInOrder()
{
    if (!PdfReader::available())
        QSKIP("poppler-utils (pdftotext, pdffonts) is not installed");
    ReportDocument document = FinalAccountPrintout::build(m_end.figures(m_year, *m_state), m_year.accounts(),
                                                          m_end.inputs().note, *m_state);
    OfficeReader office; // keeps its conversions until the end
    QStringList pdfs = {m_folder.filePath(QStringLiteral("rendiconto.pdf"))};
    QVERIFY(document.saveAs(pdfs.first()));
    if (OfficeReader::available()) {
        const QStringList written = {m_folder.filePath(QStringLiteral("rendiconto-odt.odt")),
                                     m_folder.filePath(QStringLiteral("rendiconto-rtf.rtf"))};
        for (const QString &path : written)
            QVERIFY(document.saveAs(path));
        pdfs << office.convert(written, QStringLiteral("pdf"));
    }
    for (const QString &pdf : pdfs) {
        const QList<QStringList> pages = pageLines(pdf);
        QVERIFY2(pages.size() >= 4, qPrintable(pdf));
        QList<int> starts;
        for (int p = 0; p < pages.size(); ++p) {
            const QString number = QStringLiteral("Pagina %1 di %2").arg(p + 1).arg(pages.size());
            QCOMPARE(pages.at(p).filter(QStringLiteral("Pagina ")), QStringList({number}));
            for (int part = 1; part <= 4; ++part) {
                const int line = int(pages.at(p).indexOf(FinalAccountPrintout::partHeading(part)));
                // Only the first page has something above its part: the rendiconto's title.
                if (line >= 0 && (line == 0 || p == 0))
                    starts << part;
            }
        }
        QCOMPARE(starts, QList<int>({1, 2, 3, 4}));
    }
}

QTEST_MAIN(TestFinalAccountPrintouts)
#include "tst_finalaccountprintouts.moc"
