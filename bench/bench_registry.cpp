#include "core/registry/condominiumarchive.h"
#include "core/registry/millesimalcomputation.h"
#include "core/state/sharedstate.h"
#include "support/registryfixture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace veltra;

namespace {

// Average milliseconds of one run of work over runs runs.
double averageMs(int runs, const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    for (int r = 0; r < runs; ++r)
        work();
    return double(timer.nsecsElapsed()) / 1e6 / runs;
}

double recomputeMs(SharedState &state, int runs)
{
    recomputeTables(state); // warm the caches
    return averageMs(runs, [&state] { recomputeTables(state); });
}

QString residentMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return QStringLiteral("n/d");
    QTextStream in(&status);
    for (QString line = in.readLine(); !line.isNull(); line = in.readLine()) {
        if (line.startsWith(QLatin1String("VmRSS:")))
            return line.mid(6).trimmed();
    }
    return QStringLiteral("n/d");
}

struct Spread
{
    double median = 0;
    double best = 0;
};

// One surface typed anew in units spread over the registry, the tables brought up to date
// after each: the median and the best of runs, in milliseconds.
Spread typedCellMs(SharedState &state, int runs)
{
    recomputeTables(state);
    std::vector<double> times;
    QElapsedTimer timer;
    for (int r = 0; r < runs; ++r) {
        const int i = 1 + r * 37 % state.ownerCount;
        const int j = 1 + r * 13 % state.owner(i).unitCount;
        state.unit(i, j).netSurface = r % 2 == 0 ? QStringLiteral("25,5") : QStringLiteral("31");
        timer.start();
        recomputeAfterUnitChange(state, i, j);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.front()};
}

void report(const char *what, double value, const char *unit, const char *target)
{
    std::printf("%-44s %10.3f %-3s %s\n", what, value, unit, target);
}

} // namespace

// The registry at its limits, 500 owners with 50 units each: the recomputation after each
// keystroke, opening and saving the archive, and the memory it takes.
int main()
{
    SharedState state;
    RegistryFixture::fillMaximalRegistry(state);
    const double recompute500 = recomputeMs(state, 200);

    SharedState small;
    RegistryFixture::fillRegistry(small, 50, MaxUnits);
    const double recompute50 = recomputeMs(small, 2000);
    const Spread typed500 = typedCellMs(state, 1000);
    const Spread typed50 = typedCellMs(small, 1000);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Veltra-dati-bench"));
    const double save = averageMs(10, [&] { CondominiumArchive::save(state, path); });

    bool complete = true;
    const double open = averageMs(10, [&] {
        SharedState opened;
        const CondominiumArchive::LoadResult result = CondominiumArchive::load(path);
        complete = complete && result.isComplete();
        CondominiumArchive::apply(result, opened);
    });

    SharedState reopened;
    CondominiumArchive::apply(CondominiumArchive::load(path), reopened);
    const double recomputeLoaded = recomputeMs(reopened, 200);

    std::printf("registry: %d owners x %d units, archive %lld bytes%s\n", MaxOwners, MaxUnits,
                QFile(path).size(), complete ? "" : " (READ FAILED)");
    report("recomputeTables, 500 owners", recompute500, "ms", "(target <= 1 ms)");
    report("recomputeTables, 500 owners read from file", recomputeLoaded, "ms", "(target <= 1 ms)");
    report("recomputeTables, 50 owners", recompute50, "ms", "");
    report("ratio 500 / 50 owners", recompute500 / recompute50, "", "(linear: about 10)");
    report("one typed cell, 500 owners (median)", typed500.median, "ms", "(target <= 0.3 ms)");
    report("one typed cell, 500 owners (best)", typed500.best, "ms", "");
    report("one typed cell, 50 owners (median)", typed50.median, "ms", "");
    report("ratio 500 / 50 owners (medians)", typed500.median / typed50.median, "",
           "(target <= 12)");
    report("open archive (load + apply)", open, "ms", "(target <= 300 ms)");
    report("save archive", save, "ms", "(target <= 100 ms)");
    std::printf("%-44s %s\n", "resident memory (VmRSS)", qPrintable(residentMemory()));
    return complete ? 0 : 1;
}
