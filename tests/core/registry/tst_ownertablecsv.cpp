#include "core/registry/millesimalcomputation.h"
#include "core/registry/ownertablecsv.h"
#include "core/state/sharedstate.h"
#include "support/registryfixture.h"

#include <QtTest>

using namespace veltra;
using RegistryFixture::addOwner;
using RegistryFixture::makeUnit;

class TestOwnerTableCsv : public QObject
{
    Q_OBJECT

private slots:
    void quotesFieldsThatNeedIt_data();
    void quotesFieldsThatNeedIt();
    void buildsTheTable();
};

void TestOwnerTableCsv::quotesFieldsThatNeedIt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");
    QTest::newRow("plain") << "Rossi" << "Rossi";
    QTest::newRow("comma") << "333,333" << "\"333,333\"";
    QTest::newRow("quote") << "Villa \"Rosa\"" << "\"Villa \"\"Rosa\"\"\"";
    QTest::newRow("line break") << "a\nb" << "\"a\nb\"";
    QTest::newRow("empty") << "" << "";
}

void TestOwnerTableCsv::quotesFieldsThatNeedIt()
{
    QFETCH(QString, text);
    QFETCH(QString, field);
    QCOMPARE(OwnerTableCsv::field(text), field);
}

void TestOwnerTableCsv::buildsTheTable()
{
    SharedState state;
    addOwner(state, QStringLiteral("Rossi, Mario"), QStringLiteral("1"),
             {makeUnit(QStringLiteral("30"))}, QStringLiteral("via Roma 1"));
    addOwner(state, QStringLiteral("Bianchi"), QStringLiteral("1"), {makeUnit(QStringLiteral("10"))});
    addOwner(state, QStringLiteral("Verdi"), QStringLiteral("2"), {makeUnit(QStringLiteral("60"))});
    QVERIFY(recomputeTables(state));
    // S = 3: floor 1 takes 333,333… split 300 : 100, floor 2 takes 666,666….
    const QString expected = QString::fromUtf8(
        "n.,nome,indirizzo,piano,millesimi di proprietà,millesimi d'uso,millesimi per scale\n"
        "1,\"Rossi, Mario\",via Roma 1,1,\"300,000\",\"250,000\",\"275,000\"\n"
        "2,Bianchi,via Roma 1,1,\"100,000\",\"83,333\",\"91,667\"\n"
        "3,Verdi,via Roma 1,2,\"600,000\",\"666,667\",\"633,333\"\n");
    QCOMPARE(OwnerTableCsv::build(state), expected);
}

QTEST_GUILESS_MAIN(TestOwnerTableCsv)
#include "tst_ownertablecsv.moc"
