#include "core/accounts/accountscheck.h"
#include "core/accounts/accountsfile.h"
#include "core/accounts/accountsyear.h"
#include "core/accounts/movementscsv.h"
#include "core/accounts/ownerledger.h"
#include "core/accounts/ownerpairing.h"
#include "core/expenses/expensearchive.h"
#include "core/registry/condominiumarchive.h"
#include "core/state/sharedstate.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace veltra;

namespace {

const QString SampleName = QStringLiteral("Condominio Le Magnolie");

QByteArray crlf(const char *text)
{
    return QByteArray(text).replace("\n", "\r\n");
}

AccountMovement movement(const QDate &day, bool receipt, long long cents, int account = 1)
{
    AccountMovement m;
    m.operationDate = day;
    m.registrationDate = day;
    m.account = account;
    m.receipt = receipt;
    m.cents = cents;
    return m;
}

QStringList findingTexts(const QList<AccountsCheck::Finding> &findings)
{
    QStringList texts;
    for (const AccountsCheck::Finding &finding : findings)
        texts << finding.text;
    return texts;
}

} // namespace

class TestAccountsRegister : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void fileReadsAndWritesTheFormatByHand();
    void unreadableFileIsRefusedWholeWithItsLine();
    void sharePaymentsAreOneRecordOnBothSides();
    void ownersDeletedInTheArchiveAreFollowed();
    void checksNameEachBrokenRule();
    void interchangeCsvIsPinnedAndRefusesBadRows();

private:
    QString copySample();

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<SharedState> m_state;
};

void TestAccountsRegister::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_state = std::make_unique<SharedState>();
    QVERIFY(m_folder->isValid());
}

QString TestAccountsRegister::copySample()
{
    const QDir sample(QStringLiteral(VELTRA_SOURCE_DIR "/data/esempio"));
    for (const QString &name : sample.entryList(QDir::Files)) {
        QFile::remove(m_folder->filePath(name));
        if (!name.startsWith(QStringLiteral("Veltra-contabilita-"))) {
            QFile::copy(sample.filePath(name), m_folder->filePath(name));
            QFile::setPermissions(m_folder->filePath(name), QFile::ReadOwner | QFile::WriteOwner);
        }
    }
    const QString archive = m_folder->filePath(QStringLiteral("Veltra-dati-") + SampleName);
    const CondominiumArchive::LoadResult loaded = CondominiumArchive::load(archive);
    CondominiumArchive::apply(loaded, *m_state);
    return archive;
}

void TestAccountsRegister::fileReadsAndWritesTheFormatByHand()
{
    const QByteArray bytes = crlf("\"VELTRA-CONTABILITA\",1\n"
                                  "\"Rossi\",2026,\"01/07/2026\",0\n"
                                  "\"conto\",\"Banca\",\"IT60X0542811101000000123456\",0,150000,\"\"\n"
                                  "\"conto\",\"Cassa\",\"\",1,-2050,\"\"\n"
                                  "\"condomino\",2,\"Bianchi\",-1999\n"
                                  "\"movimento\",1,\"03/07/2026\",\"05/07/2026\",2,\"uscita\",1234,0,\"Idraulica srl\","
                                  "\"01234567897\",\"spesa\",4,\"riparazione\",\"fatt. 7\",\"\",\"\"\n"
                                  "\"movimento\",3,\"02/07/2026\",\"02/07/2026\",1,\"entrata\",5000,2,\"\",\"\",\"quota\",0,"
                                  "\"acconto\",\"\",\"nota\",\"\"\n");
    const AccountsFile::LoadResult file = AccountsFile::read(bytes);
    QVERIFY2(file.isComplete(), qPrintable(file.problem));
    const AccountsRegister &accounts = file.accounts;
    QCOMPARE(accounts.firstDay, QDate(2026, 7, 1));
    QCOMPARE(accounts.lastDay(), QDate(2027, 6, 30));
    QCOMPARE(accounts.accounts.size(), 2);
    QVERIFY(accounts.accounts.at(1).cash);
    QCOMPARE(accounts.ownerOpenings.value(2), -1999);
    QCOMPARE(accounts.movements().size(), 2);
    const AccountMovement *repair = accounts.movement(1);
    QCOMPARE(repair->cause, MovementCause::Expense);
    QCOMPARE(repair->item, 4);
    QVERIFY(!repair->receipt);
    // The chronological order is by the day of the operation, whatever the number.
    QCOMPARE(accounts.chronological(), QList<int>({1, 0}));
    // Bank 1500,00 + 50,00; cash -20,50 - 12,34.
    QCOMPARE(accounts.closingBalance(1), 155000);
    QCOMPARE(accounts.closingBalance(2), -3284);
    QCOMPARE(accounts.balance(2, QDate(2026, 7, 2)), -2050);
    QCOMPARE(AccountsFile::bytes(accounts), bytes);
    // A movement added takes the number after the highest.
    AccountsRegister more = accounts;
    QCOMPARE(more.add(movement(QDate(2026, 8, 1), true, 100)), 4);
}

void TestAccountsRegister::unreadableFileIsRefusedWholeWithItsLine()
{
    const QList<std::pair<QByteArray, int>> cases = {
        {crlf("\"VELTRA-CONTABILITA\",1\n\"R\",2026,\"01/01/2026\",0\n\"conto\",\"B\",\"\",0,0,\"\"\n"
              "\"movimento\",1,\"31/02/2026\",\"01/03/2026\",1,\"entrata\",100,0,\"\",\"\",\"altro\",0,\"\",\"\",\"\",\"\"\n"), 4},
        {crlf("\"VELTRA-CONTABILITA\",1\n\"R\",2026,\"01/01/2026\",0\n\"conto\",\"B\",\"\",0,0,\"\"\n"
              "\"movimento\",1,\"01/02/2026\",\"01/03/2026\",2,\"entrata\",100,0,\"\",\"\",\"altro\",0,\"\",\"\",\"\",\"\"\n"), 4},
        {crlf("\"VELTRA-CONTABILITA\",1\n\"R\",2026,\"01/01/2026\",0\n\"conto\",\"B\",\"\",0,0,\"\"\n"
              "\"movimento\",1,\"01/02/2026\",\"01/03/2026\",1,\"entrata\",0,0,\"\",\"\",\"altro\",0,\"\",\"\",\"\",\"\"\n"), 4},
        {crlf("\"VELTRA-CONTABILITA\",1\n\"R\",2026,\"01/01/2026\",0\n\"conto\",\"B\",\"\",0,0,\"\"\n"
              "\"movimento\",2,\"01/02/2026\",\"01/03/2026\",1,\"entrata\",10,0,\"\",\"\",\"dono\",0,\"\",\"\",\"\",\"\"\n"), 4},
        {crlf("\"VELTRA-ANAGRAFE\",1\n"), 1},
    };
    for (const auto &[bytes, line] : cases) {
        const AccountsFile::LoadResult file = AccountsFile::read(bytes);
        QVERIFY(!file.isComplete());
        QCOMPARE(file.failedLine, line);
        QVERIFY(file.accounts.movements().isEmpty());
        QVERIFY2(file.problem.contains(QStringLiteral("riga %1").arg(line)), qPrintable(file.problem));
    }
    // A register that cannot be read is never replaced by opening it.
    const QString archive = copySample();
    const QString path = AccountsFile::pathBeside(archive, 2026);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(cases.first().first);
    file.close();
    AccountsYear year;
    QVERIFY(!year.open(archive, *m_state, 2026).ok);
    QFile reread(path);
    QVERIFY(reread.open(QIODevice::ReadOnly));
    QCOMPARE(reread.readAll(), cases.first().first);
}

void TestAccountsRegister::sharePaymentsAreOneRecordOnBothSides()
{
    const QString archive = copySample();
    AccountsYear year;
    const AccountsYear::Opening opening = year.open(archive, *m_state, 2026);
    QVERIFY2(opening.ok, qPrintable(opening.problem));
    QVERIFY(opening.created);
    QVERIFY(QFile::exists(m_folder->filePath(QStringLiteral("Veltra-contabilita-") + SampleName + QStringLiteral("- 2026"))));
    // Owner 3 paid item 1 (56,69) on 30/01/2026 and item 2 (855,83) on 05/03/2026 in the
    // payments window; items 3 (325,26) and 4 (883,80) are open.
    OwnerLedger ledger = OwnerLedger::of(year.accounts(), year.series(), 3);
    QCOMPARE(ledger.movements.size(), 2);
    QCOMPARE(ledger.movements.first().operationDate, QDate(2026, 1, 30));
    QCOMPARE(ledger.paidCents(), 5669 + 85583);
    QCOMPARE(ledger.balanceCents(), 5669 + 85583 + 32526 + 88380 - 5669 - 85583);

    // A receipt of item 3 entered in the register sets the payment day in the series.
    AccountMovement receipt = movement(QDate(2026, 4, 2), true, 32526);
    receipt.owner = 3;
    receipt.item = 3;
    receipt.cause = MovementCause::Share;
    QString error;
    int number = 0;
    QVERIFY2(year.addMovement(receipt, &error, &number), qPrintable(error));
    const QString item3 = m_folder->filePath(QStringLiteral("Veltra-spese-") + SampleName + QStringLiteral("- 2026 3"));
    QCOMPARE(ExpenseArchive::load(item3, true).owners.at(2).paymentDate, QStringLiteral("02/04/2026"));
    // Not twice, nor for another amount than the share.
    QVERIFY(!year.addMovement(receipt, &error));
    receipt.item = 4;
    receipt.cents = 10000;
    QVERIFY(!year.addMovement(receipt, &error));
    QVERIFY(error.contains(QStringLiteral("883,80")));

    // The payments window clears item 1's day and moves item 2's: the register follows.
    const QString item1 = m_folder->filePath(QStringLiteral("Veltra-spese-") + SampleName + QStringLiteral("- 2026 1"));
    const QString item2 = m_folder->filePath(QStringLiteral("Veltra-spese-") + SampleName + QStringLiteral("- 2026 2"));
    QVERIFY(YearSeries::writePaymentDays(item1, {{3, QDate()}}, &error));
    QVERIFY(YearSeries::writePaymentDays(item2, {{3, QDate(2026, 3, 9)}}, &error));
    AccountsYear again;
    QVERIFY(again.open(archive, *m_state, 2026).ok);
    ledger = OwnerLedger::of(again.accounts(), again.series(), 3);
    QCOMPARE(ledger.movements.size(), 2);
    QCOMPARE(ledger.movements.at(0).operationDate, QDate(2026, 3, 9));
    QCOMPARE(ledger.movements.at(0).item, 2);
    QCOMPARE(ledger.movements.at(1).number, number);
    // Removing the receipt clears the day in the series.
    QVERIFY(again.removeMovement(number, &error));
    QVERIFY(ExpenseArchive::load(item3, true).owners.at(2).paymentDate.isEmpty());
}

void TestAccountsRegister::ownersDeletedInTheArchiveAreFollowed()
{
    AccountsRegister accounts;
    accounts.accounts << LedgerAccount{QStringLiteral("Banca"), QString(), false, 0, QString()};
    accounts.ownerNames = {{1, QStringLiteral("Rossi")}, {2, QStringLiteral("Verdi")}, {3, QStringLiteral("Neri")}};
    accounts.ownerOpenings = {{1, 1000}, {3, 3000}};
    for (int owner : {1, 2, 3}) {
        AccountMovement m = movement(QDate(2026, 2, owner), true, owner * 100);
        m.owner = owner;
        accounts.add(m);
    }
    // Rossi was deleted: Verdi and Neri moved up one number.
    m_state->owner(1).ownerName = QStringLiteral("Verdi");
    m_state->owner(2).ownerName = QStringLiteral("Neri");
    const QStringList messages = OwnerPairing::follow(accounts, *m_state);
    QCOMPARE(accounts.movement(2)->owner, 1);
    QCOMPARE(accounts.movement(3)->owner, 2);
    QCOMPARE(accounts.movement(1)->owner, 0);
    QCOMPARE(accounts.movement(1)->supplier, QStringLiteral("Rossi"));
    QCOMPARE(accounts.ownerOpenings, (QMap<int, long long>{{2, 3000}}));
    QCOMPARE(messages.size(), 4);
    QCOMPARE(accounts.ownerNames.value(2), QStringLiteral("Neri"));
}

void TestAccountsRegister::checksNameEachBrokenRule()
{
    const QString archive = copySample();
    AccountsYear year;
    QVERIFY(year.open(archive, *m_state, 2026).ok);
    AccountsRegister accounts = year.accounts();
    accounts.accounts[0].iban = QStringLiteral("IT60X0542811101000000123457");
    AccountMovement late = movement(QDate(2026, 2, 2), false, 1000);
    late.registrationDate = QDate(2026, 3, 5);
    late.supplier = QStringLiteral("Idraulica srl");
    late.supplierCode = QStringLiteral("01234567890");
    accounts.add(late);
    accounts.add(late);
    accounts.add(movement(QDate(2027, 1, 1), true, 500));
    accounts.add(movement(QDate(2026, 5, 1), false, 100, 2));
    AccountMovement overpaid = movement(QDate(2026, 6, 1), true, 500000);
    overpaid.owner = 1;
    overpaid.cause = MovementCause::Share;
    accounts.add(overpaid);
    AccountMovement lift = movement(QDate(2026, 6, 2), false, 146401);
    lift.cause = MovementCause::Expense;
    lift.item = 1;
    accounts.add(lift);
    const QStringList texts = findingTexts(AccountsCheck::check(accounts, year.series(), *m_state));
    const QStringList expected = {
        QStringLiteral("l'IBAN IT60X0542811101000000123457 non supera"),
        QStringLiteral("del 02/02/2026 di 10,00 euro: registrato 31 giorni dopo l'operazione"),
        QStringLiteral("la partita IVA 01234567890 non supera"),
        QStringLiteral("uguale al movimento n."),
        QStringLiteral("del 01/01/2027 di 5,00 euro: data fuori dall'esercizio (01/01/2026 - 31/12/2026)"),
        QStringLiteral("del 01/05/2026 di 1,00 euro: movimento di cassa"),
        QStringLiteral("conto \"Cassa\": saldo negativo (-1,00 euro) il 01/05/2026"),
        // Owner 1 owes 79,79 + 0,00 + 76,02 + 0,00 for the year and has paid the first.
        QStringLiteral("di 5.000,00 euro: supera quanto il condomino doveva (76,02 euro)"),
        QStringLiteral("i pagamenti della voce 1 (1.464,01 euro) superano il suo importo (1.464,00 euro)"),
    };
    for (const QString &part : expected)
        QVERIFY2(texts.join(QLatin1Char('\n')).contains(part), qPrintable(part + QStringLiteral("\n--\n") + texts.join(QLatin1Char('\n'))));
    // The twin of the late movement is late and miscoded as well.
    QCOMPARE(texts.size(), expected.size() + 2);
}

void TestAccountsRegister::interchangeCsvIsPinnedAndRefusesBadRows()
{
    AccountsRegister accounts;
    accounts.firstDay = QDate(2026, 1, 1);
    accounts.accounts << LedgerAccount{QStringLiteral("Banca"), QString(), false, 123456, QString()};
    accounts.ownerOpenings = {{4, -2505}};
    AccountMovement fee = movement(QDate(2026, 3, 31), false, 705);
    fee.cause = MovementCause::BankCharges;
    fee.description = QStringLiteral("spese; trimestre");
    accounts.add(fee);
    const QString expected = QStringLiteral(
        "numero;data_operazione;data_registrazione;conto;tipo;importo;condomino;fornitore;codice_fiscale;causale;voce;descrizione;documento\n"
        ";01/01/2026;01/01/2026;Banca;entrata;1234,56;;;;apertura;;;\n"
        ";01/01/2026;01/01/2026;;uscita;25,05;4;;;apertura;;;\n"
        "1;31/03/2026;31/03/2026;Banca;uscita;7,05;;;;banca;;\"spese; trimestre\";\n");
    QCOMPARE(QString::fromUtf8(MovementsCsv::write(accounts)), expected);
    const MovementsCsv::Result back = MovementsCsv::read(expected.toUtf8());
    QVERIFY2(back.ok, qPrintable(back.problem));
    QCOMPARE(back.accounts.accounts.first().openingCents, 123456);
    QCOMPARE(back.accounts.ownerOpenings.value(4), -2505);
    QCOMPARE(back.accounts.movement(1)->description, QStringLiteral("spese; trimestre"));
    const QString header = MovementsCsv::header() + QLatin1Char('\n');
    for (const QString &row : {QStringLiteral("1;31/03/2026;31/03/2026;Banca;uscita;1.234;;;;banca;;x;"),
                               QStringLiteral("1;31/03/2026;31/03/2026;Banca;uscita;-7,05;;;;banca;;x;"),
                               QStringLiteral("1;31/3/26;31/03/2026;Banca;uscita;7,05;;;;banca;;x;"),
                               QStringLiteral("1;31/03/2026;31/03/2026;Banca;prelievo;7,05;;;;banca;;x;"),
                               QStringLiteral("1;31/03/2026;31/03/2026;Banca;uscita;7,05;;;;regalo;;x;")}) {
        const MovementsCsv::Result refused = MovementsCsv::read((header + QStringLiteral("\n") + row).toUtf8());
        QVERIFY2(!refused.ok && refused.problem.startsWith(QStringLiteral("riga 3:")), qPrintable(row + refused.problem));
    }
}

QTEST_GUILESS_MAIN(TestAccountsRegister)
#include "tst_accountsregister.moc"
