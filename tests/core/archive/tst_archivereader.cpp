#include "core/archive/archivereader.h"
#include "core/archive/archivewriter.h"

#include <QtTest>

#include <sys/stat.h>

using namespace veltra;

class TestArchiveReader : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip();
    void readsWindowsBytes();
    void readsAFileSavedAsUtf8AsUtf8_data();
    void readsAFileSavedAsUtf8AsUtf8();
    void acceptsNumbersWithoutLeadingDigit_data();
    void acceptsNumbersWithoutLeadingDigit();
    void readsCells();
    void unreadableNumberInACellFails_data();
    void unreadableNumberInACellFails();
    void acceptsOtherLineEnds();
    void failsOnMalformedInput_data();
    void failsOnMalformedInput();
    void failureIsStickyAndKeepsWhatWasRead();
    void invalidBytesReadAsTextAndComeBackUnchanged();
    void opensWholeFile();
    void refusesWhatIsNoArchiveFileAndNamesWhy();
};

void TestArchiveReader::roundTrip()
{
    ArchiveWriter writer;
    writer.writeText(QString::fromUtf8("Società «Il Faro», 2° piano – €"));
    writer.writeNumber(-0.125);
    writer.writeInteger(-7);
    writer.writeText(QString());
    writer.endRecord();
    writer.writeNumber(1234567.875);
    writer.endRecord();

    ArchiveReader reader(writer.bytes());
    QCOMPARE(reader.readText(), QString::fromUtf8("Società «Il Faro», 2° piano – €"));
    QCOMPARE(reader.readNumber(), -0.125);
    QCOMPARE(reader.readInteger(), -7);
    QCOMPARE(reader.readText(), QString());
    reader.endRecord();
    QCOMPARE(reader.readNumber(), 1234567.875);
    reader.endRecord();
    QVERIFY(reader.ok());
    QVERIFY(reader.atEnd());
}

// Written by hand as the files of the Windows program hold them.
void TestArchiveReader::readsWindowsBytes()
{
    ArchiveReader reader(QByteArray("\"Citt\xE0 di Castello\",\"Perch\xE9 \x80 5\"\r\n"));
    QCOMPARE(reader.readText(), QString::fromUtf8("Città di Castello"));
    QCOMPARE(reader.readText(), QString::fromUtf8("Perché € 5"));
    reader.endRecord();
    QVERIFY(reader.ok());
}

// An administrator who edits an archive in a modern editor saves it as UTF-8.
void TestArchiveReader::readsAFileSavedAsUtf8AsUtf8_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("UTF-8") << QByteArray("\"Nicol\xC3\xB2 Fabbr\xC3\xAC\",\"\xE2\x82\xAC 5\"\r\n")
                           << QString::fromUtf8("Nicolò Fabbrì") << QString::fromUtf8("€ 5");
    QTest::newRow("UTF-8 with byte order mark")
        << QByteArray("\xEF\xBB\xBF\"Nicol\xC3\xB2\",\"via Roma\"\r\n")
        << QString::fromUtf8("Nicolò") << QStringLiteral("via Roma");
    QTest::newRow("byte order mark on plain letters")
        << QByteArray("\xEF\xBB\xBF\"Rossi\",\"via Roma\"\r\n")
        << QStringLiteral("Rossi") << QStringLiteral("via Roma");
    // Not UTF-8 as a whole: one stray Windows byte makes the file Windows-1252 throughout.
    QTest::newRow("Windows bytes beside a UTF-8 look-alike")
        << QByteArray("\"Citt\xE0\",\"Nicol\xC3\xB2\"\r\n")
        << QString::fromUtf8("Città") << QString::fromUtf8("NicolÃ²");
}

void TestArchiveReader::readsAFileSavedAsUtf8AsUtf8()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, first);
    QFETCH(QString, second);
    ArchiveReader reader(bytes);
    QCOMPARE(reader.readText(), first);
    QCOMPARE(reader.readText(), second);
    reader.endRecord();
    QVERIFY(reader.ok());
    QVERIFY(reader.atEnd());
}

void TestArchiveReader::acceptsNumbersWithoutLeadingDigit_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<double>("value");
    QTest::newRow(".5") << QByteArray(".5") << 0.5;
    QTest::newRow("-.5") << QByteArray("-.5") << -0.5;
    QTest::newRow("5.") << QByteArray("5.") << 5.0;
    QTest::newRow("exponent") << QByteArray("1E+20") << 1e20;
    QTest::newRow("blanks around") << QByteArray(" 333.333 ") << 333.333;
    QTest::newRow("empty") << QByteArray("") << 0.0;
}

void TestArchiveReader::acceptsNumbersWithoutLeadingDigit()
{
    QFETCH(QByteArray, field);
    QFETCH(double, value);
    ArchiveReader reader(field + "\r\n");
    QCOMPARE(reader.readNumber(), value);
    reader.endRecord();
    QVERIFY(reader.ok());
}

void TestArchiveReader::readsCells()
{
    ArchiveReader reader(QByteArray("\"125,5\",333.333,,\"\"\r\n"));
    QCOMPARE(reader.readCell(), Cell::fromText(QStringLiteral("125,5")));
    QCOMPARE(reader.readCell(), Cell::fromNumber(333.333));
    QVERIFY(reader.readCell().isEmpty());
    QVERIFY(reader.readCell().isEmpty());
    reader.endRecord();
    QVERIFY(reader.ok());
}

// An unquoted field of a cell is a number: one that cannot be read is a damaged file, not
// a text typed by the user.
void TestArchiveReader::unreadableNumberInACellFails_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("letters after digits") << QByteArray("444x");
    QTest::newRow("letters") << QByteArray("abc");
    QTest::newRow("two points") << QByteArray("1.2.3");
    QTest::newRow("two signs") << QByteArray("--1");
    QTest::newRow("exponent without digits") << QByteArray("1E");
    QTest::newRow("blank inside") << QByteArray("4 4");
}

void TestArchiveReader::unreadableNumberInACellFails()
{
    QFETCH(QByteArray, field);
    ArchiveReader reader(QByteArray("\"Rossi\"\r\n") + field + ",\"Bianchi\"\r\n");
    QCOMPARE(reader.readText(), QStringLiteral("Rossi"));
    reader.endRecord();
    QVERIFY(reader.readCell().isEmpty());
    QVERIFY(!reader.ok());
    QCOMPARE(reader.failedLine(), 2);
    QCOMPARE(reader.readText(), QString());
}

void TestArchiveReader::acceptsOtherLineEnds()
{
    ArchiveReader reader(QByteArray("\"a\",1\n\"b\",2\r\"c\",3"));
    int number = 0;
    for (const char *text : {"a", "b", "c"}) {
        QCOMPARE(reader.readText(), QString::fromLatin1(text));
        QCOMPARE(reader.readInteger(), ++number);
        reader.endRecord();
    }
    QVERIFY(reader.ok());
    QVERIFY(reader.atEnd());
}

void TestArchiveReader::failsOnMalformedInput_data()
{
    // Each file is read as records of a text and an integer.
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("failedLine");
    QTest::newRow("empty file") << QByteArray() << 1 << 1;
    QTest::newRow("cut after a record") << QByteArray("\"a\",1\r\n") << 2 << 2;
    QTest::newRow("cut mid-record") << QByteArray("\"a\",1\r\n\"b\"") << 2 << 2;
    QTest::newRow("cut inside a text") << QByteArray("\"a\",1\r\n\"b") << 2 << 2;
    QTest::newRow("text where a number is due") << QByteArray("\"a\",\"1\"\r\n") << 1 << 1;
    QTest::newRow("number where a text is due") << QByteArray("\"a\",1\r\n2,2\r\n") << 2 << 2;
    QTest::newRow("field missing, line ended") << QByteArray("\"a\"\r\n1\r\n") << 1 << 1;
    QTest::newRow("extra field") << QByteArray("\"a\",1,2\r\n") << 1 << 1;
    QTest::newRow("text broken by a line end") << QByteArray("\"a\r\nb\",1\r\n") << 1 << 1;
    QTest::newRow("quote inside a text") << QByteArray("\"Villa \"Rosa\"\",1\r\n") << 1 << 1;
    QTest::newRow("not an integer") << QByteArray("\"a\",1\r\n\"b\",2.5\r\n\"c\",3\r\n") << 3 << 2;
    QTest::newRow("decimal comma") << QByteArray("\"a\",1,5\r\n") << 1 << 1;
    QTest::newRow("letters") << QByteArray("\"a\",1\r\n\"b\",1\r\n\"c\",x\r\n") << 3 << 3;
}

void TestArchiveReader::failsOnMalformedInput()
{
    QFETCH(QByteArray, content);
    QFETCH(int, records);
    QFETCH(int, failedLine);
    ArchiveReader reader(content);
    for (int r = 0; r < records; ++r) {
        reader.readText();
        reader.readInteger();
        reader.endRecord();
    }
    QVERIFY(!reader.ok());
    QCOMPARE(reader.failedLine(), failedLine);
}

void TestArchiveReader::failureIsStickyAndKeepsWhatWasRead()
{
    ArchiveReader reader(QByteArray("\"Rossi\",\"x\",\"Bianchi\"\r\n"));
    QCOMPARE(reader.readText(), QStringLiteral("Rossi"));
    QCOMPARE(reader.readNumber(), 0.0);
    QVERIFY(!reader.ok());
    QCOMPARE(reader.readText(), QString());
    reader.fail();
    QCOMPARE(reader.failedLine(), 1);
}

// Bytes the code page leaves undefined, and NUL, are kept in texts; in a number they stop
// the reading with the line.
void TestArchiveReader::invalidBytesReadAsTextAndComeBackUnchanged()
{
    const QByteArray odd("a\x81\x8D\x00z", 5);
    ArchiveReader reader(QByteArray("\"") + odd + "\"\r\n1\x90\r\n");
    const QString text = reader.readText();
    reader.endRecord();
    QVERIFY(reader.ok());
    QCOMPARE(text.size(), 5);
    ArchiveWriter writer;
    writer.writeText(text);
    QCOMPARE(writer.bytes(), QByteArray("\"") + odd + "\"");

    reader.readNumber();
    QVERIFY(!reader.ok());
    QCOMPARE(reader.failedLine(), 2);
}

void TestArchiveReader::opensWholeFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Veltra-dati-prova"));
    QVERIFY(!ArchiveReader().open(path));
    QVERIFY(!ArchiveReader().open(QString()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\"Aurora\",2,\r\n");
    file.close();
    ArchiveReader reader;
    QVERIFY(reader.open(path));
    QCOMPARE(reader.readText(), QStringLiteral("Aurora"));
    QCOMPARE(reader.readInteger(), 2);
    QCOMPARE(reader.readInteger(), 0);
    reader.endRecord();
    QVERIFY(reader.ok());
}

// A folder, a pipe, a dangling link, a file past the limit and a byte-order mark before
// Windows-1252 text are each refused whole, with the cause; a pipe must not hang.
void TestArchiveReader::refusesWhatIsNoArchiveFileAndNamesWhy()
{
    QTemporaryDir folder;
    ArchiveReader reader;
    QVERIFY(!reader.open(folder.path()));
    QCOMPARE(reader.problem(), QStringLiteral("è una cartella, non un file"));

    const QString pipe = folder.filePath(QStringLiteral("Veltra-dati-tubo"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QVERIFY(!reader.open(pipe));
    QVERIFY(reader.problem().startsWith(QString::fromUtf8("non è un file ordinario")));

    const QString dangling = folder.filePath(QStringLiteral("Veltra-dati-link"));
    QVERIFY(QFile::link(folder.filePath(QStringLiteral("nessuno")), dangling));
    QVERIFY(!reader.open(dangling));
    QCOMPARE(reader.problem(), QString::fromUtf8("è un collegamento interrotto"));

    // A sparse file: one byte past the limit, "Aurora" at its beginning.
    const QString large = folder.filePath(QStringLiteral("Veltra-dati-grande"));
    QFile file(large);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\"Aurora\",2,\r\n");
    QVERIFY(file.resize(ArchiveReader::MaxArchiveBytes + 1));
    file.close();
    QVERIFY(!reader.open(large));
    QVERIFY(reader.problem().startsWith(QStringLiteral("il file supera i 64 MB")));

    ArchiveReader marked(QByteArray("\xEF\xBB\xBF\"Nicol\xF2\",\"via Roma\"\r\n"));
    QCOMPARE(marked.readText(), QString());
    QVERIFY(!marked.ok());
    QCOMPARE(marked.failedLine(), 1);
    QVERIFY(marked.problem().contains(QStringLiteral("BOM")));
}

QTEST_GUILESS_MAIN(TestArchiveReader)
#include "tst_archivereader.moc"
