#include "core/registry/iban.h"
#include "core/registry/registercheck.h"
#include "core/registry/registercsv.h"
#include "core/registry/registerfile.h"
#include "core/registry/taxcode.h"
#include "core/state/sharedstate.h"

#include <QtTest>

using namespace veltra;

namespace {

RegisterPerson person(PersonRole role, const char *surname, const char *given, const char *code,
                      const char *residence)
{
    RegisterPerson p;
    p.role = role;
    p.surname = QString::fromUtf8(surname);
    p.givenName = QString::fromUtf8(given);
    p.fiscalCode = QString::fromLatin1(code);
    p.residence = QString::fromUtf8(residence);
    return p;
}

CadastralUnit flat(const char *sub)
{
    CadastralUnit u;
    u.comune = QStringLiteral("Bologna");
    u.foglio = QStringLiteral("182");
    u.particella = QStringLiteral("415");
    u.subalterno = QString::fromLatin1(sub);
    u.categoria = QStringLiteral("A/2");
    return u;
}

// Two owners, the first with a flat of two rooms, the second with a garage.
void twoOwners(SharedState &state)
{
    state.condoName = QStringLiteral("Le Querce");
    state.owner(1).ownerName = QStringLiteral("Rossi Mario");
    state.owner(1).units[1].unitName = QStringLiteral("soggiorno");
    state.owner(1).units[2].unitName = QStringLiteral("camera");
    state.owner(1).unitCount = 2;
    state.owner(2).ownerName = QStringLiteral("De Luca Antonio");
    state.owner(2).units[1].unitName = QStringLiteral("box");
    state.owner(2).unitCount = 1;
    state.ownerCount = 2;
    OwnerRecord rossi;
    rossi.persons << person(PersonRole::Proprietario, "Rossi", "Mario", "RSSMRA80A01H501U",
                            "via Roma 1, Bologna");
    rossi.units.insert(1, flat("3"));
    state.anagrafe.setRecord(1, rossi);
    OwnerRecord deLuca;
    deLuca.persons << person(PersonRole::NudoProprietario, "De Luca", "Antonio",
                             "DLCNTN49T01F257X", "viale Carducci 7, Modena");
    CadastralUnit box = flat("21");
    box.categoria = QStringLiteral("C/6");
    box.renditaCents = 15493;
    deLuca.units.insert(1, box);
    state.anagrafe.setRecord(2, deLuca);
}

} // namespace

// The owners' register: the codice fiscale against the person, the check of what the law
// asks, its file and its CSV.
class TestOwnersRegister : public QObject
{
    Q_OBJECT

private slots:
    void personalCodeAgreesWithThePerson_data();
    void personalCodeAgreesWithThePerson();
    void namesGiveTheirThreeLetters();
    void ibanByItsCheckDigits();
    void checkNamesWhatTheLawStillAsks();
    void transferMustBeReportedWithinSixtyDays();
    void fileWritesFormatOwnersAndRecordLines();
    void fileRefusesWhatIsNoRegisterNamingTheLine_data();
    void fileRefusesWhatIsNoRegisterNamingTheLine();
    void ownersNoLongerMatchingAreNamed();
    void csvRowsAndImportOfASpreadsheet();
    void csvImportRefusesAWrongRowAndChangesNothing_data();
    void csvImportRefusesAWrongRowAndChangesNothing();
};

void TestOwnersRegister::personalCodeAgreesWithThePerson_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("surname");
    QTest::addColumn<QString>("given");
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QStringList>("mismatches");
    const QDate first(1980, 1, 1);
    QTest::newRow("agrees") << "RSSMRA80A01H501U" << "Rossi" << "Mario" << first << QStringList();
    QTest::newRow("other name") << "RSSMRA80A01H501U" << "Rossi" << "Marco" << first
                                << QStringList{"le lettere del nome"};
    QTest::newRow("other surname and day")
        << "RSSMRA80A01H501U" << "Bianchi" << "Mario" << QDate(1980, 1, 2)
        << QStringList{"le lettere del cognome", "la data di nascita"};
    // Omocodia in the year: 0 becomes L. The odd places weigh 61, the even 48: 109 mod 26 = 5,
    // F. The year still reads 80.
    QTest::newRow("omocodia in the date") << "RSSMRA8LA01H501F" << "Rossi" << "Mario" << first
                                          << QStringList();
    // Women carry the day plus forty: Galli Francesca, 19 July 1976, day 59, month L.
    QTest::newRow("woman") << "GLLFNC76L59A944O" << "Galli" << "Francesca" << QDate(1976, 7, 19)
                           << QStringList();
    QTest::newRow("no birth date given") << "GLLFNC76L59A944O" << "Galli" << "Francesca" << QDate()
                                         << QStringList();
}

void TestOwnersRegister::personalCodeAgreesWithThePerson()
{
    QFETCH(QString, code);
    QFETCH(QString, surname);
    QFETCH(QString, given);
    QFETCH(QDate, birth);
    QFETCH(QStringList, mismatches);
    QVERIFY(TaxCode::isPersonalCode(code));
    QCOMPARE(TaxCode::personalCodeMismatches(code, surname, given, birth), mismatches);
}

// Consonants first, then vowels, then X; a given name of four consonants or more skips
// the second.
void TestOwnersRegister::namesGiveTheirThreeLetters()
{
    QCOMPARE(TaxCode::surnameLetters(QStringLiteral("D'Angelo")), QStringLiteral("DNG"));
    QCOMPARE(TaxCode::surnameLetters(QStringLiteral("De Luca")), QStringLiteral("DLC"));
    QCOMPARE(TaxCode::surnameLetters(QStringLiteral("Fo")), QStringLiteral("FOX"));
    QCOMPARE(TaxCode::givenNameLetters(QStringLiteral("Gianfranco")), QStringLiteral("GFR"));
    QCOMPARE(TaxCode::givenNameLetters(QString::fromUtf8("Nicolò")), QStringLiteral("NCL"));
    QCOMPARE(TaxCode::givenNameLetters(QStringLiteral("Ugo")), QStringLiteral("GUO"));
}

void TestOwnersRegister::ibanByItsCheckDigits()
{
    QVERIFY(Iban::isValid(QStringLiteral("IT60X0542811101000000123456")));
    QVERIFY(Iban::isValid(QStringLiteral("it60 x054 2811 1010 0000 0123 456")));
    QVERIFY(!Iban::isValid(QStringLiteral("IT60X0542811101000000123457")));
    QVERIFY(!Iban::isValid(QStringLiteral("IT60X054281110100000012345")));
}

void TestOwnersRegister::checkNamesWhatTheLawStillAsks()
{
    SharedState state;
    twoOwners(state);
    const QDate today(2026, 12, 10);
    // The flat's data typed on its first room hold for the second.
    QVERIFY(RegisterCheck::checkOwner(state, 1, today).isEmpty());
    OwnerRecord rossi = state.anagrafe.record(1);
    rossi.units.clear();
    rossi.units.insert(2, flat(""));
    rossi.persons.first().residence.clear();
    rossi.persons.first().fiscalCode = QStringLiteral("RSSMRA80A01H501V");
    rossi.persons << person(PersonRole::Comproprietario, "Bianchi", "Anna", "", "via Roma 1");
    rossi.persons.last().iban = QStringLiteral("IT60X0542811101000000123457");
    state.anagrafe.setRecord(1, rossi);
    const RegisterCheck::OwnerFindings findings = RegisterCheck::checkOwner(state, 1, today);
    QCOMPARE(findings.missing,
             (QStringList{"la residenza o il domicilio di Rossi Mario",
                          "il codice fiscale di Bianchi Anna",
                          QString::fromUtf8("la quota di comproprietà di Bianchi Anna"),
                          QString::fromUtf8("i dati catastali del locale n. 1 (soggiorno) e di "
                                            "quelli che lo seguono nella stessa unità"),
                          "i dati catastali del locale n. 2 (camera): subalterno"}));
    QCOMPARE(findings.wrong.size(), 2);
    QVERIFY(findings.wrong.at(0).startsWith("il codice fiscale di Rossi Mario (RSSMRA80A01H501V)"));
    QVERIFY(findings.wrong.at(1).startsWith("l'IBAN di Bianchi Anna"));
    QCOMPARE(RegisterCheck::check(state, today).size(), 1);
}

void TestOwnersRegister::transferMustBeReportedWithinSixtyDays()
{
    SharedState state;
    twoOwners(state);
    OwnerRecord record = state.anagrafe.record(2);
    RegisterChange sale;
    sale.date = QDate(2026, 9, 1);
    sale.transfer = true;
    record.changes << sale;
    state.anagrafe.setRecord(2, record);
    // 1 September plus sixty days is 31 October: late only from 1 November.
    QVERIFY(RegisterCheck::checkOwner(state, 2, QDate(2026, 10, 31)).isEmpty());
    QCOMPARE(RegisterCheck::checkOwner(state, 2, QDate(2026, 11, 1)).missing,
             QStringList{"la comunicazione scritta del trasferimento del 01/09/2026, dovuta entro "
                         "il 31/10/2026"});
    record.lastCommunication = QDate(2026, 9, 10);
    state.anagrafe.setRecord(2, record);
    QVERIFY(RegisterCheck::checkOwner(state, 2, QDate(2026, 11, 1)).isEmpty());

    SafetyItem lift;
    lift.nextDue = QDate(2027, 2, 8);
    SafetyItem boiler;
    boiler.nextDue = QDate(2027, 2, 9);
    // 10 December plus sixty days is 8 February.
    QCOMPARE(RegisterCheck::dueSafetyItems({lift, boiler}, QDate(2026, 12, 10)).size(), 1);
}

void TestOwnersRegister::fileWritesFormatOwnersAndRecordLines()
{
    SharedState state;
    twoOwners(state);
    SafetyItem lift;
    lift.item = QStringLiteral("ascensore");
    lift.nextDue = QDate(2027, 3, 12);
    state.anagrafe.safety << lift;
    const QByteArray expected =
        "\"VELTRA-ANAGRAFE\",1\r\n"
        "\"Le Querce\"\r\n"
        "\"condomino\",1,\"Rossi Mario\"\r\n"
        "\"persona\",\"proprietario\",,\"Rossi\",\"Mario\",\"RSSMRA80A01H501U\",,"
        "\"via Roma 1, Bologna\",,,,,\"posta\",,,\r\n"
        "\"unita\",1,\"Bologna\",,\"182\",\"415\",\"3\",\"A/2\",,\r\n"
        "\"condomino\",2,\"De Luca Antonio\"\r\n"
        "\"persona\",\"nudo proprietario\",,\"De Luca\",\"Antonio\",\"DLCNTN49T01F257X\",,"
        "\"viale Carducci 7, Modena\",,,,,\"posta\",,,\r\n"
        "\"unita\",1,\"Bologna\",,\"182\",\"415\",\"21\",\"C/6\",,\"15493\"\r\n"
        "\"sicurezza\",\"ascensore\",,\"2027-03-12\",,\r\n";
    QCOMPARE(RegisterFile::toBytes(state), expected);
    const RegisterFile::LoadResult read = RegisterFile::fromBytes(expected);
    QVERIFY2(read.isComplete(), qPrintable(read.problem));
    SharedState back;
    twoOwners(back);
    back.anagrafe.clear();
    RegisterFile::apply(read, back);
    QCOMPARE(back.anagrafe.record(2), state.anagrafe.record(2));
    QCOMPARE(back.anagrafe.safety, state.anagrafe.safety);
}

void TestOwnersRegister::fileRefusesWhatIsNoRegisterNamingTheLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    const QByteArray head = "\"VELTRA-ANAGRAFE\",1\r\n\"Le Querce\"\r\n";
    QTest::newRow("other format") << QByteArray("\"VELTRA-LETTURE\",1\r\n") << "riga 1";
    QTest::newRow("unknown role")
        << head + "\"condomino\",1,\"Rossi\"\r\n\"persona\",\"inquilino\",,\"A\",,,,,,,,,\"posta\",,,\r\n"
        << "riga 4, il ruolo del condomino n. 1 (Rossi)";
    QTest::newRow("owners out of order")
        << head + "\"condomino\",2,\"B\"\r\n\"condomino\",1,\"A\"\r\n" << "riga 4";
    QTest::newRow("record before any owner")
        << head + "\"comunicazione\",\"2026-01-01\"\r\n" << "riga 3";
    QTest::newRow("no date")
        << head + "\"condomino\",1,\"Rossi\"\r\n\"comunicazione\",\"31/12/2026\"\r\n"
        << "non è una data";
}

void TestOwnersRegister::fileRefusesWhatIsNoRegisterNamingTheLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    const RegisterFile::LoadResult read = RegisterFile::fromBytes(bytes);
    QVERIFY(!read.isComplete());
    QVERIFY2(read.problem.contains(problem), qPrintable(read.problem));
}

void TestOwnersRegister::ownersNoLongerMatchingAreNamed()
{
    SharedState state;
    twoOwners(state);
    const QByteArray bytes = RegisterFile::toBytes(state);
    state.owner(2).ownerName = QStringLiteral("Neri Carla");
    state.owner(1) = Owner();
    const QStringList lines = RegisterFile::mismatches(RegisterFile::fromBytes(bytes), state);
    QCOMPARE(lines, (QStringList{QString::fromUtf8("condomino n. 1: il registro è di \"Rossi "
                                                   "Mario\", che l'archivio non ha più"),
                                 QString::fromUtf8("condomino n. 2: il registro è di \"De Luca "
                                                   "Antonio\", l'archivio ha \"Neri Carla\"")}));
}

void TestOwnersRegister::csvRowsAndImportOfASpreadsheet()
{
    SharedState state;
    twoOwners(state);
    QCOMPARE(RegisterCsv::build(state).section(QLatin1Char('\n'), 0, 1),
             QStringLiteral("persona;1;proprietario;Rossi Mario;RSSMRA80A01H501U;via Roma 1, "
                            "Bologna;;;\nunita;1;1;Bologna;182;415;3;A/2"));
    // The double surname is told from the name by the letters of the codice fiscale; a
    // field holding ";" comes between quotes; the register keeps what the CSV does not carry.
    OwnerRecord deLuca = state.anagrafe.record(2);
    deLuca.persons.first().birthDate = QDate(1949, 12, 1);
    state.anagrafe.setRecord(2, deLuca);
    const QByteArray csv = "persona;2;usufruttuario;De Luca Antonio;DLCNTN49T01F257X;"
                           "\"viale Carducci 7; scala B\";;;059 555\r\n"
                           "unita;2;1;Modena;90;12;4;c/6\r\n";
    QVERIFY(RegisterCsv::import(csv, state).ok);
    const RegisterPerson &p = state.anagrafe.record(2).persons.first();
    QCOMPARE(p.surname, QStringLiteral("De Luca"));
    QCOMPARE(p.givenName, QStringLiteral("Antonio"));
    QCOMPARE(p.role, PersonRole::Usufruttuario);
    QCOMPARE(p.residence, QStringLiteral("viale Carducci 7; scala B"));
    QCOMPARE(p.birthDate, QDate(1949, 12, 1));
    const CadastralUnit &u = state.anagrafe.record(2).units.value(1);
    QCOMPARE(u.comune, QStringLiteral("Modena"));
    QCOMPARE(u.categoria, QStringLiteral("C/6"));
    QCOMPARE(u.renditaCents, std::optional<long long>(15493));
    QCOMPARE(state.anagrafe.record(1).persons.size(), 1);
}

void TestOwnersRegister::csvImportRefusesAWrongRowAndChangesNothing_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("problem");
    const QByteArray good = "persona;1;proprietario;Rossi Mario;;via Roma 2;;;\n";
    QTest::newRow("owner not in the archive")
        << good + "persona;3;proprietario;Neri Carla;;;;;\n" << "riga 2: il condomino \"3\"";
    QTest::newRow("unknown role") << good + "persona;2;inquilino;Neri;;;;;\n"
                                  << QString::fromUtf8("riga 2: \"inquilino\" non è un ruolo");
    QTest::newRow("wrong code") << good + "persona;2;proprietario;Neri;RSSMRA80A01H501V;;;;\n"
                                << "riga 2: il codice fiscale";
    QTest::newRow("unit the owner lacks") << good + "unita;2;2;Bologna;1;2;3;C/6\n"
                                          << "riga 2: il condomino n. 2 non ha il locale \"2\"";
    QTest::newRow("fields missing") << good + "unita;2;1;Bologna\n" << "riga 2: una riga \"unita\" ha 8";
    QTest::newRow("not in the code page") << good + QString::fromUtf8("persona;2;proprietario;Wałęsa;;;;;\n").toUtf8()
                                          << "riga 2: il testo";
    QTest::newRow("open quote") << QByteArray("persona;1;proprietario;\"Rossi;;;;;\n")
                                << "riga 1: virgolette";
}

void TestOwnersRegister::csvImportRefusesAWrongRowAndChangesNothing()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, problem);
    SharedState state;
    twoOwners(state);
    const QByteArray before = RegisterFile::toBytes(state);
    const RegisterCsv::Result result = RegisterCsv::import(csv, state);
    QVERIFY(!result.ok);
    QVERIFY2(result.problem.startsWith(problem), qPrintable(result.problem));
    QCOMPARE(RegisterFile::toBytes(state), before);
}

QTEST_GUILESS_MAIN(TestOwnersRegister)
#include "tst_ownersregister.moc"
