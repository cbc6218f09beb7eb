#include "ui/frame/shell.h"

#include "core/platform/platform.h"
#include "core/registry/administratorfile.h"
#include "core/state/sharedstate.h"
#include "library/help/helpguide.h"
#include "ui/anagrafe/administratorwindow.h"
#include "ui/anagrafe/anagrafewindow.h"
#include "ui/assemblea/assembleawindow.h"
#include "ui/contabilita/contabilitawindow.h"
#include "ui/conduttore/conduttorewindow.h"
#include "ui/convocazione/convocazionewindow.h"
#include "ui/dati/coefficientwindow.h"
#include "ui/dati/datiwindow.h"
#include "ui/modelli/modelliwindow.h"
#include "ui/pagamenti/pagamentiwindow.h"
#include "ui/regolamento/regolamentowindow.h"
#include "ui/seduta/sedutawindow.h"
#include "ui/sentenze/sentenzewindow.h"
#include "ui/spese/spesewindow.h"
#include "ui/frame/splashwindow.h"
#include "ui/frame/startwindow.h"
#include "ui/frame/tipwindow.h"
#include "ui/frame/windowplacement.h"
#include "ui/frame/workwindow.h"
#include "ui/frame/workwindowcatalogue.h"
#include "ui/help/helpcontentswindow.h"
#include "ui/help/helpwindow.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace veltra {

Shell::Shell(SharedState &state, Platform &platform, const QString &dataFolder)
    : m_state(state)
    , m_platform(platform)
    , m_dataFolder(dataFolder)
    , m_administratorPath(AdministratorFile::defaultPath())
{
}

Shell::~Shell()
{
    closeEveryWindow();
    delete m_splash;
}

SplashWindow *Shell::splash() const
{
    return m_splash;
}

StartWindow *Shell::startWindow() const
{
    return m_startWindow;
}

TipWindow *Shell::tipWindow() const
{
    return m_tipWindow;
}

void Shell::start()
{
    loadAdministratorDetails();
    m_splash = new SplashWindow(*this);
    m_splash->load();
    m_splash->show();
}

void Shell::showMainChooser()
{
    const bool first = !m_startWindow;
    if (first) {
        m_startWindow = new StartWindow(*this);
        m_startWindow->load();
    }
    bringForward(m_startWindow);
    if (first)
        proposeAdministratorDetails();
}

// A file that cannot be read is said once; the letters then go out without a letterhead
// until the details are saved again.
void Shell::loadAdministratorDetails()
{
    QString problem;
    const std::optional<AdministratorDetails> details =
        AdministratorFile::load(m_administratorPath, &problem);
    if (details) {
        m_state.administrator = *details;
        return;
    }
    m_platform.showMessage(
        MessageIcon::Exclamation, AdministratorWindow::title(),
        QStringLiteral("Impossibile leggere i dati dell'amministratore in ")
            + QDir::toNativeSeparators(m_administratorPath) + QStringLiteral(": ") + problem
            + QStringLiteral(".\nLe stampe escono senza intestazione finché non li si salva di "
                             "nuovo con \"Dati dell'amministratore...\" nel menu File."));
}

// On the first run the form comes up once by itself; closing it skips it for good, and the
// menu "File" keeps it at hand.
void Shell::proposeAdministratorDetails()
{
    const QString key = QStringLiteral("amministratore/proposto");
    if (QFileInfo::exists(m_administratorPath) || m_platform.preference(key, QString()) == QLatin1String("1"))
        return;
    m_platform.setPreference(key, QStringLiteral("1"));
    showAdministratorDetails();
}

void Shell::showAdministratorDetails()
{
    if (!m_administratorWindow)
        m_administratorWindow = new AdministratorWindow(*this);
    m_administratorWindow->load();
    WindowPlacement::centreOver(m_administratorWindow, m_startWindow);
    bringForward(m_administratorWindow);
}

AdministratorWindow *Shell::administratorWindow() const
{
    return m_administratorWindow;
}

void Shell::confirmExit()
{
    bool changed = false;
    for (const QPointer<WorkWindow> &window : m_workWindows) {
        if (!window || !window->hasUnsavedChanges())
            continue;
        changed = true;
        if (!window->settleUnsavedChanges())
            return;
    }
    // With every change settled there is nothing left to lose, and no more to ask.
    if (!changed
        && !m_platform.askYesNo(MessageIcon::Question,
                                QStringLiteral("Attenzione: i dati non archiviati andranno persi !"),
                                QStringLiteral("Vuoi uscire da ") + m_state.texts.appTitle
                                    + QLatin1Char('?'),
                                false))
        return;
    // The closing screen comes first: were the last window closed with none left shown,
    // the run would end.
    if (m_splash)
        m_splash->showClosingScreen();
    closeEveryWindow();
}

void Shell::chooseProcedure(int k)
{
    if (k < 1 || k > WorkWindowCount)
        k = 1;
    workWindow(1)->openArchive();
    if (k == 2 || k == 4)
        workWindow(2)->openArchive();
    showWorkWindow(k);
}

void Shell::windowClosed(QWidget *closed)
{
    if (!m_closingEveryWindow && !anyWindowShownBut(closed))
        emit runEnded();
}

// The windows of the run are the splash, the start window and the work windows; help,
// tips and coefficient windows only accompany them.
bool Shell::anyWindowShownBut(QWidget *closed) const
{
    QList<QWidget *> windows = {m_splash, m_startWindow};
    for (const QPointer<WorkWindow> &window : m_workWindows)
        windows.append(window);
    for (QWidget *window : windows) {
        if (window && window != closed && window->isVisible())
            return true;
    }
    return false;
}

WorkWindow *Shell::workWindow(int k)
{
    if (!m_workWindows.at(k)) {
        WorkWindow *window = createWorkWindow(k);
        m_workWindows.at(k) = window;
        window->load();
    }
    return m_workWindows.at(k);
}

WorkWindow *Shell::existingWorkWindow(int k) const
{
    return m_workWindows.at(k);
}

void Shell::showWorkWindow(int k)
{
    bringForward(workWindow(k));
}

// Shown, on top and taking the keyboard: a window already open comes forward rather than
// staying behind the one it was asked from, where the window manager would leave it after a
// raise alone.
void Shell::bringForward(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void Shell::switchWindow(WorkWindow &from, int k)
{
    if (from.number() == k) {
        const QString question = QStringLiteral("È questa la finestra '") + from.info().selfName
            + QStringLiteral("': si vuole la guida della finestra?");
        if (m_platform.askYesNo(MessageIcon::Question, m_state.texts.helpTitle, question, true))
            showWindowHelp(k);
        return;
    }
    from.handOver();
    showWorkWindow(k);
}

void Shell::makeAllWorkWindows(unsigned int rgb)
{
    for (int k = 1; k <= WorkWindowCount; ++k)
        workWindow(k)->setBackgroundRgb(rgb);
}

void Shell::showCoefficientWindow(CoefficientKind kind)
{
    QPointer<CoefficientWindow> &window = m_coefficientWindows.at(int(kind));
    if (!window)
        window = new CoefficientWindow(coefficientTable(kind));
    bringForward(window);
}

CoefficientWindow *Shell::coefficientWindow(CoefficientKind kind) const
{
    return m_coefficientWindows.at(int(kind));
}

void Shell::showTips(const QWidget *askedFrom)
{
    if (!m_tipWindow) {
        m_tipWindow = new TipWindow(m_dataFolder);
        m_tipWindow->load();
    }
    // A tips window already open stays where the user put it.
    if (!m_tipWindow->isVisible())
        WindowPlacement::centreOver(m_tipWindow, askedFrom);
    bringForward(m_tipWindow);
}

void Shell::showAbout()
{
    const AppTexts &texts = m_state.texts;
    m_platform.showMessage(MessageIcon::Information,
                           QStringLiteral("Informazioni su ") + texts.appTitle,
                           texts.appTitle + QStringLiteral(" - ") + texts.appSubtitle
                               + QStringLiteral("\nversione ") + texts.versionText
                               + QStringLiteral(" del ") + texts.releaseYear);
}

void Shell::showSupport()
{
    m_platform.showMessage(
        MessageIcon::Information, m_state.texts.appTitle + QStringLiteral(": supporto prodotto"),
        QStringLiteral("Per imparare a usare il programma: il tasto AIUTO di ogni finestra, la "
                       "casella gialla in basso con l'indicazione del passo successivo e i "
                       "Suggerimenti del menu \"?\".\nPer segnalare un problema rivolgersi a chi "
                       "ha fornito il programma, indicando la versione ")
            + m_state.texts.versionText + QStringLiteral(" e i passi che lo hanno causato."));
}

void Shell::showHelpContents()
{
    if (!m_helpContents)
        m_helpContents = new HelpContentsWindow(*this);
    bringForward(m_helpContents);
}

void Shell::showWindowHelp(int k)
{
    showHelpPage(workWindowInfo(k).helpWindow);
}

void Shell::showHelpPage(const QString &window)
{
    QPointer<HelpWindow> &helpWindow = m_helpWindows[window];
    if (!helpWindow) {
        const HelpGuide *guide = helpGuide();
        if (!guide || !guide->page(window))
            return;
        helpWindow = new HelpWindow(*this, *guide->page(window));
    }
    bringForward(helpWindow);
}

const HelpGuide *Shell::helpGuide()
{
    if (m_helpGuide)
        return m_helpGuide.get();
    QString error;
    std::optional<HelpGuide> guide =
        HelpGuide::fromFile(QDir(m_dataFolder).filePath(HelpGuide::fileName()), &error);
    if (!guide) {
        m_platform.showMessage(MessageIcon::Exclamation, m_state.texts.helpTitle, error);
        return nullptr;
    }
    m_helpGuide = std::make_unique<HelpGuide>(*guide);
    return m_helpGuide.get();
}

HelpContentsWindow *Shell::helpContents() const
{
    return m_helpContents;
}

HelpWindow *Shell::helpWindow(const QString &window) const
{
    return m_helpWindows.value(window);
}

WorkWindow *Shell::createWorkWindow(int k)
{
    if (k == 1)
        return new DatiWindow(*this);
    if (k == 2)
        return new SpeseWindow(*this);
    if (k == 3)
        return new ConduttoreWindow(*this);
    if (k == 4)
        return new PagamentiWindow(*this);
    if (k == 5)
        return new AssembleaWindow(*this);
    if (k == 6)
        return new ConvocazioneWindow(*this);
    if (k == 7)
        return new SentenzeWindow(*this);
    if (k == 8)
        return new RegolamentoWindow(*this);
    if (k == 9)
        return new ModelliWindow(*this);
    if (k == 10)
        return new AnagrafeWindow(*this);
    if (k == SedutaWindow::Number)
        return new SedutaWindow(*this);
    if (k == ContabilitaWindow::Number)
        return new ContabilitaWindow(*this);
    return new WorkWindow(*this, k);
}

void Shell::closeEveryWindow()
{
    m_closingEveryWindow = true;
    for (QPointer<WorkWindow> &window : m_workWindows) {
        if (window)
            window->close();
        delete window;
    }
    for (QPointer<CoefficientWindow> &window : m_coefficientWindows)
        delete window;
    for (QPointer<HelpWindow> &window : m_helpWindows)
        delete window;
    delete m_helpContents;
    delete m_administratorWindow;
    if (m_tipWindow)
        m_tipWindow->close();
    delete m_tipWindow;
    if (m_startWindow)
        m_startWindow->close();
    delete m_startWindow;
    m_closingEveryWindow = false;
}

} // namespace veltra
