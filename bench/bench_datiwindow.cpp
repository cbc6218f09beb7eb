// The condominium window on the largest registry (500 owners with 50 units each): one
// keystroke in a unit field with all its cascades (target 10 ms), opening the archive into
// the window (target 300 ms), and the resident memory of the whole application (150 MB).

#include "bench/keystroketiming.h"
#include "core/registry/condominiumarchive.h"
#include "core/state/sharedstate.h"
#include "support/registryfixture.h"
#include "support/scriptedplatform.h"
#include "ui/dati/datiwindow.h"
#include "ui/frame/shell.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>

using namespace veltra;
using KeystrokeTiming::keystrokeMilliseconds;
using KeystrokeTiming::median;

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

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Veltra-dati-massimo"));
    {
        SharedState full;
        RegistryFixture::fillMaximalRegistry(full);
        if (!CondominiumArchive::save(full, path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }

    SharedState state;
    state.initSharedStrings();
    ScriptedPlatform platform;
    Shell shell(state, platform, QString());
    shell.showWorkWindow(1);
    auto *window = qobject_cast<DatiWindow *>(shell.existingWorkWindow(1));

    QList<double> openTimes;
    for (int k = 0; k < 5; ++k) {
        platform.fileNames.enqueue(path);
        QElapsedTimer timer;
        timer.start();
        window->openArchive();
        openTimes << timer.nsecsElapsed() / 1e6;
    }
    if (state.ownerCount != MaxOwners || !platform.messages.isEmpty()) {
        std::fprintf(stderr, "the archive did not open as written\n");
        return 1;
    }

    auto *surface = window->findChild<QLineEdit *>(QStringLiteral("sup_1"));
    const double keystroke = keystrokeMilliseconds(surface, 50);
    std::printf("open archive of 500 owners x 50 units: %.1f ms (median of 5; target 300)\n",
                median(openTimes));
    std::printf("keystroke in a unit field, cascades included: %.2f ms (median of 100; "
                "target 10)\n",
                keystroke);
    std::printf("resident memory (VmRSS): %s (target 150 MB)\n", qPrintable(residentMemory()));
    return 0;
}
