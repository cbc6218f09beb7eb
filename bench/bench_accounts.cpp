// Times the register of movements of a large supercondominium's year: 500 owners and 20,000
// movements, some 40 each. Opening the register beside its archive (reading the file and
// following the owners), the balances brought up to date after one movement changes, and
// the register's printout built and written as .odt.

#include "core/accounts/accountsfile.h"
#include "core/accounts/accountsyear.h"
#include "core/accounts/ownerledger.h"
#include "core/registry/condominiumarchive.h"
#include "core/state/sharedstate.h"
#include "reports/accounts/accountsregisterprintout.h"
#include "reports/document/reportdocument.h"
#include "support/registryfixture.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>

using namespace veltra;

namespace {

constexpr int Owners = 500;
constexpr int Movements = 20000;
constexpr int Rounds = 50;

AccountsRegister largeRegister(const SharedState &state)
{
    AccountsRegister accounts;
    accounts.condoName = state.condoName;
    accounts.year = 2026;
    accounts.firstDay = QDate(2026, 1, 1);
    accounts.accounts = {LedgerAccount{QStringLiteral("Banca"), QString(), false, 1000000, QString()},
                         LedgerAccount{QStringLiteral("Cassa"), QString(), true, 0, QString()}};
    for (int n = 0; n < Movements; ++n) {
        AccountMovement movement;
        movement.operationDate = accounts.firstDay.addDays(n % 365);
        movement.registrationDate = movement.operationDate.addDays(2);
        movement.account = n % 50 == 0 ? 2 : 1;
        movement.receipt = n % 4 != 0;
        movement.cents = 1000 + n % 50000;
        movement.owner = movement.receipt ? 1 + n % Owners : 0;
        movement.supplier = movement.receipt ? QString() : QStringLiteral("Fornitore %1").arg(n % 40);
        movement.cause = movement.receipt ? MovementCause::Other : MovementCause::Expense;
        movement.description = QStringLiteral("Movimento numero %1 dell'esercizio").arg(n);
        accounts.add(movement);
    }
    for (int i = 1; i <= Owners; ++i)
        accounts.ownerNames.insert(i, state.owner(i).ownerName);
    return accounts;
}

double medianMs(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples.at(samples.size() / 2);
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication application(argc, argv);
    QTemporaryDir folder;
    const QString archive = RegistryFixture::writeCondominium(folder.path(), Owners);
    auto state = std::make_unique<SharedState>();
    CondominiumArchive::apply(CondominiumArchive::load(archive), *state);
    AccountsRegister accounts = largeRegister(*state);
    QString error;
    if (!AccountsFile::save(accounts, AccountsFile::pathBeside(archive, 2026), &error)) {
        std::printf("cannot write the register: %s\n", qPrintable(error));
        return 1;
    }

    std::vector<double> opening;
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer timer;
        timer.start();
        AccountsYear year;
        const AccountsYear::Opening opened = year.open(archive, *state, 2026);
        opening.push_back(timer.nsecsElapsed() / 1e6);
        if (!opened.ok || year.accounts().movements().size() != Movements) {
            std::printf("the register did not open: %s\n", qPrintable(opened.problem));
            return 1;
        }
    }
    std::printf("open the register of %d movements: %.1f ms (target 200 ms)\n", Movements, medianMs(opening));

    // A movement changed: every account's closing balance and its owner's account again.
    std::vector<double> updating;
    const YearSeries noSeries;
    long long sum = 0;
    for (int round = 0; round < Rounds; ++round) {
        AccountMovement changed = *accounts.movement(1 + round * 97);
        changed.cents += 1;
        QElapsedTimer timer;
        timer.start();
        accounts.replace(changed);
        for (int a = 1; a <= accounts.accounts.size(); ++a)
            sum += accounts.closingBalance(a);
        sum += OwnerLedger::of(accounts, noSeries, std::max(1, changed.owner)).balanceCents();
        updating.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("balances after one movement changes: %.2f ms (target 2 ms) [%lld]\n", medianMs(updating), sum);

    QElapsedTimer timer;
    timer.start();
    ReportDocument document = AccountsRegisterPrintout::build(accounts, *state);
    const double built = timer.nsecsElapsed() / 1e6;
    if (!document.saveAs(folder.filePath(QStringLiteral("registro.odt")))) {
        std::printf("the printout was not written\n");
        return 1;
    }
    std::printf("register printout: built %.0f ms, built and written %.0f ms (target 2000 ms)\n", built,
                timer.nsecsElapsed() / 1e6);
    return 0;
}
