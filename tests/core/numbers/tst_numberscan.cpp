#include "core/numbers/numberscan.h"
#include "core/numbers/numbertext.h"

#include <QtTest>

#include <cmath>
#include <optional>

using namespace veltra;

Q_DECLARE_METATYPE(std::optional<double>)

class TestNumberScan : public QObject
{
    Q_OBJECT

private slots:
    void bothReadersGiveTheTypedValue_data();
    void bothReadersGiveTheTypedValue();
};

void TestNumberScan::bothReadersGiveTheTypedValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<double>>("expected");
    const std::optional<double> none;
    const auto row = [](const char *name, const QString &text, std::optional<double> value) {
        QTest::newRow(name) << text << value;
    };
    const auto latin = [](const char *text) { return QString::fromLatin1(text); };

    row("(empty)", QString(), none);
    row(",", latin(","), none);
    row("-", latin("-"), none);
    row("+", latin("+"), none);
    row("0", latin("0"), 0.0);
    row("-0", latin("-0"), -0.0);
    row("25,5", latin("25,5"), 25.5);
    row("0,9", latin("0,9"), 0.9);
    row(",5", latin(",5"), 0.5);
    row("-,5", latin("-,5"), -0.5);
    row("5,", latin("5,"), 5.0);
    row("1.234,56", latin("1.234,56"), 1234.56);
    row("1.000.000", latin("1.000.000"), 1000000.0);
    row("-1.234,5", latin("-1.234,5"), -1234.5);
    // Points separate thousands wherever they stand, so they vanish before the sign is read.
    row(".-5", latin(".-5"), -5.0);
    row("-.5", latin("-.5"), -5.0);
    row("1,2,3", latin("1,2,3"), none);
    row("4-5", latin("4-5"), none);
    row("--5", latin("--5"), none);
    row("+7", latin("+7"), 7.0);
    row("5+", latin("5+"), none);
    row("blanks around", latin(" 12,5 "), 12.5);
    row("1 2", latin("1 2"), none);
    row("abc", latin("abc"), none);
    row("12a", latin("12a"), none);
    row("0,1", latin("0,1"), 0.1);
    row("0,29", latin("0,29"), 0.29);
    row("1,15", latin("1,15"), 1.15);
    row("0000012,50000", latin("0000012,50000"), 12.5);
    row("1,7976931348623157", latin("1,7976931348623157"), 1.7976931348623157);
    row("0,000000000000000000000000001", latin("0,000000000000000000000000001"), 1e-27);
    // Beyond 2^53 the nearest double, as the compiler rounds the same literal.
    row("9007199254740993", latin("9007199254740993"), 9007199254740993.0);
    row("30 digits", latin("123456789012345678901234567890"), 123456789012345678901234567890.0);
    // A figure no double can hold, and digits of other scripts, are no number at all:
    // they would otherwise read as infinity or 0.
    row("400 digits", QString(400, QLatin1Char('9')), none);
    row("arabic digits", QString::fromUtf8("\u0661\u0662"), none);
    row("fullwidth digits", QString::fromUtf8("\uFF11\uFF12,5"), none);
}

// The fast reader of the computation and the reader of the rest of the system must both
// give what the user typed, or the tables would differ from what he sees elsewhere.
void TestNumberScan::bothReadersGiveTheTypedValue()
{
    QFETCH(QString, text);
    QFETCH(std::optional<double>, expected);
    const std::optional<double> readers[] = {NumberText::read(text), NumberScan::readComma(text)};
    for (const std::optional<double> &actual : readers) {
        QCOMPARE(actual.has_value(), expected.has_value());
        if (expected) {
            QCOMPARE(actual.value(), expected.value());
            QCOMPARE(std::signbit(actual.value()), std::signbit(expected.value()));
        }
    }
}

QTEST_GUILESS_MAIN(TestNumberScan)
#include "tst_numberscan.moc"
