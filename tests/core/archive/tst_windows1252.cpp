#include "core/archive/windows1252.h"

#include <QtTest>

using namespace veltra;

class TestWindows1252 : public QObject
{
    Q_OBJECT

private slots:
    void everyByteComesBackUnchanged();
    void decodesWindowsCharacters_data();
    void decodesWindowsCharacters();
    void refusesCharactersOutsideTheCodePage();
};

void TestWindows1252::everyByteComesBackUnchanged()
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(char(byte));
    const QString text = Windows1252::decode(all);
    QCOMPARE(text.size(), 256);
    qsizetype unwritable = 0;
    QCOMPARE(Windows1252::encode(text, &unwritable), all);
    QCOMPARE(unwritable, qsizetype(-1));
}

void TestWindows1252::decodesWindowsCharacters_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("euro") << QByteArray("\x80") << QString(QChar(0x20AC));
    QTest::newRow("accented vowels") << QByteArray("citt\xE0 perch\xE9 pi\xF9")
                                     << QString::fromUtf8("città perché più");
    QTest::newRow("typographic quotes") << QByteArray("\x93s\xEC\x94")
                                        << QString::fromUtf8("\u201Csì\u201D");
    QTest::newRow("dash and ellipsis") << QByteArray("\x96\x85") << QString::fromUtf8("\u2013\u2026");
    QTest::newRow("letters of 0x8A-0x9F") << QByteArray("\x8A\x8C\x9A\x9C\x9F")
                                          << QString::fromUtf8("ŠŒšœŸ");
    QTest::newRow("undefined byte kept") << QByteArray("\x81") << QString(QChar(0x81));
}

void TestWindows1252::decodesWindowsCharacters()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(Windows1252::decode(bytes), text);
    QCOMPARE(Windows1252::encode(text), bytes);
}

void TestWindows1252::refusesCharactersOutsideTheCodePage()
{
    qsizetype unwritable = -1;
    QCOMPARE(Windows1252::encode(QString::fromUtf8("Łódź"), &unwritable), QByteArray());
    QCOMPARE(unwritable, qsizetype(0));
    QCOMPARE(Windows1252::encode(QString::fromUtf8("ab\u20AC\u20B9"), &unwritable), QByteArray());
    QCOMPARE(unwritable, qsizetype(3));
    // U+0080 has no byte: 0x80 is the euro sign.
    QVERIFY(!Windows1252::canEncode(QChar(0x80)));
    QVERIFY(Windows1252::canEncode(QChar(0x20AC)));
    QVERIFY(Windows1252::canEncode(QChar(0xFF)));
    QVERIFY(!Windows1252::canEncode(QChar(0x100)));
}

QTEST_GUILESS_MAIN(TestWindows1252)
#include "tst_windows1252.moc"
