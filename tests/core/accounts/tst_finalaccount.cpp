#include "core/accounts/accountsfile.h"
#include "core/accounts/accountsyear.h"
#include "core/accounts/finalaccount.h"
#include "core/accounts/finalaccountfile.h"
#include "core/accounts/yearend.h"
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

AccountMovement movement(const QDate &day, bool receipt, long long cents, int account, MovementCause cause)
{
    AccountMovement m;
    m.operationDate = day;
    m.registrationDate = day;
    m.account = account;
    m.receipt = receipt;
    m.cents = cents;
    m.cause = cause;
    return m;
}

bool mentions(const QStringList &texts, const QString &part)
{
    for (const QString &text : texts) {
        if (text.contains(part))
            return true;
    }
    return false;
}

} // namespace

// The figures of the sample condominium's 2026 are checked against sums done by hand from
// its files: the register's openings and movements, the four items and their shares.
class TestFinalAccount : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void sampleYearGivesTheFiguresComputedByHand();
    void aFundFedByAnItemTakesItsAmountInsteadOfASupplier();
    void budgetLinesFlagWhatIsAboveATenth();
    void figureChangingProblemsBlockPrinting();
    void closingCarriesTheBalancesAndLocksTheYear();
    void inputsFileIsReadByHandAndRefusedWhenInconsistent();

private:
    FinalAccount figures(const FinalAccountInputs &inputs, const YearSeries &budget = YearSeries());

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<SharedState> m_state;
    AccountsYear m_year;
};

void TestFinalAccount::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_state = std::make_unique<SharedState>();
    const QDir sample(QStringLiteral(VELTRA_SOURCE_DIR "/data/esempio"));
    for (const QString &name : sample.entryList(QDir::Files)) {
        QFile::copy(sample.filePath(name), m_folder->filePath(name));
        QFile::setPermissions(m_folder->filePath(name), QFile::ReadOwner | QFile::WriteOwner);
    }
    QFile::remove(m_folder->filePath(QStringLiteral("Veltra-rendiconto-") + SampleName + QStringLiteral("- 2026")));
    const QString archive = m_folder->filePath(QStringLiteral("Veltra-dati-") + SampleName);
    CondominiumArchive::apply(CondominiumArchive::load(archive), *m_state);
    m_year = AccountsYear();
    const AccountsYear::Opening opening = m_year.open(archive, *m_state, 2026);
    QVERIFY2(opening.ok && !opening.created, qPrintable(opening.problem));
}

FinalAccount TestFinalAccount::figures(const FinalAccountInputs &inputs, const YearSeries &budget)
{
    return FinalAccount::compute(m_year.accounts(), m_year.series(), budget, inputs, *m_state);
}

void TestFinalAccount::sampleYearGivesTheFiguresComputedByHand()
{
    const FinalAccount account = figures(FinalAccountInputs::defaults(SampleName, 2026));
    QVERIFY2(account.canPrint(), qPrintable(account.blocking.join('\n')));
    // Bank: 18.500,00 + the 14 share receipts (9.153,00) - 1.464,00 - 8.750,00 - 7,50 - 3.024,00.
    QCOMPARE(account.accounts.at(0).receiptsCents, 915300);
    QCOMPARE(account.accounts.at(0).paymentsCents, 1324550);
    QCOMPARE(account.accounts.at(0).closingCents, 1440750);
    QCOMPARE(account.accounts.at(1).closingCents, 12660); // 150,00 - 23,40 of bulbs
    // Caruso: 212,40 carried in + 140,80 + 737,31 + 347,44 + 782,97, nothing paid, owed since before.
    const FinalAccount::Owner *caruso = account.owner(9);
    QCOMPARE(caruso->sharesCents, 200852);
    QCOMPARE(caruso->closingCents, 222092);
    QVERIFY(caruso->arrearsFromBefore);
    // Galli: her credit of 35,00 goes to item 2 (20/02) once item 1 is paid by its own receipt.
    QCOMPARE(account.owner(5)->closingCents, -3500 + 192150 - 8432);
    QCOMPARE(account.owner(5)->arrearsSince, QDate(2026, 2, 20));
    // Marchetti paid item 2 by its own receipt: item 1 of 15/01 is still open.
    QCOMPARE(account.owner(7)->arrearsSince, QDate(2026, 1, 15));
    QCOMPARE(account.owner(7)->closingCents, 11251 + 34166 + 79641);
    // Item 2's shares add up to 8.749,98: two cents short; item 3 owes 6.300,00 - 3.024,00.
    QCOMPARE(account.item(2)->roundingCents(), -2);
    QCOMPARE(account.item(3)->owedCents(), 327600);
    QCOMPARE(account.item(4)->owedCents(), 960000);
    const FinalAccount::Equation &equation = account.equation;
    QCOMPARE(equation.cashAndBankCents, 1453410);
    QCOMPARE(equation.ownersDebtsCents, 1713838);
    QCOMPARE(equation.ownersCreditsCents, 0);
    QCOMPARE(equation.supplierDebtsCents, 1287600);
    // Opening equity 18.500,00 + 150,00 + 212,40 - 35,00; the year: -0,02 of rounding, -23,40, -7,50.
    QCOMPARE(equation.openingResultCents, 1882740);
    QCOMPARE(equation.yearResultCents, -3092);
    QCOMPARE(equation.differenceCents(), 0);
    QCOMPARE(account.ownersInArrears().size(), 10);
    QCOMPARE(account.actionDeadline(), QDate(2027, 6, 30));

    // The sample's budget: the lift 1.400,00 (1.464,00 spent, 4,6 % more), the heating oil
    // 7.500,00 (8.750,00, 16,7 % more), the roof 6.300,00 as spent, the stairs' cleaning
    // 1.200,00 never spent; the metered heating was not in the budget.
    YearEnd end;
    QString problem;
    QVERIFY(end.load(m_year, &problem));
    const FinalAccount withBudget = end.figures(m_year, *m_state);
    QCOMPARE(withBudget.budget.size(), 5);
    QCOMPARE(withBudget.budget.at(0).differenceCents(), 6400);
    QVERIFY(!withBudget.budget.at(3).budgetCents);
    QCOMPARE(withBudget.budget.at(4).differenceCents(), -120000);
    QCOMPARE(withBudget.overBudget().size(), 1);
    QCOMPARE(withBudget.overBudget().first().differenceCents(), 125000);
}

void TestFinalAccount::aFundFedByAnItemTakesItsAmountInsteadOfASupplier()
{
    FinalAccountInputs inputs = FinalAccountInputs::defaults(SampleName, 2026);
    inputs.funds[0].item = 4;
    inputs.funds[0].openingCents = 50000;
    inputs.funds << FundAccount{QStringLiteral("Fondo di riserva"), 0, 0};
    QString error;
    int use = 0;
    int gift = 0;
    QVERIFY(m_year.addMovement(movement(QDate(2026, 6, 1), false, 20000, 1, MovementCause::SpecialFund), &error, &use));
    QVERIFY(m_year.addMovement(movement(QDate(2026, 6, 2), true, 7000, 1, MovementCause::SpecialFund), &error, &gift));
    inputs.fundOfMovement.insert(gift, 2);
    const FinalAccount account = figures(inputs);
    QVERIFY2(account.canPrint(), qPrintable(account.blocking.join('\n')));
    QCOMPARE(account.item(4)->owedCents(), 0);
    QCOMPARE(account.funds.at(0).contributionsCents, 960000);
    QCOMPARE(account.funds.at(0).usesCents, 20000);
    QCOMPARE(account.funds.at(0).closingCents(), 50000 + 960000 - 20000);
    QCOMPARE(account.funds.at(1).closingCents(), 7000);
    QCOMPARE(account.equation.supplierDebtsCents, 327600);
    // The fund's opening comes out of the opening equity: the bank did not change for it.
    QCOMPARE(account.equation.openingResultCents, 1882740 - 50000);
    QCOMPARE(account.equation.differenceCents(), 0);
}

void TestFinalAccount::budgetLinesFlagWhatIsAboveATenth()
{
    YearSeries budget;
    SeriesItem heating;
    heating.description = QStringLiteral("Gasolio per il riscaldamento,  primo rifornimento");
    heating.cents = 795454; // 8.750,00 is 10,0001 % above it
    SeriesItem lift;
    lift.description = m_year.series().item(1)->description;
    lift.cents = 795455;    // against item 1's 1.464,00: well below
    SeriesItem cleaning;
    cleaning.description = QStringLiteral("pulizia delle scale");
    cleaning.cents = 120000;
    budget.items = {heating, lift, cleaning};
    FinalAccount account = figures(FinalAccountInputs::defaults(SampleName, 2026), budget);
    QCOMPARE(account.budget.size(), 5); // the four items and the budget line never spent
    QCOMPARE(account.budget.at(1).budgetCents.value_or(-1), 795454);
    QVERIFY(!account.budget.at(2).budgetCents);
    QCOMPARE(account.budget.at(4).description, QStringLiteral("pulizia delle scale"));
    QCOMPARE(account.budget.at(4).differenceCents(), -120000);
    QCOMPARE(account.overBudget().size(), 1);
    QCOMPARE(account.overBudget().first().actualCents, 875000);
    budget.items[0].cents = 795455; // now 8.750,00 is 9,99994 % above
    account = figures(FinalAccountInputs::defaults(SampleName, 2026), budget);
    QVERIFY(account.overBudget().isEmpty());
}

void TestFinalAccount::figureChangingProblemsBlockPrinting()
{
    FinalAccountInputs inputs = FinalAccountInputs::defaults(SampleName, 2026);
    inputs.statementBalances << StatementBalance{QStringLiteral("Conto corrente condominiale"), QDate(2026, 3, 31),
                                                 1000000, QString()};
    // On 31/03 the register holds 18.500,00 + 9.153,00 - 1.464,00 - 8.750,00 - 7,50 = 17.431,50.
    FinalAccount account = figures(inputs);
    QCOMPARE(account.accounts.at(0).statementCents.value_or(0), 1000000);
    QVERIFY(mentions(account.blocking, QStringLiteral("17.431,50")));
    inputs.statementBalances[0].cents = 1743150;
    QVERIFY(figures(inputs).canPrint());
    // The difference is the one on the statement's day, not against the year's closing.
    QCOMPARE(figures(inputs).accounts.at(0).differenceCents(), 0);

    QString error;
    int transfer = 0;
    QVERIFY(m_year.addMovement(movement(QDate(2026, 5, 4), false, 10000, 1, MovementCause::Transfer), &error, &transfer));
    QVERIFY(m_year.addMovement(movement(QDate(2026, 5, 4), true, 10000, 2, MovementCause::Transfer), &error));
    QVERIFY(figures(inputs).canPrint());
    QVERIFY(m_year.addMovement(movement(QDate(2026, 5, 9), false, 5000, 1, MovementCause::Transfer), &error));
    AccountMovement late = movement(QDate(2027, 1, 3), false, 100, 1, MovementCause::BankCharges);
    QVERIFY(m_year.addMovement(late, &error));
    AccountMovement unknownItem = movement(QDate(2026, 6, 3), false, 100, 1, MovementCause::Expense);
    unknownItem.item = 7;
    QVERIFY(m_year.addMovement(unknownItem, &error));
    account = figures(inputs);
    QVERIFY(mentions(account.blocking, QStringLiteral("del 09/05/2026 di 50,00 euro: giroconto senza")));
    QVERIFY(mentions(account.blocking, QStringLiteral("non torna")));
    QVERIFY(mentions(account.blocking, QStringLiteral("03/01/2027 di 1,00 euro: la data è fuori")));
    QVERIFY(mentions(account.blocking, QStringLiteral("la voce 7 non è tra le spese")));
    QVERIFY(!mentions(account.blocking, QStringLiteral("04/05/2026")));

    m_state->condoName = QStringLiteral("Condominio Le Querce");
    QVERIFY(mentions(figures(inputs).blocking, QStringLiteral("l'archivio di \"Condominio Le Querce\"")));
}

void TestFinalAccount::closingCarriesTheBalancesAndLocksTheYear()
{
    YearEnd end;
    QString error;
    QVERIFY(end.load(m_year, &error));
    const QString copy = m_folder->filePath(QStringLiteral("copia del registro 2026"));
    QVERIFY(QFile::copy(m_year.path(), copy));
    QString next;
    QVERIFY2(end.close(m_year, *m_state, QDate(2027, 2, 1), &error, &next), qPrintable(error));
    AccountsFile::LoadResult carried = AccountsFile::load(next);
    QVERIFY2(carried.isComplete(), qPrintable(carried.problem));
    QCOMPARE(carried.accounts.year, 2027);
    QCOMPARE(carried.accounts.firstDay, QDate(2027, 1, 1));
    QCOMPARE(carried.accounts.ownerOpenings.value(9), 222092);
    QCOMPARE(carried.accounts.ownerOpenings.value(5), 180218);
    QCOMPARE(carried.accounts.accounts.at(0).openingCents, 1440750);
    QCOMPARE(carried.accounts.accounts.at(1).openingCents, 12660);
    QVERIFY(AccountsFile::load(m_year.path()).accounts.closed);
    QVERIFY(!m_year.addMovement(movement(QDate(2026, 7, 1), true, 100, 1, MovementCause::Other), &error));
    QVERIFY(!end.saveInputs(m_year, end.inputs(), &error));
    QVERIFY(!end.close(m_year, *m_state, QDate(2027, 2, 2), &error));
    // The payments window marks owner 2's share of item 4 paid: the closed year does not take it.
    QVERIFY(YearSeries::writePaymentDays(m_year.series().item(4)->path, {{2, QDate(2027, 1, 20)}}, &error));
    AccountsYear reread;
    AccountsYear::Opening opening = reread.openFile(m_year.path(), *m_state);
    QVERIFY(opening.ok);
    QCOMPARE(reread.accounts().movements().size(), m_year.accounts().movements().size());
    QVERIFY(opening.notices.join('\n').contains(QStringLiteral("è chiuso")));
    // A register is read from the file named, not from the one the archive's name gives.
    QVERIFY(reread.openFile(copy, *m_state).ok);
    QVERIFY(!reread.accounts().closed);
    QCOMPARE(reread.path(), copy);
    QVERIFY(YearSeries::writePaymentDays(m_year.series().item(4)->path, {{2, QDate()}}, &error));

    QVERIFY(!end.reopen(m_year, QStringLiteral("  "), QDate(2027, 2, 3), &error));
    QVERIFY(end.reopen(m_year, QStringLiteral("fattura del gasolio registrata in ritardo"), QDate(2027, 2, 3), &error));
    const FinalAccountFile::LoadResult record = FinalAccountFile::load(end.path());
    QCOMPARE(record.inputs.history.size(), 2);
    QVERIFY(record.inputs.history.at(0).closed);
    QVERIFY(!record.inputs.history.at(1).closed);
    QCOMPARE(record.inputs.history.at(1).reason, QStringLiteral("fattura del gasolio registrata in ritardo"));
    // Caruso pays 100,00 on account after all: closing again rewrites the next year's openings.
    AccountMovement payment = movement(QDate(2026, 12, 20), true, 10000, 1, MovementCause::Share);
    payment.owner = 9;
    QVERIFY2(m_year.addMovement(payment, &error), qPrintable(error));
    QVERIFY2(end.close(m_year, *m_state, QDate(2027, 2, 4), &error), qPrintable(error));
    carried = AccountsFile::load(next);
    QCOMPARE(carried.accounts.ownerOpenings.value(9), 212092);
    QCOMPARE(carried.accounts.accounts.at(0).openingCents, 1450750);
}

void TestFinalAccount::inputsFileIsReadByHandAndRefusedWhenInconsistent()
{
    const QByteArray bytes = crlf("\"VELTRA-RENDICONTO\",1\n"
                                  "\"Rossi\",2026\n"
                                  "\"criterio\",\"Per cassa.\"\n"
                                  "\"fatto\",\"Rifatto il tetto.\"\n"
                                  "\"fatto\",\"Cambiato l'ascensore.\"\n"
                                  "\"contratto\",\"pulizia\",\"Lindo srl\",\"31/12/2027\",\"\"\n"
                                  "\"questione\",\"decreto ingiuntivo\",\"condominio / Verdi\",\"notificato\"\n"
                                  "\"fondo\",\"Fondo speciale\",-1250,0\n"
                                  "\"fondo\",\"Riserva\",300,4\n"
                                  "\"fondo-movimento\",12,2\n"
                                  "\"estratto\",\"Banca\",\"31/12/2026\",150000,\"assegno non incassato\"\n"
                                  "\"storia\",\"15/01/2027\",\"chiuso\",\"\"\n");
    const FinalAccountFile::LoadResult file = FinalAccountFile::read(bytes);
    QVERIFY2(file.isComplete(), qPrintable(file.problem));
    const FinalAccountInputs &inputs = file.inputs;
    QCOMPARE(inputs.note.facts, QStringList({QStringLiteral("Rifatto il tetto."), QStringLiteral("Cambiato l'ascensore.")}));
    QCOMPARE(inputs.note.contracts.at(0).expiry, QDate(2027, 12, 31));
    QCOMPARE(inputs.note.questions.at(0).stage, QStringLiteral("notificato"));
    QCOMPARE(inputs.funds.at(0).openingCents, -1250);
    QCOMPARE(inputs.funds.at(1).item, 4);
    QCOMPARE(inputs.fundOf(12), 2);
    QCOMPARE(inputs.fundOf(13), 1);
    QCOMPARE(inputs.statementOf(QStringLiteral("Banca"))->explanation, QStringLiteral("assegno non incassato"));
    QCOMPARE(inputs.history.at(0).day, QDate(2027, 1, 15));
    QCOMPARE(FinalAccountFile::bytes(inputs), bytes);

    QByteArray orphan = bytes;
    orphan.replace("\"fondo-movimento\",12,2", "\"fondo-movimento\",12,3");
    QVERIFY(FinalAccountFile::read(orphan).problem.contains(QStringLiteral("fondo 3")));
    QByteArray noFund = bytes;
    noFund.replace("\"fondo\",\"Fondo speciale\",-1250,0\r\n", "").replace("\"fondo\",\"Riserva\",300,4\r\n", "")
        .replace("\"fondo-movimento\",12,2\r\n", "");
    QVERIFY(!FinalAccountFile::read(noFund).isComplete());
    QByteArray badDay = bytes;
    badDay.replace("31/12/2027", "31/02/2027");
    QVERIFY(FinalAccountFile::read(badDay).problem.contains(QStringLiteral("riga 6")));
    QVERIFY(FinalAccountFile::read(badDay).inputs.funds.isEmpty());
    FinalAccountInputs quoted = inputs;
    quoted.note.facts << QStringLiteral("il \"superbonus\"");
    QString error;
    QVERIFY(FinalAccountFile::bytes(quoted, &error).isEmpty());
    QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(TestFinalAccount)
#include "tst_finalaccount.moc"
