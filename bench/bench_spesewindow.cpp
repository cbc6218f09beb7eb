// The expense window on 500 owners (with 50 units each, and the condominium window open as
// in real use): opening an item file into the window (target 50 ms) and one keystroke in an
// allocation input with the recomputation of every share and the redraw (target 1 ms); the
// same on 50 owners, to show how the costs grow with the number of owners.

#include "bench/keystroketiming.h"
#include "core/registry/millesimalcomputation.h"
#include "core/state/sharedstate.h"
#include "support/registryfixture.h"
#include "support/scriptedplatform.h"
#include "ui/frame/shell.h"
#include "ui/spese/spesewindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>

using namespace veltra;
using KeystrokeTiming::keystrokeMilliseconds;
using KeystrokeTiming::median;

namespace {

struct Figures
{
    double open = 0;
    double keystroke = 0;
};

// Item 1 of an expense series typed and saved in the current folder.
bool saveFirstItem(SpeseWindow &window, ScriptedPlatform &platform)
{
    platform.fileNames.enqueue(QString());
    window.findChild<QRadioButton *>(QStringLiteral("Option2_2"))->click();
    window.findChild<QPushButton *>(QStringLiteral("tutti"))->click();
    window.findChild<QRadioButton *>(QStringLiteral("Option1_1"))->click();
    window.findChild<QLineEdit *>(QStringLiteral("spesatotale"))->setText(QStringLiteral("12.345,67"));
    window.findChild<QLineEdit *>(QStringLiteral("tipospesa"))->setText(QStringLiteral("pulizia"));
    window.findChild<QLineEdit *>(QStringLiteral("dataspesa"))->setText(QStringLiteral("10/01/2001"));
    window.saveArchive();
    return platform.messages.isEmpty();
}

Figures measure(int owners)
{
    SharedState state;
    state.initSharedStrings();
    RegistryFixture::fillRegistry(state, owners, 50);
    state.condoName = QStringLiteral("Banco");
    recomputeTables(state);
    ScriptedPlatform platform;
    Shell shell(state, platform, QString());
    shell.workWindow(1);
    shell.showWorkWindow(2);
    auto *window = qobject_cast<SpeseWindow *>(shell.existingWorkWindow(2));
    Figures figures;
    if (!saveFirstItem(*window, platform)) {
        std::fprintf(stderr, "the item was not saved\n");
        return figures;
    }
    QList<double> openTimes;
    for (int k = 0; k < 5; ++k) {
        QElapsedTimer timer;
        timer.start();
        window->openArchive();
        openTimes << timer.nsecsElapsed() / 1e6;
    }
    figures.open = median(openTimes);
    auto *mill = window->findChild<QLineEdit *>(QStringLiteral("mill_1"));
    mill->setFocus();
    mill->end(false);
    figures.keystroke = keystrokeMilliseconds(mill, 50);
    return figures;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    const Figures large = measure(MaxOwners);
    const Figures small = measure(50);
    std::printf("open item file of 500 owners into the window: %.1f ms (median of 5; target 50)\n",
                large.open);
    std::printf("keystroke in an allocation input, shares and redraw included: %.2f ms (median "
                "of 100; target 1)\n",
                large.keystroke);
    std::printf("50 owners: open %.1f ms, keystroke %.2f ms; ratio 500/50: open %.1f, "
                "keystroke %.1f\n",
                small.open, small.keystroke, large.open / small.open,
                large.keystroke / small.keystroke);
    return 0;
}
