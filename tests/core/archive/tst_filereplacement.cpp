#include "core/archive/archivewriter.h"
#include "core/archive/filereplacement.h"
#include "support/filesizelimit.h"

#include <QtTest>

using namespace veltra;

namespace {

// Under the write buffer of a file (16 KiB): such a write only fails when it is flushed.
constexpr int SmallSize = 2000;
constexpr int LargeSize = 300000;
constexpr rlim_t Limit = 1024;

const QByteArray PreviousContent("\"Condominio Aurora\",1,\r\n");

QByteArray contents(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestFileReplacement : public QObject
{
    Q_OBJECT

private slots:
    void aFullDeviceRefusesSmallAndLargeWrites_data();
    void aFullDeviceRefusesSmallAndLargeWrites();
    void aRefusedByteKeepsThePreviousFile_data();
    void aRefusedByteKeepsThePreviousFile();
    void anArchiveSaveOnAFullDiskFailsAndKeepsThePreviousArchive_data();
    void anArchiveSaveOnAFullDiskFailsAndKeepsThePreviousArchive();
    void aWriteThatFitsReplacesTheFile();
    void aReadOnlyFolderIsNamedAsTheCause();
};

void TestFileReplacement::aFullDeviceRefusesSmallAndLargeWrites_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("small, held in the buffer") << SmallSize;
    QTest::newRow("large, past the buffer") << LargeSize;
}

void TestFileReplacement::aFullDeviceRefusesSmallAndLargeWrites()
{
    QFETCH(int, size);
    if (!QFileInfo::exists(QStringLiteral("/dev/full")))
        QSKIP("no /dev/full on this system");
    QFile full(QStringLiteral("/dev/full"));
    QVERIFY(full.open(QIODevice::WriteOnly));
    QVERIFY(!FileReplacement::writeAll(full, QByteArray(size, 'x')));
}

void TestFileReplacement::aRefusedByteKeepsThePreviousFile_data()
{
    aFullDeviceRefusesSmallAndLargeWrites_data();
}

void TestFileReplacement::aRefusedByteKeepsThePreviousFile()
{
    QFETCH(int, size);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Veltra-2026-12-09-001.odt"));
    writeFile(path, PreviousContent);
    QString error;
    bool replaced = true;
    {
        FileSizeLimit limit(Limit);
        replaced = FileReplacement::replace(path, QByteArray(size, 'x'), &error);
    }
    QVERIFY(!replaced);
    QVERIFY2(error.startsWith(QStringLiteral("disco pieno")), qPrintable(error));
    QCOMPARE(contents(path), PreviousContent);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{ QStringLiteral("Veltra-2026-12-09-001.odt") });
}

void TestFileReplacement::anArchiveSaveOnAFullDiskFailsAndKeepsThePreviousArchive_data()
{
    aFullDeviceRefusesSmallAndLargeWrites_data();
}

void TestFileReplacement::anArchiveSaveOnAFullDiskFailsAndKeepsThePreviousArchive()
{
    QFETCH(int, size);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Veltra-dati-Aurora"));
    writeFile(path, PreviousContent);
    ArchiveWriter writer;
    writer.writeText(QStringLiteral("Condominio Aurora"));
    writer.writeInteger(1);
    writer.endRecord();
    while (writer.bytes().size() < size) {
        writer.writeText(QStringLiteral("Rossi Mario"));
        writer.writeText(QStringLiteral("via Garibaldi 12"));
        writer.endRecord();
    }
    bool committed = true;
    {
        FileSizeLimit limit(Limit);
        committed = writer.commit(path);
    }
    QVERIFY(!committed);
    QVERIFY(!writer.errorString().isEmpty());
    QCOMPARE(contents(path), PreviousContent);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void TestFileReplacement::aReadOnlyFolderIsNamedAsTheCause()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Veltra-dati-Aurora"));
    writeFile(path, PreviousContent);
    QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
    if (QFileInfo(folder.path()).isWritable())
        QSKIP("the folder stays writable to this user");
    QString error;
    const bool replaced = FileReplacement::replace(path, "nuovo", &error);
    QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY(!replaced);
    QCOMPARE(error, QStringLiteral("cartella in sola lettura"));
    QCOMPARE(contents(path), PreviousContent);
}

void TestFileReplacement::aWriteThatFitsReplacesTheFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Veltra-dati-Aurora"));
    writeFile(path, PreviousContent);
    const QByteArray next(Limit - 24, 'y');
    bool replaced = false;
    {
        FileSizeLimit limit(Limit);
        replaced = FileReplacement::replace(path, next);
    }
    QVERIFY(replaced);
    QCOMPARE(contents(path), next);
}

QTEST_GUILESS_MAIN(TestFileReplacement)
#include "tst_filereplacement.moc"
