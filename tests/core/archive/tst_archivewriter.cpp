#include "core/archive/archivewriter.h"
#include "core/state/cell.h"

#include <QtTest>

using namespace veltra;

class TestArchiveWriter : public QObject
{
    Q_OBJECT

private slots:
    void writesTheNotation();
    void writesNumbersWithPointAndNoGrouping_data();
    void writesNumbersWithPointAndNoGrouping();
    void refusesTextsThatWouldReadBackWrong_data();
    void refusesTextsThatWouldReadBackWrong();
    void acceptsAccentedLettersOfTheCodePage();
    void failedWriteKeepsThePreviousFile();
    void reportsAFolderThatDoesNotExist();
};

void TestArchiveWriter::writesTheNotation()
{
    ArchiveWriter writer;
    writer.writeText(QString::fromUtf8("Caffè €"));
    writer.writeInteger(12);
    writer.writeEmpty();
    writer.writeText(QString());
    writer.endRecord();
    writer.writeCell(Cell::fromNumber(333.333), 3);
    writer.writeCell(Cell::fromText(QStringLiteral("125,5")), 3);
    writer.writeCell(Cell(), 3);
    writer.writeOptionalInteger(0);
    writer.endRecord();
    QCOMPARE(writer.bytes(), QByteArray("\"Caff\xE8 \x80\",12,,\r\n333.333,\"125,5\",,\r\n"));
    QVERIFY(writer.isWritable());
}

void TestArchiveWriter::writesNumbersWithPointAndNoGrouping_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("shortest") << 0.1 << -1 << QByteArray("0.1");
    QTest::newRow("negative half") << -0.5 << -1 << QByteArray("-0.5");
    QTest::newRow("no grouping") << 1234567.25 << -1 << QByteArray("1234567.25");
    QTest::newRow("whole") << 500.0 << -1 << QByteArray("500");
    QTest::newRow("negative zero") << -0.0 << -1 << QByteArray("0");
    QTest::newRow("three decimals") << 500.0 << 3 << QByteArray("500.000");
    QTest::newRow("three decimals of a computed value") << 0.013 << 3 << QByteArray("0.013");
}

void TestArchiveWriter::writesNumbersWithPointAndNoGrouping()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QByteArray, written);
    ArchiveWriter writer;
    writer.writeNumber(value, decimals);
    QCOMPARE(writer.bytes(), written);
}

void TestArchiveWriter::refusesTextsThatWouldReadBackWrong_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("double quote") << QStringLiteral("Villa \"Le Rose\"");
    QTest::newRow("line break") << QStringLiteral("via Roma 1\nBari");
    QTest::newRow("outside the code page") << QString::fromUtf8("Łukasz");
    // In the code page these are the bytes C3 A8, which UTF-8 reads as "è".
    QTest::newRow("UTF-8 of an accented letter") << QString::fromUtf8("NicolÃ¨");
    QTest::newRow("three-byte UTF-8") << QString::fromUtf8("â‚¬ 100");
}

void TestArchiveWriter::acceptsAccentedLettersOfTheCodePage()
{
    // E0 E8 F2 and the like never start a valid UTF-8 run next to one another or to ASCII.
    for (const char *text : {"Niccolò", "Perché è così", "àèéìòù", "Città del Capo, 3°", "€ 100"})
        QVERIFY2(ArchiveWriter::unwritableReason(QString::fromUtf8(text)).isEmpty(), text);
    QCOMPARE(ArchiveWriter::unwritableReason(QString::fromUtf8("NicolÃ¨")),
             QString::fromUtf8("contiene i caratteri \"Ã¨\", che all'apertura dell'archivio "
                               "diventerebbero \"è\""));
}

void TestArchiveWriter::refusesTextsThatWouldReadBackWrong()
{
    QFETCH(QString, text);
    QVERIFY(!ArchiveWriter::unwritableReason(text).isEmpty());
    ArchiveWriter writer;
    writer.writeText(QStringLiteral("Rossi"));
    writer.writeText(text);
    writer.endRecord();
    QVERIFY(!writer.isWritable());
    QVERIFY(writer.errorString().contains(text));

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Veltra-dati-prova"));
    QVERIFY(!writer.commit(path));
    QVERIFY(!QFile::exists(path));
}

void TestArchiveWriter::failedWriteKeepsThePreviousFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Veltra-dati-prova"));
    ArchiveWriter first;
    first.writeText(QStringLiteral("Condominio Aurora"));
    first.endRecord();
    QVERIFY(first.commit(path));

    ArchiveWriter second;
    second.writeText(QStringLiteral("Condominio \"Aurora\""));
    second.endRecord();
    QVERIFY(!second.commit(path));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\"Condominio Aurora\"\r\n"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 1);
}

void TestArchiveWriter::reportsAFolderThatDoesNotExist()
{
    QTemporaryDir folder;
    ArchiveWriter writer;
    writer.writeInteger(1);
    writer.endRecord();
    QVERIFY(!writer.commit(folder.filePath(QStringLiteral("missing/Veltra-dati-prova"))));
    QVERIFY(!writer.errorString().isEmpty());
}

QTEST_GUILESS_MAIN(TestArchiveWriter)
#include "tst_archivewriter.moc"
