#include "core/registry/condominiumarchive.h"
#include "core/registry/millesimalcomputation.h"
#include "core/state/sharedstate.h"
#include "support/registryfixture.h"

#include <QtTest>

using namespace veltra;
using RegistryFixture::addOwner;
using RegistryFixture::makeUnit;

namespace {

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Two owners: Rossi with two units on floor 1, Bianchi with one unit on floor 2.
void fillSmallRegistry(SharedState &state)
{
    state.condoName = QString::fromUtf8("Condominio Città €");
    state.heatingBasis = 2;
    addOwner(state, QStringLiteral("Rossi, Mario"), QStringLiteral("1"),
             {makeUnit(QStringLiteral("25,5"), {"0,9", "1", "1", "1", "1", "1", "1"},
                       QStringLiteral("soggiorno"), QStringLiteral("12,5")),
              makeUnit(QStringLiteral("10"), {}, QStringLiteral("bagno"), QString())},
             QString::fromUtf8("via Libertà 3"));
    addOwner(state, QStringLiteral("Bianchi"), QStringLiteral("2"),
             {makeUnit(QStringLiteral("40"), {}, QStringLiteral("cantina"), QStringLiteral("8"))});
}

const QByteArray SmallRegistryFile =
    "\"Condominio Citt\xE0 \x80\",2,2\r\n"
    "\"Rossi, Mario\",\"via Libert\xE0 3\",\"1\",2,444.4\r\n"
    "\"soggiorno\",\"25,5\",\"0,9\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"12,5\"\r\n"
    "\"bagno\",\"10\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\r\n"
    "\"Bianchi\",\"via Roma 1\",\"2\",1,\"555,6\"\r\n"
    "\"cantina\",\"40\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"8\"\r\n";

} // namespace

class TestCondominiumArchive : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void writesTheRecords();
    void readsTheRecords();
    void ownerWithoutUnitsIsOneLine();
    void roundTripOfTheMaximalRegistry();
    void fileCutMidRecordKeepsWhatWasRead();
    void expenseFileOpenedByMistakeFailsOnTheFirstLine();
    void missingFileChangesNothing();
    void countsOutOfRangeAreReadErrors();
    void readErrorNamesTheFieldAndWhoseItIs();
    void ownersBeyondTheCountAreAReadError();
    void archiveEditedAsUtf8IsReadRightAndSavedAsWindowsBytes();
    void staleUnitsBeyondAGapAreClearedOnOpen();
    void textWithQuoteIsNamedAndNeverSaved_data();
    void textWithQuoteIsNamedAndNeverSaved();

private:
    QTemporaryDir m_folder;
    QString m_path;
};

void TestCondominiumArchive::init()
{
    m_path = m_folder.filePath(QStringLiteral("Veltra-dati-%1").arg(QTest::currentTestFunction()));
}

void TestCondominiumArchive::writesTheRecords()
{
    SharedState state;
    fillSmallRegistry(state);
    state.owner(1).ownerMillesimi = Cell::fromNumber(444.4);
    state.owner(2).ownerMillesimi = Cell::fromText(QStringLiteral("555,6"));
    QVERIFY(CondominiumArchive::save(state, m_path));
    QCOMPARE(readBytes(m_path),
             QByteArray(SmallRegistryFile).replace("444.4", "444.400"));
}

void TestCondominiumArchive::readsTheRecords()
{
    writeBytes(m_path, SmallRegistryFile);
    const CondominiumArchive::LoadResult result = CondominiumArchive::load(m_path);
    QVERIFY(result.isComplete());

    SharedState state;
    state.heatingBasis = 1;
    CondominiumArchive::apply(result, state);
    QCOMPARE(state.condoName, QString::fromUtf8("Condominio Città €"));
    QCOMPARE(state.ownerCount, 2);
    QCOMPARE(state.heatingBasis, 2);
    QCOMPARE(state.owner(1).ownerName, QStringLiteral("Rossi, Mario"));
    QCOMPARE(state.owner(1).ownerAddress, QString::fromUtf8("via Libertà 3"));
    QCOMPARE(state.owner(1).unitCount, 2);
    QCOMPARE(state.owner(1).ownerMillesimi, Cell::fromNumber(444.4));
    QCOMPARE(state.owner(2).ownerMillesimi, Cell::fromText(QStringLiteral("555,6")));
    QCOMPARE(state.unit(1, 1).coeffDestination, QStringLiteral("0,9"));
    QCOMPARE(state.unit(1, 2).heatingValue, QString());
    QCOMPARE(state.unit(2, 1).unitName, QStringLiteral("cantina"));
    QCOMPARE(state.unit(2, 1).heatingValue, QStringLiteral("8"));
}

// An owner whose units are still to be typed: a count of 0 and no unit lines, so that the
// next owner's line follows at once. No heating basis chosen: an empty field.
void TestCondominiumArchive::ownerWithoutUnitsIsOneLine()
{
    SharedState state;
    state.condoName = QStringLiteral("Aurora");
    addOwner(state, QStringLiteral("Verdi"), QStringLiteral("0"), {}, QStringLiteral("via Po 2"));
    addOwner(state, QStringLiteral("Neri"), QStringLiteral("3"), {makeUnit(QStringLiteral("40"))});
    state.owner(2).ownerMillesimi = Cell::fromNumber(1000);
    const QByteArray expected = "\"Aurora\",2,\r\n"
                                "\"Verdi\",\"via Po 2\",\"0\",0,\r\n"
                                "\"Neri\",\"via Roma 1\",\"3\",1,1000.000\r\n"
                                "\"camera\",\"40\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\","
                                "\"100\"\r\n";
    QVERIFY(CondominiumArchive::save(state, m_path));
    QCOMPARE(readBytes(m_path), expected);

    const CondominiumArchive::LoadResult result = CondominiumArchive::load(m_path);
    QVERIFY(result.isComplete());
    SharedState opened;
    CondominiumArchive::apply(result, opened);
    QCOMPARE(opened.ownerCount, 2);
    QCOMPARE(opened.owner(1).unitCount, 0);
    QVERIFY(opened.owner(1).ownerMillesimi.isEmpty());
    QCOMPARE(opened.owner(2).ownerName, QStringLiteral("Neri"));
    QCOMPARE(opened.owner(2).unitCount, 1);
    QCOMPARE(opened.unit(2, 1).netSurface, QStringLiteral("40"));
}

void TestCondominiumArchive::roundTripOfTheMaximalRegistry()
{
    SharedState state;
    RegistryFixture::fillMaximalRegistry(state);
    QVERIFY(recomputeTables(state));
    state.owner(7).ownerMillesimi = Cell::fromText(QStringLiteral("2,5"));
    QVERIFY(CondominiumArchive::save(state, m_path));

    SharedState reopened;
    CondominiumArchive::apply(CondominiumArchive::load(m_path), reopened);
    QCOMPARE(reopened.ownerCount, MaxOwners);
    for (int i = 1; i <= MaxOwners; ++i) {
        QCOMPARE(reopened.owner(i).ownerMillesimi, state.owner(i).ownerMillesimi);
        QCOMPARE(reopened.owner(i).ownerFloor, state.owner(i).ownerFloor);
        QCOMPARE(reopened.unit(i, MaxUnits).coeffVolume, state.unit(i, MaxUnits).coeffVolume);
    }
    const QString again = m_folder.filePath(QStringLiteral("again"));
    QVERIFY(CondominiumArchive::save(reopened, again));
    QCOMPARE(readBytes(again), readBytes(m_path));
}

void TestCondominiumArchive::fileCutMidRecordKeepsWhatWasRead()
{
    const QByteArray cut = SmallRegistryFile.left(SmallRegistryFile.indexOf("\"Bianchi\"") + 27);
    writeBytes(m_path, cut); // ends inside Bianchi's line, after the floor
    const CondominiumArchive::LoadResult result = CondominiumArchive::load(m_path);
    QVERIFY(result.opened);
    QCOMPARE(result.failedLine, 5);

    SharedState state;
    fillSmallRegistry(state);
    state.owner(2).ownerMillesimi = Cell::fromNumber(600);
    state.unit(2, 1).unitName = QStringLiteral("old");
    CondominiumArchive::apply(result, state);
    QCOMPARE(state.ownerCount, 2);
    QCOMPARE(state.owner(1).unitCount, 2);
    QCOMPARE(state.owner(2).ownerName, QStringLiteral("Bianchi"));
    QCOMPARE(state.owner(2).ownerFloor, QStringLiteral("2"));
    QCOMPARE(state.owner(2).unitCount, 0);
    // Not reached: none, rather than the millesimi of the condominium opened before.
    QCOMPARE(state.owner(2).ownerMillesimi, Cell::fromNumber(0));
    QCOMPARE(state.unit(2, 1).unitName, QString());
}

void TestCondominiumArchive::expenseFileOpenedByMistakeFailsOnTheFirstLine()
{
    writeBytes(m_path, "\"Rossi\",2,\"1.250,00\",\"pulizia scale\",\"10/01/2001\",1\r\n"
                       "1,\"Bianchi\",\"via Roma 1\",,500,\"500,000\",0,,,\"625,00\"\r\n"
                       "\"15/01/2001\",\r\n"
                       "1,\"Verdi\",\"via Roma 2\",,500,\"500,000\",0,,,\"625,00\"\r\n"
                       ",\r\n");
    const CondominiumArchive::LoadResult result = CondominiumArchive::load(m_path);
    QVERIFY(result.opened);
    QCOMPARE(result.failedLine, 1);
    QCOMPARE(result.condoName, QStringLiteral("Rossi"));
    QVERIFY(!result.heatingBasis);
    QVERIFY(result.owners.isEmpty());

    SharedState state;
    fillSmallRegistry(state);
    CondominiumArchive::apply(result, state);
    QCOMPARE(state.condoName, QStringLiteral("Rossi"));
    QCOMPARE(state.ownerCount, 0);
    QCOMPARE(state.owner(1).ownerName, QString());
    QCOMPARE(state.heatingBasis, 0);
    QCOMPARE(state.owner(1).ownerMillesimi.toNumber(), 0.0);
}

void TestCondominiumArchive::missingFileChangesNothing()
{
    const CondominiumArchive::LoadResult result = CondominiumArchive::load(m_path);
    QVERIFY(!result.opened);
    SharedState state;
    fillSmallRegistry(state);
    CondominiumArchive::apply(result, state);
    QCOMPARE(state.ownerCount, 2);
    QCOMPARE(state.owner(2).ownerName, QStringLiteral("Bianchi"));
}

void TestCondominiumArchive::countsOutOfRangeAreReadErrors()
{
    writeBytes(m_path, "\"Aurora\",501,1\r\n");
    QCOMPARE(CondominiumArchive::load(m_path).failedLine, 1);
    writeBytes(m_path, "\"Aurora\",1,1\r\n\"Rossi\",\"via Roma\",\"1\",51,100\r\n");
    QCOMPARE(CondominiumArchive::load(m_path).failedLine, 2);
    writeBytes(m_path, "\"Aurora\",1,3\r\n");
    QCOMPARE(CondominiumArchive::load(m_path).failedLine, 1);
}

// The user finds the bad field from the message alone: its line, its name, its unit and
// its owner.
void TestCondominiumArchive::readErrorNamesTheFieldAndWhoseItIs()
{
    writeBytes(m_path, QByteArray(SmallRegistryFile).replace("\"bagno\",\"10\"", "\"bagno\",10"));
    QCOMPARE(CondominiumArchive::load(m_path).problem,
             QString::fromUtf8("riga 4, la superficie del locale n. 2 del condomino n. 1 (Rossi, "
                               "Mario): dato mancante o illeggibile"));
    writeBytes(m_path, QByteArray(SmallRegistryFile).replace("\"555,6\"", "\"555,6\",7"));
    QCOMPARE(CondominiumArchive::load(m_path).problem,
             QString::fromUtf8("riga 5, i millesimi di proprietà del condomino n. 2 (Bianchi): "
                               "dato mancante o illeggibile"));
    writeBytes(m_path, "\"Aurora\",501,1\r\n");
    QCOMPARE(CondominiumArchive::load(m_path).problem,
             QStringLiteral("riga 1, il numero dei condomini: dato mancante o illeggibile"));
}

void TestCondominiumArchive::ownersBeyondTheCountAreAReadError()
{
    QByteArray counted = SmallRegistryFile;
    counted.replace("\"Condominio Citt\xE0 \x80\",2,2", "\"Condominio Citt\xE0 \x80\",1,2");
    writeBytes(m_path, counted);
    const CondominiumArchive::LoadResult result = CondominiumArchive::load(m_path);
    QVERIFY(result.opened);
    QCOMPARE(result.failedLine, 5); // Bianchi's line, after Rossi and his two units
    QCOMPARE(result.owners.size(), 1);
    QVERIFY(!result.isComplete());

    writeBytes(m_path, SmallRegistryFile + "\r\n\r\n");
    QVERIFY(CondominiumArchive::load(m_path).isComplete()); // empty lines at the end are no data
}

void TestCondominiumArchive::archiveEditedAsUtf8IsReadRightAndSavedAsWindowsBytes()
{
    QByteArray utf8 = SmallRegistryFile;
    utf8.replace("\xE0", "\xC3\xA0").replace("\x80", "\xE2\x82\xAC");
    writeBytes(m_path, utf8);
    const CondominiumArchive::LoadResult result = CondominiumArchive::load(m_path);
    QVERIFY(result.isComplete());
    QCOMPARE(result.condoName, QString::fromUtf8("Condominio Città €"));
    QCOMPARE(result.owners.at(0).ownerAddress, QString::fromUtf8("via Libertà 3"));

    SharedState state;
    CondominiumArchive::apply(result, state);
    QVERIFY(CondominiumArchive::save(state, m_path));
    const QByteArray saved = readBytes(m_path);
    QVERIFY(saved.startsWith("\"Condominio Citt\xE0 \x80\",2,2\r\n"));
    QVERIFY(saved.contains("\"Rossi, Mario\",\"via Libert\xE0 3\",\"1\",2,"));
}

// A unit left beyond a gap in the unit names is not counted; opening another condominium
// must not let it join the owner who takes that number.
void TestCondominiumArchive::staleUnitsBeyondAGapAreClearedOnOpen()
{
    writeBytes(m_path, SmallRegistryFile);
    SharedState state;
    fillSmallRegistry(state);
    state.unit(2, 3).unitName = QStringLiteral("soffitta di prima");
    state.unit(2, 3).netSurface = QStringLiteral("99");
    CondominiumArchive::apply(CondominiumArchive::load(m_path), state);
    QCOMPARE(state.unit(2, 3).unitName, QString());
    QCOMPARE(state.unit(2, 3).netSurface, QString());
}

void TestCondominiumArchive::textWithQuoteIsNamedAndNeverSaved_data()
{
    QTest::addColumn<int>("owner");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("field");
    QTest::newRow("condominium") << 0 << 0 << "il nome del condominio";
    QTest::newRow("owner name") << 2 << 0 << "il nome del condomino n. 2";
    QTest::newRow("unit name") << 1 << 2 << "il nome del locale n. 2 del condomino n. 1";
}

void TestCondominiumArchive::textWithQuoteIsNamedAndNeverSaved()
{
    QFETCH(int, owner);
    QFETCH(int, unit);
    QFETCH(QString, field);
    writeBytes(m_path, SmallRegistryFile);

    SharedState state;
    fillSmallRegistry(state);
    QVERIFY(!CondominiumArchive::firstUnwritableField(state));
    const QString quoted = QStringLiteral("Villa \"Rosa\"");
    if (owner == 0)
        state.condoName = quoted;
    else if (unit == 0)
        state.owner(owner).ownerName = quoted;
    else
        state.unit(owner, unit).unitName = quoted;
    state.owner(2).ownerAddress = QString::fromUtf8("ulica Łąkowa"); // found later in order

    const auto found = CondominiumArchive::firstUnwritableField(state);
    QVERIFY(found);
    QCOMPARE(found->field, field);
    QVERIFY(found->reason.contains(QLatin1Char('"')));
    QString error;
    QVERIFY(!CondominiumArchive::save(state, m_path, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(readBytes(m_path), SmallRegistryFile);
}

QTEST_GUILESS_MAIN(TestCondominiumArchive)
#include "tst_condominiumarchive.moc"
