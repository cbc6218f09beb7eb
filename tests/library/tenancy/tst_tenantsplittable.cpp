#include "library/tenancy/tenantsplittable.h"

#include <QTest>

using namespace veltra;

class TestTenantSplitTable : public QObject
{
    Q_OBJECT

private slots:
    void holdsSeventyFourRowsWhoseSharesMakeAHundred();
    void rowsAsListed_data();
    void rowsAsListed();
    void categoriesCoverTheirRowsInOrder_data();
    void categoriesCoverTheirRowsInOrder();
};

void TestTenantSplitTable::holdsSeventyFourRowsWhoseSharesMakeAHundred()
{
    QCOMPARE(TenantSplitTable::rows().size(), 74);
    for (const TenantSplitRow &row : TenantSplitTable::rows()) {
        QVERIFY(row.tenantPercent == 0 || row.tenantPercent == 90 || row.tenantPercent == 100);
        QCOMPARE(row.landlordPercent() + row.tenantPercent, 100);
    }
}

void TestTenantSplitTable::rowsAsListed_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("tipologia");
    QTest::addColumn<QString>("spesa");
    QTest::addColumn<int>("tenant");
    QTest::addColumn<int>("landlord");
    QTest::newRow("1") << 1 << "Amministrazione"
                       << "Tassa occupazione suolo pubblico per passo carrabile" << 100 << 0;
    QTest::newRow("4") << 4 << "Ascensore"
                       << "Installazione e manutenzione straordinaria degli impianti" << 0 << 100;
    QTest::newRow("44") << 44 << "Interno all'appartamento"
                        << "Manutenzione ordinaria di apparecchi e condutture di elettricità e "
                           "dell'impianto citofonico"
                        << 100 << 0;
    QTest::newRow("60") << 60 << "Portierato"
                        << "Trattamento economico del portiere e del sostituto, compresi "
                           "contributi previdenziali e assicurativi, liquidazione, ecc."
                        << 90 << 10;
    QTest::newRow("63") << 63 << "Portierato" << "Manutenzione ordinaria della guardiola" << 90 << 10;
    QTest::newRow("64") << 64 << "Portierato" << "Manutenzione straordinaria della guardiola" << 0 << 100;
    QTest::newRow("74") << 74 << "Sgombero neve"
                        << "Spese relative al servizio, compresi i materiali d'uso" << 100 << 0;
}

void TestTenantSplitTable::rowsAsListed()
{
    QFETCH(int, n);
    QFETCH(QString, tipologia);
    QFETCH(QString, spesa);
    QFETCH(int, tenant);
    QFETCH(int, landlord);
    const TenantSplitRow &row = TenantSplitTable::row(n);
    QCOMPARE(row.tipologia, tipologia);
    QCOMPARE(row.spesa, spesa);
    QCOMPARE(row.tenantPercent, tenant);
    QCOMPARE(row.landlordPercent(), landlord);
}

void TestTenantSplitTable::categoriesCoverTheirRowsInOrder_data()
{
    QTest::addColumn<QString>("tipologia");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("Amministrazione") << "Amministrazione" << 1 << 2;
    QTest::newRow("Ascensore") << "Ascensore" << 3 << 8;
    QTest::newRow("Autoclave") << "Autoclave" << 9 << 14;
    QTest::newRow("Impianti elettrici") << "Impianti elettrici" << 15 << 22;
    QTest::newRow("Impianti di riscaldamento") << "Impianti di riscaldamento" << 23 << 28;
    QTest::newRow("Impianti sportivi") << "Impianti sportivi" << 29 << 31;
    QTest::newRow("Impianto antincendio") << "Impianto antincendio" << 32 << 35;
    QTest::newRow("Impianto televisivo") << "Impianto televisivo" << 36 << 37;
    QTest::newRow("Interno all'appartamento") << "Interno all'appartamento" << 38 << 46;
    QTest::newRow("Parti comuni") << "Parti comuni" << 47 << 59;
    QTest::newRow("Portierato") << "Portierato" << 60 << 64;
    QTest::newRow("Pulizia") << "Pulizia" << 65 << 73;
    QTest::newRow("Sgombero neve") << "Sgombero neve" << 74 << 74;
}

void TestTenantSplitTable::categoriesCoverTheirRowsInOrder()
{
    QFETCH(QString, tipologia);
    QFETCH(int, first);
    QFETCH(int, last);
    for (int n = first; n <= last; ++n)
        QCOMPARE(TenantSplitTable::row(n).tipologia, tipologia);
    if (first > 1)
        QVERIFY(TenantSplitTable::row(first - 1).tipologia != tipologia);
    if (last < 74)
        QVERIFY(TenantSplitTable::row(last + 1).tipologia != tipologia);
}

QTEST_APPLESS_MAIN(TestTenantSplitTable)
#include "tst_tenantsplittable.moc"
