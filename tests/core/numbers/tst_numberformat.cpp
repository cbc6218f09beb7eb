#include "core/state/cell.h"
#include "core/numbers/numberformat.h"

#include <QtTest>

using namespace veltra;

class TestNumberFormat : public QObject
{
    Q_OBJECT

private slots:
    void formatsByPattern_data();
    void formatsByPattern();
    void formatsTypedText_data();
    void formatsTypedText();
    void formatsCells();
};

void TestNumberFormat::formatsByPattern_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");

    QTest::newRow("millesimi") << 333.3333 << "##0.000" << "333,333";
    QTest::newRow("millesimi below one") << 0.5 << "##0.000" << "0,500";
    QTest::newRow("millesimi zero") << 0.0 << "##0.000" << "0,000";
    QTest::newRow("millesimi round up carries") << 999.9996 << "##0.000" << "1000,000";
    QTest::newRow("thousand no grouping") << 1234.5 << "###0.00" << "1234,50";
    QTest::newRow("surface 25,5") << 25.5 << "###0.00" << "25,50";
    QTest::newRow("coefficient 1") << 1.0 << "0.00" << "1,00";
    QTest::newRow("typed decimal 2.675 half up") << 2.675 << "0.00" << "2,68";
    QTest::newRow("typed decimal 1.005 half up") << 1.005 << "0.00" << "1,01";
    QTest::newRow("half away from zero negative") << -2.675 << "0.00" << "-2,68";
    QTest::newRow("0.125 three places") << 0.1255 << "##0.000" << "0,126";
    QTest::newRow("just below half") << 0.1249999 << "0.00" << "0,12";
    QTest::newRow("tiny rounds to one hundredth") << 0.005 << "0.00" << "0,01";
    QTest::newRow("tiny rounds to zero") << 0.004 << "0.00" << "0,00";
    QTest::newRow("negative that rounds to zero has no minus") << -0.001 << "0.00" << "0,00";
    QTest::newRow("euro grouping") << 1234.5 << "##,##0.00" << "1.234,50";
    QTest::newRow("euro millions") << 1234567.891 << "##,##0.00" << "1.234.567,89";
    QTest::newRow("euro below thousand") << 999.999 << "##,##0.00" << "1.000,00";
    QTest::newRow("euro negative") << -1234.5 << "##,##0.00" << "-1.234,50";
    QTest::newRow("euro small") << 7.0 << "##,##0.00" << "7,00";
    QTest::newRow("large value") << 1e17 << "##,##0.00" << "100.000.000.000.000.000,00";
}

void TestNumberFormat::formatsByPattern()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(formatNumber(value, pattern), expected);
}

void TestNumberFormat::formatsTypedText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");

    QTest::newRow("comma decimal") << "25,5" << "###0.00" << "25,50";
    QTest::newRow("whole number") << "1" << "0.00" << "1,00";
    QTest::newRow("thousands point") << "1.234,5" << "##,##0.00" << "1.234,50";
    QTest::newRow("typed half") << "2,675" << "0.00" << "2,68";
    QTest::newRow("negative") << "-0,5" << "0.00" << "-0,50";
    QTest::newRow("unreadable as typed") << "0,50-0,35" << "0.00" << "0,50-0,35";
    QTest::newRow("word as typed") << "circa" << "###0.00" << "circa";
    QTest::newRow("empty stays empty") << "" << "0.00" << "";
}

void TestNumberFormat::formatsTypedText()
{
    QFETCH(QString, typed);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(formatNumberText(typed, pattern), expected);
}

void TestNumberFormat::formatsCells()
{
    QCOMPARE(formatCell(Cell::fromNumber(83.3335), NumberFormat::MillesimiPattern), QStringLiteral("83,334"));
    QCOMPARE(formatCell(Cell::fromText(QStringLiteral("120,5")), NumberFormat::MillesimiPattern),
             QStringLiteral("120,500"));
    QCOMPARE(formatCell(Cell(), NumberFormat::MillesimiPattern), QString());
}

QTEST_GUILESS_MAIN(TestNumberFormat)
#include "tst_numberformat.moc"
