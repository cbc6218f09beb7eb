#include "core/expenses/expenseallocation.h"
#include "core/registry/millesimalcomputation.h"
#include "core/state/sharedstate.h"
#include "reports/document/odtrenderer.h"
#include "reports/document/reportdocument.h"
#include "reports/document/tablelayout.h"
#include "reports/expenses/expensestatementprintout.h"
#include "reports/expenses/paymentnoticesprintout.h"
#include "reports/registry/millesimaltableprintout.h"
#include "support/officereader.h"
#include "support/registryfixture.h"

#include <QtTest>

#include <memory>
#include <numeric>

using namespace veltra;

namespace {

double total(const QVector<double> &widths)
{
    return std::accumulate(widths.cbegin(), widths.cend(), 0.0);
}

// A table of an owner's number, a long name and an amount, as many rows as names.
ReportTable ownerTable(const QStringList &names, const QString &amount)
{
    ReportTable table(int(names.size()) + 1, 3, 8);
    table.setCell(1, 1, QStringLiteral("n."));
    table.setCell(1, 2, QStringLiteral("nome"));
    table.setCell(1, 3, QStringLiteral("spesa"));
    for (int row = 2; row <= table.rows(); ++row) {
        table.setCell(row, 1, QString::number(row - 1));
        table.setCell(row, 2, names.at(row - 2));
        table.setCell(row, 3, amount);
    }
    return table;
}

QString longName(int i)
{
    return QStringLiteral("Bartolomeo Castelfranchi Della Gherardesca Spinola De Ferrari %1").arg(i);
}

QString longAddress(int i)
{
    return QStringLiteral("via dei Santi Apostoli Pietro e Paolo %1, scala B, interno %2, "
                          "Reggio nell'Emilia").arg(i).arg(i % 40 + 1);
}

// The 500 owners with long names and addresses, one unit each, and item 1 of 12.345,67
// euro under the stairs rule; every owner but the first and the last has paid.
void fillLargeCondominium(SharedState &state)
{
    RegistryFixture::fillRegistry(state, MaxOwners, 1);
    for (int i = 1; i <= MaxOwners; ++i) {
        state.owner(i).ownerName = longName(i);
        state.owner(i).ownerAddress = longAddress(i);
        state.owner(i).takesPart = 1;
        state.owner(i).paymentDate = QStringLiteral("15/01/2026");
    }
    state.owner(1).paymentDate.clear();
    state.owner(MaxOwners).paymentDate.clear();
    QVERIFY(recomputeTables(state));
    initExpenseInputs(state);
    state.item(1).expenseAmount = QStringLiteral("12.345,67");
    state.item(1).expenseType = QStringLiteral("rifacimento delle scale e manutenzione ascensore");
    state.item(1).expenseDate = QStringLiteral("10/01/2026");
    state.calcType = StairsArt1124;
    allocateExpense(state, 1);
}

// Every text of the given columns of the document's tables, heading rows left out.
QStringList cellTexts(const ReportDocument &document, const QList<int> &columns)
{
    QStringList texts;
    for (int t = 1; t <= document.tableCount(); ++t) {
        const ReportTable &table = document.table(t);
        if (table.columns() < columns.last())
            continue;
        for (int row = 2; row <= table.rows(); ++row) {
            for (int column : columns) {
                if (!table.cell(row, column).isEmpty())
                    texts << table.cell(row, column);
            }
        }
    }
    return texts;
}

} // namespace

class TestTableLayout : public QObject
{
    Q_OBJECT

private slots:
    void aTableThatFitsKeepsEveryLineWhole();
    void onlyLongTextsGiveWayWhenTheTableIsTooWide();
    void aWordIsNeverNarrowerThanItsColumn();
    void amountsAndMillesimiOfALargeCondominiumStayOnOneLine();
};

void TestTableLayout::aTableThatFitsKeepsEveryLineWhole()
{
    const ReportTable table = ownerTable({QStringLiteral("Rossi Mario")}, QStringLiteral("1.234,50"));
    const QVector<double> widths = TableLayout::columnWidths(table);
    QCOMPARE(widths.size(), 3);
    QVERIFY(total(widths) < PageGeometry::TextWidth);
    QVERIFY(widths[1] >= TableLayout::textWidth(QStringLiteral("Rossi Mario"), 8, false));
    QVERIFY(widths[2] >= TableLayout::textWidth(QStringLiteral("1.234,50"), 8, false));
    // As wide as its contents, not stretched to the page.
    QVERIFY(widths[2] < 2 * TableLayout::textWidth(QStringLiteral("1.234,50"), 8, false) + 20);
}

void TestTableLayout::onlyLongTextsGiveWayWhenTheTableIsTooWide()
{
    QStringList names;
    for (int i = 1; i <= 3; ++i)
        names << longName(i) + QLatin1Char(' ') + longAddress(i);
    const ReportTable table = ownerTable(names, QStringLiteral("123.456,78"));
    const QVector<double> widths = TableLayout::columnWidths(table);
    QVERIFY(qAbs(total(widths) - PageGeometry::TextWidth) < 0.01);
    // The number and the amount keep their whole width; the name takes what is left.
    QVERIFY(widths[0] >= TableLayout::textWidth(QStringLiteral("n."), 8, true));
    QVERIFY(widths[2] >= TableLayout::textWidth(QStringLiteral("123.456,78"), 8, false));
    QVERIFY(widths[1] < TableLayout::textWidth(names.first(), 8, false));
    QVERIFY(widths[1] > widths[2]);
}

void TestTableLayout::aWordIsNeverNarrowerThanItsColumn()
{
    // Fourteen columns of long unbreakable figures are wider than the page together: the
    // table then runs past the margin rather than break a figure.
    ReportTable table(2, 14, 10);
    for (int column = 1; column <= 14; ++column) {
        table.setCell(1, column, QStringLiteral("importo"));
        table.setCell(2, column, QStringLiteral("1.234.567,89"));
    }
    const QVector<double> widths = TableLayout::columnWidths(table);
    for (double width : widths)
        QVERIFY(width >= TableLayout::textWidth(QStringLiteral("1.234.567,89"), 10, false));
    QVERIFY(total(widths) > PageGeometry::TextWidth);
}

// Rendered by LibreOffice to PDF and read back as text: a figure broken across two lines
// would read as two pieces, and the whole figure would be missing from the text.
void TestTableLayout::amountsAndMillesimiOfALargeCondominiumStayOnOneLine()
{
    if (!OfficeReader::available()
        || QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("LibreOffice (soffice) or pdftotext is not installed");
    auto state = std::make_unique<SharedState>();
    fillLargeCondominium(*state);
    const ReportDocument notices = PaymentNoticesPrintout::build(*state, 1, QDate(2026, 1, 20));
    const ReportDocument statement =
        ExpenseStatementPrintout::build(*state, 1, ManagementType::Spese);
    const ReportDocument millesimal = MillesimalTablePrintout::build(*state);
    // Shares; property, use and floor millesimi; the millesimal table's three columns.
    const QList<QStringList> figures = {cellTexts(notices, {6, 7, 11}),
                                        cellTexts(statement, {6, 7, 11}),
                                        cellTexts(millesimal, {5, 6, 7})};
    QCOMPARE(figures[0].size(), 2 * 3 * MaxOwners);
    QCOMPARE(figures[1].size(), 3 * MaxOwners);
    QVERIFY(figures[2].size() >= 3 * MaxOwners);

    // Long names and addresses wrap, so every table stays within the page.
    const QList<const ReportDocument *> documents = {&notices, &statement, &millesimal};
    for (const ReportDocument *document : documents) {
        for (int t = 1; t <= document->tableCount(); ++t)
            QVERIFY(total(TableLayout::columnWidths(document->table(t))) <= PageGeometry::TextWidth + 0.01);
    }

    QTemporaryDir folder;
    QStringList files;
    for (int d = 0; d < documents.size(); ++d) {
        files << folder.filePath(QStringLiteral("stampa%1.odt").arg(d + 1));
        QVERIFY(OdtRenderer::write(*documents[d], files.last()));
    }
    OfficeReader office;
    const QStringList pdfs = office.convert(files, QStringLiteral("pdf"));
    for (int d = 0; d < pdfs.size(); ++d) {
        QVERIFY2(!pdfs[d].isEmpty(), qPrintable(files[d]));
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {pdfs[d], QStringLiteral("-")});
        QVERIFY(text.waitForFinished(120000));
        QHash<QString, int> words;
        const QString read = QString::fromUtf8(text.readAllStandardOutput());
        for (const QString &word : read.split(QRegularExpression(QStringLiteral("\\s+")),
                                              Qt::SkipEmptyParts))
            ++words[word];
        QHash<QString, int> expected;
        for (const QString &figure : figures[d])
            ++expected[figure];
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            QVERIFY2(words.value(it.key()) >= it.value(),
                     qPrintable(QStringLiteral("%1: \"%2\" whole %3 times of %4")
                                    .arg(files[d], it.key())
                                    .arg(words.value(it.key()))
                                    .arg(it.value())));
    }
}

QTEST_GUILESS_MAIN(TestTableLayout)
#include "tst_tablelayout.moc"
