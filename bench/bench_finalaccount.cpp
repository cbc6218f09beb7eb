// Times the rendiconto of a large supercondominium's year: 500 owners, a series of 200
// items each shared by every owner, 20,000 movements (share receipts, supplier payments,
// transfers, fund movements). Prints the time of the summary (every figure and the
// equation), of the four-part document built and written as .odt and as .pdf, and the peak
// memory of the process.

#include "core/accounts/accountsregister.h"
#include "core/accounts/finalaccount.h"
#include "core/accounts/finalaccountinputs.h"
#include "core/accounts/yearseries.h"
#include "core/registry/condominiumarchive.h"
#include "core/state/sharedstate.h"
#include "reports/accounts/finalaccountprintout.h"
#include "reports/document/reportdocument.h"
#include "support/registryfixture.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

using namespace veltra;

namespace {

constexpr int Owners = 500;
constexpr int Items = 200;
constexpr int Movements = 20000;
constexpr int Rounds = 11;

YearSeries largeSeries()
{
    YearSeries series;
    for (int k = 1; k <= Items; ++k) {
        SeriesItem item;
        item.number = k;
        item.description = QStringLiteral("Voce di spesa numero %1").arg(k);
        item.date = QDate(2026, 1, 1).addDays(k).toString(QStringLiteral("dd/MM/yyyy"));
        item.criterion = 1 + k % 7;
        for (int owner = 1; owner <= Owners; ++owner) {
            const long long share = 100 + (k * owner) % 9000;
            item.shares.insert(owner, share);
            item.cents += share;
        }
        series.items << item;
    }
    return series;
}

AccountMovement movementNumbered(int n)
{
    AccountMovement movement;
    movement.operationDate = QDate(2026, 1, 1).addDays(n % 365);
    movement.registrationDate = movement.operationDate;
    movement.account = 1;
    movement.cents = 1000 + n % 50000;
    switch (n % 10) {
    case 0:
        movement.receipt = false;
        movement.cause = MovementCause::Expense;
        movement.item = 1 + n % Items;
        break;
    case 1:
        movement.receipt = n % 20 == 1;
        movement.cause = MovementCause::SpecialFund;
        break;
    default:
        movement.receipt = true;
        movement.cause = MovementCause::Share;
        movement.owner = 1 + n % Owners;
        break;
    }
    return movement;
}

AccountsRegister largeRegister(const SharedState &state)
{
    AccountsRegister accounts;
    accounts.condoName = state.condoName;
    accounts.year = 2026;
    accounts.firstDay = QDate(2026, 1, 1);
    accounts.accounts = {LedgerAccount{QStringLiteral("Banca"), QString(), false, 100000000, QString()},
                         LedgerAccount{QStringLiteral("Cassa"), QString(), true, 0, QString()}};
    for (int n = 0; n < Movements; ++n)
        accounts.add(movementNumbered(n));
    // Transfers come in pairs, the bank to the cash and back.
    for (int n = 0; n < 200; ++n) {
        AccountMovement out = movementNumbered(n);
        out.cause = MovementCause::Transfer;
        out.receipt = false;
        out.item = 0;
        out.owner = 0;
        AccountMovement in = out;
        in.receipt = true;
        in.account = 2;
        accounts.add(out);
        accounts.add(in);
    }
    for (int owner = 1; owner <= Owners; ++owner)
        accounts.ownerOpenings.insert(owner, owner % 3 == 0 ? 5000 : 0);
    return accounts;
}

double medianMs(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples.at(samples.size() / 2);
}

long peakMegabytes()
{
    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication application(argc, argv);
    QTemporaryDir folder;
    const QString archive = RegistryFixture::writeCondominium(folder.path(), Owners);
    auto state = std::make_unique<SharedState>();
    CondominiumArchive::apply(CondominiumArchive::load(archive), *state);
    const YearSeries series = largeSeries();
    YearSeries budget = series;
    for (SeriesItem &item : budget.items)
        item.cents = item.cents * 9 / 10;
    const AccountsRegister accounts = largeRegister(*state);
    const FinalAccountInputs inputs = FinalAccountInputs::defaults(state->condoName, 2026);

    std::vector<double> summary;
    FinalAccount figures;
    for (int round = 0; round < Rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        figures = FinalAccount::compute(accounts, series, budget, inputs, *state);
        summary.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("summary of %d owners, %d items, %d movements: %.1f ms (target 300 ms); difference %lld cents, "
                "%d owners in arrears, %d items over budget\n",
                Owners, Items, int(accounts.movements().size()), medianMs(summary),
                figures.equation.differenceCents(), int(figures.ownersInArrears().size()),
                int(figures.overBudget().size()));
    for (const QString &format : {QStringLiteral("odt"), QStringLiteral("pdf")}) {
        QElapsedTimer timer;
        timer.start();
        ReportDocument document = FinalAccountPrintout::build(figures, accounts, inputs.note, *state);
        const double built = timer.nsecsElapsed() / 1e6;
        if (!document.saveAs(folder.filePath(QStringLiteral("rendiconto.") + format))) {
            std::printf("the rendiconto was not written as .%s\n", qPrintable(format));
            return 1;
        }
        std::printf("four-part document: built %.0f ms, built and written as .%s %.0f ms (target 3000 ms)\n", built,
                    qPrintable(format), timer.nsecsElapsed() / 1e6);
    }
    std::printf("peak memory: %ld MB (target 200 MB)\n", peakMegabytes());
    return figures.canPrint() ? 0 : 1;
}
