#include "library/registry/coefficienttables.h"
#include "support/coefficientreference.h"

#include <QtTest>

using namespace veltra;

class TestCoefficientTables : public QObject
{
    Q_OBJECT

private slots:
    void sevenTablesInButtonOrder();
    void everyRowNoteAndTitleAsWritten_data();
    void everyRowNoteAndTitleAsWritten();
    void closeToolTipsNameTheCoefficient();
};

void TestCoefficientTables::sevenTablesInButtonOrder()
{
    const QList<CoefficientTable> &tables = coefficientTables();
    QCOMPARE(tables.size(), 7);
    for (int i = 0; i < tables.size(); ++i) {
        QCOMPARE(int(tables.at(i).kind), i);
        QCOMPARE(&coefficientTable(CoefficientKind(i)), &tables.at(i));
    }
    QCOMPARE(coefficientHeading(), QStringLiteral("Criteri di valutazione dei coefficienti "
                                                  "(Circ.Min.LL.PP. n.12480 del 23/3/1966)"));
}

void TestCoefficientTables::everyRowNoteAndTitleAsWritten_data()
{
    QTest::addColumn<int>("kind");
    const QList<CoefficientReference::Window> windows = CoefficientReference::windows();
    for (int i = 0; i < windows.size(); ++i)
        QTest::newRow(qPrintable(windows.at(i).objectName)) << i;
}

void TestCoefficientTables::everyRowNoteAndTitleAsWritten()
{
    QFETCH(int, kind);
    const CoefficientReference::Window expected = CoefficientReference::windows().at(kind);
    const CoefficientTable &table = coefficientTable(CoefficientKind(kind));
    QCOMPARE(table.objectName, expected.objectName);
    QCOMPARE(table.title, expected.title);
    QCOMPARE(table.note, expected.note);
    QCOMPARE(table.columns.size(), expected.columns.size());
    for (int c = 0; c < expected.columns.size(); ++c) {
        QCOMPARE(table.columns.at(c).heading, expected.columns.at(c).heading);
        QCOMPARE(table.columns.at(c).rows, expected.columns.at(c).rows);
    }
}

void TestCoefficientTables::closeToolTipsNameTheCoefficient()
{
    const char16_t *names[] = {u"destinazione", u"piano", u"orientamento", u"prospetto",
                               u"luminosità", u"funzionalità globale", u"volume"};
    for (int i = 0; i < 7; ++i)
        QCOMPARE(coefficientTable(CoefficientKind(i)).closeToolTip,
                 QStringLiteral("cliccare per chiudere la finestra dei coefficienti di ")
                     + QString::fromUtf16(names[i]));
}

QTEST_APPLESS_MAIN(TestCoefficientTables)
#include "tst_coefficienttables.moc"
