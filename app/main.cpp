#include "core/state/sharedstate.h"
#include "library/datafile/datafolder.h"
#include "ui/frame/qtplatform.h"
#include "ui/frame/shell.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt aborts with a long diagnostic; one sentence serves the user better.
bool displayMissing()
{
    return !std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY")
        && !std::getenv("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char *argv[])
{
    if (displayMissing()) {
        std::fputs("Veltra needs a graphical display: none was found, so start it under a "
                   "virtual display with: xvfb-run -a ./veltra.sh run\n", stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veltra"));
    veltra::QtPlatform::installItalianLocale(application);
    veltra::SharedState state;
    veltra::QtPlatform platform;
    const QString dataFolder = veltra::DataFolder::ofThisProgram();
    // The desktop's own copy of the icon first, as for any installed program.
    QApplication::setWindowIcon(QIcon::fromTheme(
        QStringLiteral("veltra"), QIcon(QDir(dataFolder).filePath(QStringLiteral("veltra-256.png")))));
    veltra::Shell shell(state, platform, dataFolder);
    QObject::connect(&shell, &veltra::Shell::runEnded, &application, &QApplication::quit,
                     Qt::QueuedConnection);
    shell.start();
    return application.exec();
}
