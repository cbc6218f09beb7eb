#include "core/numbers/numberfilter.h"
#include "core/state/sharedstate.h"

#include <QtTest>

using namespace veltra;

class TestNumberFilter : public QObject
{
    Q_OBJECT

private slots:
    void filtersTypedText_data();
    void filtersTypedText();
};

void TestNumberFilter::filtersTypedText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("numberOut");
    QTest::addColumn<QString>("numberInAfter");
    QTest::addColumn<bool>("rejected");

    QTest::newRow("empty") << "" << "" << "" << false;
    QTest::newRow("lone comma kept as typed") << "," << "" << "," << false;
    QTest::newRow("decimal comma") << "25,5" << "25,5" << "25,5" << false;
    QTest::newRow("negative") << "-3" << "-3" << "-3" << false;
    QTest::newRow("pasted thousands point dropped") << "1.234,5" << "1234,5" << "1.234,5" << false;
    QTest::newRow("pasted letters and blanks dropped") << "m2 1 2" << "212" << "m2 1 2" << false;
    QTest::newRow("several commas pass") << "1,2,3" << "1,2,3" << "1,2,3" << false;
    QTest::newRow("inner minus passes") << "4-5" << "4-5" << "4-5" << false;
    // A wrong key is refused alone: what came before it stays.
    QTest::newRow("point typed at the end") << "12." << "12" << "12." << true;
    QTest::newRow("letter typed at the end") << "12a" << "12" << "12a" << true;
    QTest::newRow("letter typed first") << "a" << "" << "a" << true;
    QTest::newRow("lone minus") << "-" << "" << "-" << true;
    QTest::newRow("digits of another script") << QString::fromUtf8("\u0661\u0662") << ""
                                              << QString::fromUtf8("\u0661\u0662") << true;
}

void TestNumberFilter::filtersTypedText()
{
    QFETCH(QString, typed);
    QFETCH(QString, numberOut);
    QFETCH(QString, numberInAfter);
    QFETCH(bool, rejected);

    SharedState state;
    state.numberIn = typed;
    state.numberOut = QStringLiteral("stale");

    QCOMPARE(normaliseNumber(state), rejected);
    QCOMPARE(state.numberOut, numberOut);
    QCOMPARE(state.numberIn, numberInAfter);
}

QTEST_GUILESS_MAIN(TestNumberFilter)
#include "tst_numberfilter.moc"
