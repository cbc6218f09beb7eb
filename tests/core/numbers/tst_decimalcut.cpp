#include "core/numbers/decimalcut.h"

#include <QTest>

using namespace veltra;

class TestDecimalCut : public QObject
{
    Q_OBJECT

private slots:
    void cutsByTheDecimalFigure_data();
    void cutsByTheDecimalFigure();
};

void TestDecimalCut::cutsByTheDecimalFigure_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("expected");
    // Each value below is a binary product or sum that falls a hair under its decimal figure.
    QTest::newRow("1,15") << 1.15 << 2 << 1.15;
    QTest::newRow("28 x 0,95") << 28 * 0.95 << 2 << 26.6;
    QTest::newRow("6 x 0,30") << 6 * 0.30 << 2 << 1.8;
    QTest::newRow("70,2 + 41,9 + 29,7 + 14,9") << 70.2 + 41.9 + 29.7 + 14.9 << 1 << 156.7;
    // A figure with more decimals is still cut, never rounded.
    QTest::newRow("10,999") << 10.999 << 2 << 10.99;
    QTest::newRow("13,0815") << 20 * 0.9 * 0.95 * 0.85 * 0.9 << 2 << 13.08;
    QTest::newRow("156,79") << 156.79 << 1 << 156.7;
    QTest::newRow("large surface") << 123456.78 * 0.95 << 2 << 117283.94;
    QTest::newRow("zero") << 0.0 << 2 << 0.0;
}

void TestDecimalCut::cutsByTheDecimalFigure()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(double, expected);
    QCOMPARE(DecimalCut::cut(value, decimals), expected);
}

QTEST_APPLESS_MAIN(TestDecimalCut)
#include "tst_decimalcut.moc"
