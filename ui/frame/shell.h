#pragma once

#include "library/registry/coefficienttables.h"
#include "ui/frame/workwindowcatalogue.h"

#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <functional>
#include <memory>

class QWidget;

namespace veltra {

class Platform;
class CoefficientWindow;
class HelpContentsWindow;
class HelpGuide;
class HelpWindow;
class SharedState;
class SplashWindow;
class StartWindow;
class AdministratorWindow;
class TipWindow;
class WorkWindow;

// The running application's windows: the splash, the start window, the work windows
// and the tips window. Each exists at most once, is created on first use and is reached by
// the others only through here.
class Shell : public QObject
{
    Q_OBJECT

public:
    Shell(SharedState &state, Platform &platform, const QString &dataFolder);
    ~Shell() override;

    SharedState &state() const { return m_state; }
    Platform &platform() const { return m_platform; }
    QString dataFolder() const { return m_dataFolder; }
    // The file of the administrator's details, in the user's configuration folder.
    QString administratorPath() const { return m_administratorPath; }

    // Launch: the splash window with its tune.
    void start();
    void showMainChooser();
    // Asks whether to save the windows' unsaved changes, or, when there are none, whether to
    // quit; then closes every window and shows the closing screen.
    void confirmExit();
    // True while the shell closes every window, which asks nothing.
    bool closingEveryWindow() const { return m_closingEveryWindow; }
    // A work window or the start window was closed by the user: when no window of the run
    // is left on screen, the run ends.
    void windowClosed(QWidget *closed);
    // Procedure k of the start window: the condominium archive first, then window k.
    void chooseProcedure(int k);

    // Work window k (1 to WorkWindowCount), created and loaded when absent, not shown.
    WorkWindow *workWindow(int k);
    WorkWindow *existingWorkWindow(int k) const;
    void showWorkWindow(int k);
    // "&Visualizza" entry k of window from: the self-entry question, or the hand-over
    // and then window k.
    void switchWindow(WorkWindow &from, int k);
    // Every work window takes the colour, windows not yet created included.
    void makeAllWorkWindows(unsigned int rgb);

    // The reference window of one coefficient, opened from the condominium window.
    void showCoefficientWindow(CoefficientKind kind);
    CoefficientWindow *coefficientWindow(CoefficientKind kind) const;

    // The tips, opened over the window they were asked from (none: where the system puts
    // them).
    void showTips(const QWidget *askedFrom);
    void showAbout();
    void showSupport();
    void showHelpContents();
    // The help page of work window k (1 to 9).
    void showWindowHelp(int k);
    // The help window of the page shown by window (a name of HelpGuide::windowNames()).
    void showHelpPage(const QString &window);
    // "Dati dell'amministratore", filled with the details in force.
    void showAdministratorDetails();
    AdministratorWindow *administratorWindow() const;
    // The guide, read from the data folder at first use; nothing, after telling
    // the user why, when its file cannot be read.
    const HelpGuide *helpGuide();
    HelpContentsWindow *helpContents() const;
    HelpWindow *helpWindow(const QString &window) const;

    SplashWindow *splash() const;
    StartWindow *startWindow() const;
    TipWindow *tipWindow() const;

signals:
    // The user closed the last window of the run.
    void runEnded();

private:
    static void bringForward(QWidget *window);
    bool anyWindowShownBut(QWidget *closed) const;

    WorkWindow *createWorkWindow(int k);
    void loadAdministratorDetails();
    void proposeAdministratorDetails();
    void closeEveryWindow();

    SharedState &m_state;
    Platform &m_platform;
    const QString m_dataFolder;
    const QString m_administratorPath;
    QPointer<SplashWindow> m_splash;
    QPointer<StartWindow> m_startWindow;
    QPointer<TipWindow> m_tipWindow;
    std::array<QPointer<WorkWindow>, WorkWindowCount + 1> m_workWindows;
    std::array<QPointer<CoefficientWindow>, 7> m_coefficientWindows;
    std::unique_ptr<HelpGuide> m_helpGuide;
    QPointer<HelpContentsWindow> m_helpContents;
    QPointer<AdministratorWindow> m_administratorWindow;
    QMap<QString, QPointer<HelpWindow>> m_helpWindows;
    bool m_closingEveryWindow = false;
};

} // namespace veltra
