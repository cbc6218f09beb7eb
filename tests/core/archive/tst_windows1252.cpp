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
    void everyCharacterOf0x80To0x9F_data();
    void everyCharacterOf0x80To0x9F();
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

// The 27 characters the code page puts where Latin-1 has control characters, written out
// from the code page's published table.
void TestWindows1252::everyCharacterOf0x80To0x9F_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("codePoint");
    const std::pair<int, int> table[] = {
        {0x80, 0x20AC}, {0x82, 0x201A}, {0x83, 0x0192}, {0x84, 0x201E}, {0x85, 0x2026},
        {0x86, 0x2020}, {0x87, 0x2021}, {0x88, 0x02C6}, {0x89, 0x2030}, {0x8A, 0x0160},
        {0x8B, 0x2039}, {0x8C, 0x0152}, {0x8E, 0x017D}, {0x91, 0x2018}, {0x92, 0x2019},
        {0x93, 0x201C}, {0x94, 0x201D}, {0x95, 0x2022}, {0x96, 0x2013}, {0x97, 0x2014},
        {0x98, 0x02DC}, {0x99, 0x2122}, {0x9A, 0x0161}, {0x9B, 0x203A}, {0x9C, 0x0153},
        {0x9E, 0x017E}, {0x9F, 0x0178}};
    for (const auto &[byte, codePoint] : table)
        QTest::addRow("0x%X", byte) << byte << codePoint;
}

void TestWindows1252::everyCharacterOf0x80To0x9F()
{
    QFETCH(int, byte);
    QFETCH(int, codePoint);
    const QByteArray bytes(1, char(byte));
    const QString text{QChar(char16_t(codePoint))};
    QCOMPARE(Windows1252::decode(bytes), text);
    qsizetype unwritable = 0;
    QCOMPARE(Windows1252::encode(text, &unwritable), bytes);
    QCOMPARE(unwritable, qsizetype(-1));
    // Its Latin-1 namesake is a control character the code page cannot hold.
    QVERIFY(!Windows1252::canEncode(QChar(char16_t(byte))));
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
