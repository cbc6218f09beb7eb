// Times the complete print of the largest registry (500 owners with 50 units each) from the
// shared state to a finished .odt file, and shows that filling the document cell by cell
// grows with the number of owners and no faster.

#include "core/registry/millesimalcomputation.h"
#include "core/state/sharedstate.h"
#include "reports/registry/completeprintout.h"
#include "reports/document/odtrenderer.h"
#include "support/registryfixture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

using namespace veltra;

namespace {

// The peak resident memory of this process in megabytes (VmHWM), -1 when unknown.
double peakResidentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

std::unique_ptr<SharedState> registry(int owners)
{
    auto state = std::make_unique<SharedState>();
    RegistryFixture::fillRegistry(*state, owners, MaxUnits);
    recomputeTables(*state);
    return state;
}

// Milliseconds to fill the complete print's document, the best of a few runs.
double fillingTime(const SharedState &state)
{
    double best = 1e12;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer timer;
        timer.start();
        const ReportDocument document = CompletePrintout::build(state);
        best = std::min(best, timer.nsecsElapsed() / 1e6);
        if (document.tableCount() == 0)
            return -1;
    }
    return best;
}

} // namespace

int main()
{
    const auto small = registry(50);
    const auto large = registry(MaxOwners);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("completa.odt"));
    QElapsedTimer timer;
    timer.start();
    const ReportDocument document = CompletePrintout::build(*large);
    const bool written = OdtRenderer::write(document, path);
    const double completeSeconds = timer.nsecsElapsed() / 1e9;

    const double smallFill = fillingTime(*small);
    const double largeFill = fillingTime(*large);
    const double ratio = largeFill / smallFill;
    const double peak = peakResidentMegabytes();

    std::printf("complete print, 500 owners x 50 units, to .odt: %.2f s (target <= 5 s)%s\n",
                completeSeconds, written ? "" : "  [FILE NOT WRITTEN]");
    std::printf("  file size: %.1f MB, tables: %d\n", QFile(path).size() / 1048576.0,
                document.tableCount());
    std::printf("peak resident memory (VmHWM): %.0f MB (target <= 500 MB)\n", peak);
    std::printf("cell-by-cell filling: 50 owners %.1f ms, 500 owners %.1f ms, ratio %.1f "
                "(target <= 15)\n", smallFill, largeFill, ratio);
    const bool met = written && completeSeconds <= 5 && peak <= 500 && ratio <= 15;
    std::printf("%s\n", met ? "all targets met" : "TARGET MISSED");
    return met ? 0 : 1;
}
