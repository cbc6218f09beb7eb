// Times the complete print of the largest registry (500 owners with 50 units each) from the
// shared state to a finished .odt file, with its peak memory, and shows against 50 owners
// that printing and filling the document cell by cell grow with the owners and no faster;
// then the same print to a finished PDF.

#include "core/registry/millesimalcomputation.h"
#include "core/state/sharedstate.h"
#include "reports/registry/completeprintout.h"
#include "reports/document/odtrenderer.h"
#include "reports/document/pdfrenderer.h"
#include "support/registryfixture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

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

// Starts the peak count again from the present resident size.
void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

struct Figures
{
    double fillBest = 1e12;  // ms, filling the document
    double printBest = 1e12; // s, filling and writing the file
    double printMedian = 0;  // s
    double peak = 0;         // MB while printing
    bool written = true;
    qint64 bytes = 0;
    int tables = 0;
};

using Renderer = std::function<bool(const ReportDocument &, const QString &)>;

// The complete print of state, filled and written by write a few times: the best and the
// median.
Figures measure(const SharedState &state, const QString &path, const Renderer &write)
{
    Figures figures;
    std::vector<double> prints;
    resetPeak();
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        const ReportDocument document = CompletePrintout::build(state);
        figures.fillBest = std::min(figures.fillBest, timer.nsecsElapsed() / 1e6);
        figures.written = write(document, path) && figures.written;
        prints.push_back(timer.nsecsElapsed() / 1e9);
        figures.tables = document.tableCount();
    }
    figures.peak = peakResidentMegabytes();
    std::sort(prints.begin(), prints.end());
    figures.printBest = prints.front();
    figures.printMedian = prints[prints.size() / 2];
    figures.bytes = QFile(path).size();
    return figures;
}

} // namespace

int main(int argc, char *argv[])
{
    // The PDF is laid out in the fonts of a graphical session, which needs no display here.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("completa.odt"));
    const auto largest = registry(MaxOwners);
    const Figures small = measure(*registry(50), path, &OdtRenderer::write);
    const Figures large = measure(*largest, path, &OdtRenderer::write);
    const Figures pdf =
        measure(*largest, folder.filePath(QStringLiteral("completa.pdf")), &PdfRenderer::write);

    std::printf("complete print, 500 owners x 50 units, to .odt: best %.2f s, median %.2f s "
                "(target <= 1 s)%s\n",
                large.printBest, large.printMedian, large.written ? "" : "  [FILE NOT WRITTEN]");
    std::printf("  file size: %.1f MB, tables: %d\n", large.bytes / 1048576.0, large.tables);
    std::printf("peak resident memory while printing (VmHWM): %.0f MB (target <= 120 MB)\n",
                large.peak);
    std::printf("50 owners: print best %.3f s, median %.3f s, peak %.0f MB\n", small.printBest,
                small.printMedian, small.peak);
    std::printf("ratio 500/50: print (best) %.1f, peak %.1f (target <= 12)\n",
                large.printBest / small.printBest, large.peak / small.peak);
    std::printf("cell-by-cell filling: 50 owners %.1f ms, 500 owners %.1f ms, ratio %.1f "
                "(target <= 12)\n", small.fillBest, large.fillBest, large.fillBest / small.fillBest);
    std::printf("complete print, 500 owners x 50 units, to .pdf: best %.2f s, median %.2f s "
                "(target <= 3 s)%s\n",
                pdf.printBest, pdf.printMedian, pdf.written ? "" : "  [FILE NOT WRITTEN]");
    std::printf("  file size: %.1f MB, peak resident memory while printing: %.0f MB\n",
                pdf.bytes / 1048576.0, pdf.peak);
    const bool met = large.written && large.printBest <= 1 && large.peak <= 120
        && large.printBest / small.printBest <= 12 && large.fillBest / small.fillBest <= 12
        && pdf.written && pdf.printBest <= 3;
    std::printf("%s\n", met ? "all targets met" : "TARGET MISSED");
    return met ? 0 : 1;
}
