// The condominium window on the largest registry (500 owners with 50 units each): one
// keystroke in a unit field with all its cascades (target 1 ms), opening the archive into
// the window (target 300 ms), and the resident memory of the whole application (150 MB);
// the same on 50 owners, to show how the costs grow with the number of owners.

#include "bench/keystroketiming.h"
#include "core/registry/condominiumarchive.h"
#include "core/state/sharedstate.h"
#include "support/registryfixture.h"
#include "support/scriptedplatform.h"
#include "ui/dati/datiwindow.h"
#include "ui/frame/shell.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace veltra;
using KeystrokeTiming::keystrokeMilliseconds;

namespace {

QString residentMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return QString::fromLatin1(line.mid(6).simplified());
    }
    return QStringLiteral("unknown");
}

struct Figures
{
    double open = 0;      // ms, median of 5
    double keystroke = 0; // ms, median of 100
    bool opened = false;
};

Figures measure(const QString &folder, int owners)
{
    const QString path = folder + QStringLiteral("/Veltra-dati-%1").arg(owners);
    {
        SharedState full;
        RegistryFixture::fillRegistry(full, owners, MaxUnits);
        if (!CondominiumArchive::save(full, path))
            return {};
    }
    SharedState state;
    state.initSharedStrings();
    ScriptedPlatform platform;
    Shell shell(state, platform, QString());
    shell.showWorkWindow(1);
    auto *window = qobject_cast<DatiWindow *>(shell.existingWorkWindow(1));

    const double open = KeystrokeTiming::medianMilliseconds(5, [&] {
        platform.fileNames.enqueue(path);
        window->openArchive();
    });
    Figures figures;
    figures.opened = state.ownerCount == owners && platform.messages.isEmpty();
    figures.open = open;
    auto *surface = window->findChild<QLineEdit *>(QStringLiteral("sup_1"));
    figures.keystroke = keystrokeMilliseconds(surface, 50);
    return figures;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const Figures large = measure(dir.path(), MaxOwners);
    const Figures small = measure(dir.path(), 50);
    if (!large.opened || !small.opened) {
        std::fprintf(stderr, "the archive did not open as written\n");
        return 1;
    }
    std::printf("open archive of 500 owners x 50 units: %.1f ms (median of 5; target 300)\n",
                large.open);
    std::printf("keystroke in a unit field, cascades included: %.3f ms (median of 100; "
                "target 1)\n",
                large.keystroke);
    std::printf("50 owners: open %.1f ms, keystroke %.3f ms; ratio 500/50: open %.1f, "
                "keystroke %.1f (target 12)\n",
                small.open, small.keystroke, large.open / small.open,
                large.keystroke / small.keystroke);
    std::printf("resident memory (VmRSS): %s (target 150 MB)\n", qPrintable(residentMemory()));
    return 0;
}
