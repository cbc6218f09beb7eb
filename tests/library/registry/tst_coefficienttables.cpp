#include "library/registry/coefficienttables.h"

#include <QSet>
#include <QtTest>

using namespace veltra;

class TestCoefficientTables : public QObject
{
    Q_OBJECT

private slots:
    void sevenTablesInButtonOrder();
    void rowsPerColumn_data();
    void rowsPerColumn();
    void everyRowEndsWithItsValue();
    void closeToolTipsNameTheCoefficient();
};

void TestCoefficientTables::sevenTablesInButtonOrder()
{
    const QList<CoefficientTable> &tables = coefficientTables();
    QCOMPARE(tables.size(), 7);
    QStringList names;
    for (int i = 0; i < tables.size(); ++i) {
        QCOMPARE(int(tables.at(i).kind), i);
        QCOMPARE(&coefficientTable(CoefficientKind(i)), &tables.at(i));
        QVERIFY(!tables.at(i).note.isEmpty());
        names << tables.at(i).objectName;
    }
    QCOMPARE(names, QStringList({"coeffdestinazione", "coeffpiano", "coefforientamento",
                                 "coeffprospetto", QStringLiteral(u"coeffluminosità"),
                                 "coeffglobale", "coeffvolume"}));
}

void TestCoefficientTables::rowsPerColumn_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QStringList>("headings");
    QTest::newRow("destinazione") << 0 << QList<int>{10} << QStringList{QString()};
    QTest::newRow("piano") << 1 << QList<int>{5, 6}
                           << QStringList{"Fabbricati con ascensore", "Fabbricati senza ascensore"};
    QTest::newRow("orientamento") << 2 << QList<int>{4} << QStringList{QString()};
    QTest::newRow("prospetto") << 3 << QList<int>{5} << QStringList{QString()};
    QTest::newRow("luminosita") << 4 << QList<int>{6} << QStringList{QString()};
    QTest::newRow("globale") << 5 << QList<int>() << QStringList();
    QTest::newRow("volume") << 6 << QList<int>() << QStringList();
}

void TestCoefficientTables::rowsPerColumn()
{
    QFETCH(int, kind);
    QFETCH(QList<int>, rows);
    QFETCH(QStringList, headings);
    const CoefficientTable &table = coefficientTable(CoefficientKind(kind));

    QList<int> counts;
    QStringList shownHeadings;
    for (const CoefficientColumn &column : table.columns) {
        counts << int(column.rows.size());
        shownHeadings << column.heading;
    }
    QCOMPARE(counts, rows);
    QCOMPARE(shownHeadings, headings);
}

void TestCoefficientTables::everyRowEndsWithItsValue()
{
    const QRegularExpression row(QStringLiteral(R"(^ *\d+\) .+\.{5,}.*\d,\d+$)"));
    for (const CoefficientTable &table : coefficientTables()) {
        for (const CoefficientColumn &column : table.columns) {
            for (int r = 0; r < column.rows.size(); ++r) {
                const QString &text = column.rows.at(r);
                QVERIFY2(row.match(text).hasMatch(), qPrintable(text));
                QVERIFY2(text.trimmed().startsWith(QString::number(r + 1) + QLatin1Char(')')),
                         qPrintable(text));
            }
        }
    }
}

void TestCoefficientTables::closeToolTipsNameTheCoefficient()
{
    QCOMPARE(coefficientTable(CoefficientKind::Light).closeToolTip,
             QStringLiteral(u"cliccare per chiudere la finestra dei coefficienti di luminosità"));
    QCOMPARE(coefficientTable(CoefficientKind::Function).closeToolTip,
             QStringLiteral(u"cliccare per chiudere la finestra dei coefficienti di "
                            u"funzionalità globale"));
    QSet<QString> distinct;
    for (const CoefficientTable &table : coefficientTables())
        distinct.insert(table.closeToolTip);
    QCOMPARE(distinct.size(), 7);
}

QTEST_APPLESS_MAIN(TestCoefficientTables)
#include "tst_coefficienttables.moc"
