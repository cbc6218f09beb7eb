#include "core/registry/administratorfile.h"
#include "core/registry/taxcode.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace veltra;

namespace {

AdministratorDetails studio()
{
    AdministratorDetails details;
    details.name = QStringLiteral("Studio Rossi");
    details.address = QStringLiteral("via Roma 1, 40121 Bologna");
    details.fiscalCode = QStringLiteral("RSSMRA79B11C566R");
    details.phone = QStringLiteral("051 123456");
    details.pec = QStringLiteral("studio.rossi@pec.it");
    details.registersPlace = QStringLiteral("lo studio");
    details.inspectionHours = QStringLiteral("il martedì dalle 15 alle 18");
    return details;
}

} // namespace

// The administrator's tax identifiers, his details' file and the letterhead made of them.
class TestAdministratorDetails : public QObject
{
    Q_OBJECT

private slots:
    void personalCodesByTheirCheckLetter_data();
    void personalCodesByTheirCheckLetter();
    void vatNumbersByTheirCheckDigit();
    void fileHoldsAFormatLineAndTheNineTexts();
    void foreignOrCutShortFilesAreRefused();
    void letterheadSkipsWhatIsNotSet();
};

void TestAdministratorDetails::personalCodesByTheirCheckLetter_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("valid");
    // Rossi Mario, born 11/02/1979 in Cesano Maderno (C566): the fifteen characters weigh
    // 121 in all, and 121 mod 26 = 17 gives R.
    QTest::newRow("valid") << "RSSMRA79B11C566R" << true;
    QTest::newRow("lower case") << "rssmra79b11c566r" << true;
    QTest::newRow("wrong check letter") << "RSSMRA79B11C566S" << false;
    QTest::newRow("neighbours swapped") << "RSSMRA79B11C656R" << false;
    // Omocodia: the last digit 6 of C566 becomes S; in an odd place 6 weighs 15 and S 12,
    // so the sum drops by 3 to 118, and 118 mod 26 = 14 gives O.
    QTest::newRow("omocodia") << "RSSMRA79B11C56SO" << true;
    QTest::newRow("no such month letter") << "RSSMRA79F11C566R" << false;
    QTest::newRow("too short") << "RSSMRA79B11C566" << false;
}

void TestAdministratorDetails::personalCodesByTheirCheckLetter()
{
    QFETCH(QString, code);
    QFETCH(bool, valid);
    QCOMPARE(TaxCode::isPersonalCode(code), valid);
}

void TestAdministratorDetails::vatNumbersByTheirCheckDigit()
{
    // 0 6 3 6 3 3 9 1 0 0: odd places 0+3+3+9+0 = 15, even places doubled 12→3, 12→3, 6, 2,
    // 0 = 14; (10 - 29 mod 10) mod 10 = 1.
    QVERIFY(TaxCode::isVatNumber(QStringLiteral("06363391001")));
    QVERIFY(!TaxCode::isVatNumber(QStringLiteral("06363391002")));
    QVERIFY(!TaxCode::isVatNumber(QStringLiteral("6363391001")));
    QVERIFY(TaxCode::isFiscalCode(QStringLiteral("06363391001")));
    QVERIFY(!TaxCode::isFiscalCode(QStringLiteral("06363391OO1")));
}

void TestAdministratorDetails::fileHoldsAFormatLineAndTheNineTexts()
{
    const QByteArray expected =
        "\"Veltra-amministratore\",1\r\n"
        "\"Studio Rossi\",\"via Roma 1, 40121 Bologna\",\"RSSMRA79B11C566R\",\"\","
        "\"051 123456\",\"\",\"studio.rossi@pec.it\",\"lo studio\",\"il marted\xec dalle 15 alle 18\"\r\n";
    QCOMPARE(AdministratorFile::bytes(studio()), expected);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Veltra/Veltra-amministratore"));
    QString problem;
    QCOMPARE(AdministratorFile::load(path, &problem), std::optional(AdministratorDetails()));
    QString error;
    QVERIFY(AdministratorFile::save(studio(), path, &error));
    QCOMPARE(AdministratorFile::load(path, &problem), std::optional(studio()));
    AdministratorDetails quoted = studio();
    quoted.name = QStringLiteral("Studio \"Rossi\"");
    QVERIFY(!AdministratorFile::save(quoted, path, &error));
    QCOMPARE(AdministratorFile::load(path, &problem), std::optional(studio()));
}

void TestAdministratorDetails::foreignOrCutShortFilesAreRefused()
{
    QString problem;
    QVERIFY(!AdministratorFile::read("\"Veltra-dati\",1\r\n", &problem));
    QCOMPARE(problem, QStringLiteral("non è un file dei dati dell'amministratore"));
    QVERIFY(!AdministratorFile::read("\"Veltra-amministratore\",2\r\n", &problem));
    QVERIFY(problem.contains(QStringLiteral("versione più recente")));
    QVERIFY(!AdministratorFile::read("\"Veltra-amministratore\",1\r\n\"Studio Rossi\",\"via Roma\"\r\n",
                                     &problem));
    QCOMPARE(problem, QStringLiteral("la riga 2 è incompleta o illeggibile"));
}

void TestAdministratorDetails::letterheadSkipsWhatIsNotSet()
{
    QCOMPARE(studio().letterhead(),
             QStringList({"Studio Rossi", "via Roma 1, 40121 Bologna", "C.F. RSSMRA79B11C566R",
                          "tel. 051 123456 - PEC studio.rossi@pec.it",
                          "Registri condominiali consultabili presso lo studio - il martedì dalle 15 alle 18"}));
    QVERIFY(AdministratorDetails().letterhead().isEmpty());
    QVERIFY(AdministratorDetails().isEmpty());
    QVERIFY(!studio().isEmpty());
}

QTEST_GUILESS_MAIN(TestAdministratorDetails)
#include "tst_administratordetails.moc"
