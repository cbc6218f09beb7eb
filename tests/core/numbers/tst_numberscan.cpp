#include "core/numbers/numberscan.h"
#include "core/numbers/numbertext.h"

#include <QtTest>

using namespace veltra;

class TestNumberScan : public QObject
{
    Q_OBJECT

private slots:
    void readsLikeNumberText_data();
    void readsLikeNumberText();
    void readsExpectedValues();
};

void TestNumberScan::readsLikeNumberText_data()
{
    QTest::addColumn<QString>("text");
    const char *texts[] = {"", ",", "-", "+", "0", "-0", "25,5", "0,9", ",5", "-,5", "5,",
                           "1.234,56", ".-5", "-.5", "1,2,3", "4-5", "--5", "+7", "5+",
                           " 12,5 ", "1 2", "abc", "12a", "0,1", "0,29", "1,15",
                           "123456789012345678901234567890", "0,000000000000000000000000001",
                           "9007199254740993", "1,7976931348623157", "0000012,50000"};
    for (const char *text : texts)
        QTest::newRow(text[0] ? text : "(empty)") << QString::fromLatin1(text);
    QTest::newRow("arabic digits") << QString::fromUtf8("\u0661\u0662");
}

// The fast reader of the computation must never disagree with the reader of the rest of
// the system, or the tables would differ from what the user sees elsewhere.
void TestNumberScan::readsLikeNumberText()
{
    QFETCH(QString, text);
    const std::optional<double> expected = NumberText::read(text);
    const std::optional<double> actual = NumberScan::readComma(text);
    QCOMPARE(actual.has_value(), expected.has_value());
    if (expected) {
        QCOMPARE(actual.value(), expected.value());
        QCOMPARE(std::signbit(actual.value()), std::signbit(expected.value()));
    }
}

void TestNumberScan::readsExpectedValues()
{
    QCOMPARE(NumberScan::readComma(u"25,5").value(), 25.5);
    QCOMPARE(NumberScan::readComma(u"1.234,5").value(), 1234.5);
    QCOMPARE(NumberScan::readComma(u",25").value(), 0.25);
    QCOMPARE(NumberScan::readComma(u"-0,9").value(), -0.9);
    QVERIFY(!NumberScan::readComma(u"1,2,3"));
    QVERIFY(!NumberScan::readComma(u"4-5"));
    QVERIFY(!NumberScan::readComma(u""));
}

QTEST_GUILESS_MAIN(TestNumberScan)
#include "tst_numberscan.moc"
