#include "core/expenses/expenseallocation.h"
#include "core/expenses/expensearchive.h"
#include "core/registry/millesimalcomputation.h"
#include "core/state/sharedstate.h"
#include "support/registryfixture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

using namespace veltra;

namespace {

// Average milliseconds of one run of work over runs runs, after one run to warm the caches.
double averageMs(int runs, const std::function<void()> &work)
{
    work();
    QElapsedTimer timer;
    timer.start();
    for (int r = 0; r < runs; ++r)
        work();
    return double(timer.nsecsElapsed()) / 1e6 / runs;
}

void report(const char *what, double value, const char *unit, const char *target)
{
    std::printf("%-58s %10.3f %-3s %s\n", what, value, unit, target);
}

// A condominium of the given size with an expense item whose every input is filled, as
// the expense window holds it once opened.
void fillExpense(SharedState &state, int owners)
{
    RegistryFixture::fillRegistry(state, owners, MaxUnits);
    recomputeTables(state);
    initExpenseInputs(state);
    state.item(1) = {QStringLiteral("12.345,67"), QString::fromUtf8("manutenzione caldaia €"),
                     QStringLiteral("15/03/2001")};
    for (int i = 1; i <= owners; ++i) {
        Owner &owner = state.owner(i);
        owner.takesPart = 1;
        owner.fixedPercent = i <= 10 ? QStringLiteral("2,5") : QString();
        owner.oneThirdFlag = i % 7 == 0 ? 1 : 0;
        owner.twoThirdsPercent = i % 3 == 0 ? QStringLiteral("50") : QString();
        owner.paymentDate = QStringLiteral("01/04/2001");
    }
    state.calcType = PerMillesimi;
}

struct Figures
{
    double open = 0;              // load + apply, ms
    double openAndAllocate = 0;   // what the window does on opening, ms
    double allocate[7] = {};      // one allocateExpense per criterion 1..6, ms
    bool complete = true;
};

Figures measure(int owners, int runs)
{
    SharedState state;
    fillExpense(state, owners);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Veltra-spese-bench- 2001 1"));
    ExpenseArchive::save(state, 1, true, path);

    Figures figures;
    SharedState opened;
    figures.open = averageMs(runs, [&] {
        const ExpenseArchive::LoadResult result = ExpenseArchive::load(path, true);
        figures.complete = figures.complete && ExpenseArchive::apply(result, opened, 1, true);
    });
    figures.openAndAllocate = averageMs(runs, [&] {
        ExpenseArchive::apply(ExpenseArchive::load(path, true), opened, 1, true);
        allocateExpense(opened, 1);
    });
    for (int criterion = 1; criterion <= 6; ++criterion) {
        state.calcType = criterion;
        figures.allocate[criterion] = averageMs(runs * 10, [&] { allocateExpense(state, 1); });
    }
    return figures;
}

} // namespace

// An expense item of the largest condominium, 500 owners: opening its file and the
// allocation that runs after every keystroke, against a tenth of the owners.
int main()
{
    const Figures large = measure(MaxOwners, 50);
    const Figures small = measure(50, 500);
    std::printf("expense item file, %d owners (\"spese\", payments line included)%s\n",
                MaxOwners, large.complete && small.complete ? "" : " (READ FAILED)");
    report("open item file (load + apply), 500 owners", large.open, "ms", "(target <= 50 ms)");
    report("open + allocateExpense, 500 owners", large.openAndAllocate, "ms", "(target <= 50 ms)");
    report("open item file (load + apply), 50 owners", small.open, "ms", "");
    report("ratio open 500 / 50 owners", large.open / small.open, "", "(linear: about 10)");
    const char *names[7] = {"", "per millesimi", "per convenzione", "riscaldamento per cubatura",
                            "riscaldamento per superficie radiante", "art.1124 (scale)",
                            "art.1126 (lastrici solari)"};
    for (int criterion = 1; criterion <= 6; ++criterion) {
        char what[80];
        std::snprintf(what, sizeof what, "allocateExpense %d %s, 500", criterion, names[criterion]);
        report(what, large.allocate[criterion], "ms", "(target well under 10 ms)");
    }
    report("allocateExpense per millesimi, 50 owners", small.allocate[1], "ms", "");
    report("ratio allocate 500 / 50 owners", large.allocate[1] / small.allocate[1], "",
           "(linear: about 10)");
    return large.complete && small.complete ? 0 : 1;
}
