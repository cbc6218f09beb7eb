#include "core/numbers/cachednumber.h"

#include <QtTest>

using namespace veltra;

class TestCachedNumber : public QObject
{
    Q_OBJECT

private slots:
    void readsLikeATypedNumber();
    void textChangedInPlaceIsReadAgain();
    void sameTextInAnotherBufferGivesSameValue();
};

void TestCachedNumber::readsLikeATypedNumber()
{
    CachedNumber cache;
    QCOMPARE(cache.read(QString::fromLatin1("1.234,5")), std::optional<double>(1234.5));
    QCOMPARE(cache.read(QString()), std::nullopt);
    QCOMPARE(cache.read(QString::fromLatin1("1,2,3")), std::nullopt);
    QCOMPARE(cache.read(QString::fromLatin1(",5")), std::optional<double>(0.5));
}

// The typed text is the cell itself: editing it where it stands must not leave the cache
// answering with the old number.
void TestCachedNumber::textChangedInPlaceIsReadAgain()
{
    CachedNumber cache;
    QString surface = QString::fromLatin1("10");
    QCOMPARE(cache.read(surface), std::optional<double>(10));
    surface[0] = QLatin1Char('2');
    QCOMPARE(cache.read(surface), std::optional<double>(20));
    surface.append(QLatin1Char('5'));
    QCOMPARE(cache.read(surface), std::optional<double>(205));
    surface.chop(2);
    QCOMPARE(cache.read(surface), std::optional<double>(2));
    surface = QString::fromLatin1("x");
    QCOMPARE(cache.read(surface), std::nullopt);
}

void TestCachedNumber::sameTextInAnotherBufferGivesSameValue()
{
    CachedNumber cache;
    QCOMPARE(cache.read(QString::fromLatin1("0,95")), std::optional<double>(0.95));
    QCOMPARE(cache.read(QString::fromLatin1("0,95")), std::optional<double>(0.95));
    QCOMPARE(cache.read(QString::fromLatin1("0,90")), std::optional<double>(0.90));
}

QTEST_GUILESS_MAIN(TestCachedNumber)
#include "tst_cachednumber.moc"
