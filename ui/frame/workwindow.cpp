#include "ui/frame/workwindow.h"

#include "core/platform/platform.h"
#include "core/printing/printclearance.h"
#include "core/state/sharedstate.h"
#include "reports/document/documentformatchoice.h"
#include "reports/document/documenthandover.h"
#include "ui/frame/archivedialogtexts.h"
#include "ui/frame/edithistory.h"
#include "ui/frame/proportionalresizer.h"
#include "ui/frame/rowsnapshot.h"
#include "ui/frame/shell.h"
#include "ui/frame/toolbarpictures.h"
#include "ui/frame/twips.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

#include <array>
#include <functional>

namespace veltra {

namespace {

constexpr unsigned int Grey = 0xC0C0C0; // RGB 192, 192, 192
constexpr int FaceRowTop = WorkWindow::FormHeight - 28;

QString toolTipOf(int button, const WorkWindowInfo &info)
{
    static const QStringList tips = {
        QStringLiteral("apri file"), QStringLiteral("salva file"),
        QStringLiteral("elimina file"), QStringLiteral("stampa dati finestra"),
        QString(), QString(), QString(), QString(), QString(), QString(), QString(), QString(),
        QString(), QStringLiteral("guida in linea"), QStringLiteral("suggerimenti"),
        QStringLiteral("supporto prodotto"), QStringLiteral("informazioni su Veltra"),
        QStringLiteral("controllo dati immessi"), QStringLiteral("cancella dati finestra"),
        QStringLiteral("uscita da Veltra")};
    if (button == 4 && info.name == QLatin1String("dati"))
        return QStringLiteral("stampa completa");
    if (button == 4 && info.name == QLatin1String("sentenze"))
        return QStringLiteral("stampa sentenza visualizzata");
    if (button == 12 && info.misspeltViewTips)
        return QStringLiteral("visualizza finestra 'Regolamento'");
    if (button == 13 && info.misspeltViewTips)
        return QStringLiteral("visualizza finestra 'Modelli'");
    if (button >= 5 && button <= 13)
        return QStringLiteral("visualizza finestra '%1'").arg(workWindowInfo(button - 4).selfName);
    return tips.at(button - 1);
}

// The regulation and template windows show their menu captions without access keys.
QString caption(const QString &text, const WorkWindowInfo &info)
{
    return info.plainCaptions ? QString(text).remove(QLatin1Char('&')) : text;
}

// A condominium's name as part of a file name: a slash would name a folder.
QString fileNamePart(const QString &name)
{
    return QString(name).replace(QLatin1Char('/'), QLatin1Char('-'));
}

} // namespace

WorkWindow::WorkWindow(Shell &shell, int number, QWidget *parent)
    : QMainWindow(parent)
    , m_shell(shell)
    , m_number(number)
    , m_form(new QWidget(this))
    , m_passo(new QLabel(m_form))
{
    setObjectName(info().name);
    setWindowTitle(info().caption);
    setAttribute(Qt::WA_DeleteOnClose);
    m_form->setObjectName(QStringLiteral("form"));
    m_form->setAutoFillBackground(true);
    setCentralWidget(m_form);
    buildMenus();
    buildToolBar();
    buildFaceButtons();
    m_lastChosenColour = backgroundRgb();
}

WorkWindow::~WorkWindow() = default;

const WorkWindowInfo &WorkWindow::info() const
{
    return workWindowInfo(m_number);
}

SharedState &WorkWindow::state() const
{
    return m_shell.state();
}

Platform &WorkWindow::platform() const
{
    return m_shell.platform();
}

void WorkWindow::load()
{
    m_form->resize(FormWidth, FormHeight);
    m_resizer = std::make_unique<ProportionalResizer>();
    m_resizer->setSourceForm(m_form);
    m_resizer->SizeFormToScreen(75);
    initialise();
    // The window opens at its design size in the desktop's font, or larger where its texts
    // need more room once the window's own initialisation has written them.
    m_resizer->SizeFormToFit(Twips::toPixels(QSize(FormWidth, FormHeight) * Twips::PerDesignPixel));
}

void WorkWindow::setStepHint(const QString &text)
{
    m_passo->setText(text);
}

bool WorkWindow::clearedForPrinting(const PrintClearance &clearance)
{
    const QString &title = state().texts.checkTitle;
    switch (clearance.verdict()) {
    case PrintClearance::Verdict::Print:
        return true;
    case PrintClearance::Verdict::AskFirst:
        return platform().askYesNo(clearance.icon(), title, clearance.question(), false);
    case PrintClearance::Verdict::Refuse:
        break;
    }
    platform().showMessage(clearance.icon(), title, clearance.text());
    return false;
}

QString WorkWindow::chooseArchiveSaveName(FileDialogRequest request, const QString &archivePath)
{
    const QString prefix = info().archivePrefix;
    request.proposedName =
        archivePath.isEmpty() ? prefix + fileNamePart(state().condoName) : archivePath;
    const QString chosen = platform().saveFileName(request);
    // A file chosen in the list is the user's to replace; only a new name gets the prefix.
    const QFileInfo file(chosen);
    if (chosen.isEmpty() || file.fileName().startsWith(prefix) || file.exists())
        return chosen;
    const QString path = QDir(file.path()).filePath(prefix + file.fileName());
    if (!QFileInfo::exists(path)) {
        platform().showMessage(MessageIcon::Information, state().texts.appTitle,
                               ArchiveDialogTexts::prefixAddedMessage(prefix, path));
        return path;
    }
    const bool replace = platform().askYesNo(
        MessageIcon::Question, state().texts.appTitle,
        ArchiveDialogTexts::prefixAddedReplaceQuestion(prefix, path), false);
    return replace ? path : QString();
}

void WorkWindow::handOverDocument(const ReportDocument &document, const QString &closingStatus)
{
    DocumentHandover handover(platform(), state().texts.appTitle);
    handover.setStatusLine([this](const QString &status) { setStepHint(status); }, closingStatus);
    handover.handOver(document);
}

unsigned int WorkWindow::backgroundRgb() const
{
    return m_form->palette().color(QPalette::Window).rgb() & 0xFFFFFFu;
}

void WorkWindow::setBackgroundRgb(unsigned int rgb)
{
    QPalette palette = m_form->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(rgb));
    m_form->setPalette(palette);
}

void WorkWindow::chooseBackgroundColour()
{
    const QString title = state().texts.appTitle + QStringLiteral(": colore di sfondo");
    if (backgroundRgb() != Grey
        && platform().askYesNo(MessageIcon::None, title,
                               QStringLiteral("Colori uguali e riposanti (grigio) per tutte le finestre?"),
                               true)) {
        m_shell.makeAllWorkWindows(Grey);
        return;
    }
    const std::optional<unsigned int> colour = platform().chooseColour(m_lastChosenColour);
    if (!colour)
        return;
    m_lastChosenColour = *colour;
    state().backgroundColour = *colour;
    setBackgroundRgb(*colour);
}

void WorkWindow::deleteArchiveFile()
{
    const QString prefix = info().archivePrefix;
    FileDialogRequest request;
    request.title = state().texts.deleteDialogTitle;
    request.filter = QStringLiteral("Tutti i file (*.*)|*.*|File ") + prefix
        + QStringLiteral(" | ") + prefix + QLatin1Char('*');
    request.selectedFilter = 2;
    const QString fileName = platform().openFileName(request);
    if (!fileName.isEmpty())
        QFile::remove(fileName);
}

QAction *WorkWindow::addPrintEntry(const QString &text)
{
    if (!m_printMenu) {
        m_printMenu = new QMenu(m_printAction->text(), this);
        m_printAction->setMenu(m_printMenu);
    }
    return m_printMenu->addAction(text);
}

void WorkWindow::keepEditHistory()
{
    m_history = new EditHistory(this);
    QAction *first = m_editMenu->actions().value(0);
    m_editMenu->insertAction(first, m_history->createUndoAction(this));
    m_editMenu->insertAction(first, m_history->createRedoAction(this));
    m_editMenu->insertSeparator(first);
    setWindowTitle(info().caption + QStringLiteral("[*]"));
    connect(m_history, &EditHistory::modifiedChanged, this, &QWidget::setWindowModified);
}

void WorkWindow::restoreEdits(const RowSnapshot &, const RowSnapshot &) {}

bool WorkWindow::hasUnsavedChanges() const
{
    return m_history && m_history->isModified();
}

bool WorkWindow::settleUnsavedChanges()
{
    if (!hasUnsavedChanges())
        return true;
    enum { Save, DoNotSave, Cancel };
    const int choice = platform().askChoice(
        MessageIcon::Question, info().caption, QStringLiteral("Salvare le modifiche?"),
        {QStringLiteral("Salva"), QStringLiteral("Non salvare"), QStringLiteral("Annulla")}, Save);
    if (choice == DoNotSave)
        return true;
    if (choice != Save)
        return false;
    // A save that the user cancelled or the check refused leaves the changes unsaved.
    saveArchive();
    return !hasUnsavedChanges();
}

void WorkWindow::clearWindowCommand()
{
    QList<WorkWindow *> cleared = {this};
    for (int k : windowsClearedAlong()) {
        if (WorkWindow *window = m_shell.existingWorkWindow(k))
            cleared.append(window);
    }
    for (WorkWindow *window : cleared) {
        if (!window->settleUnsavedChanges())
            return;
    }
    clearWindow();
    // An emptied window starts new data: what it held is in its file or was given up.
    for (WorkWindow *window : cleared) {
        if (window->m_history)
            window->m_history->restart();
    }
}

void WorkWindow::closeEvent(QCloseEvent *event)
{
    if (!m_shell.closingEveryWindow() && !settleUnsavedChanges()) {
        event->ignore();
        return;
    }
    m_resizer.reset();
    QMainWindow::closeEvent(event);
    m_shell.windowClosed(this);
}

void WorkWindow::buildMenus()
{
    const WorkWindowInfo &window = info();
    auto entry = [this, &window](QMenu *menu, const char *name, const char *text, auto slot) {
        QAction *action = menu->addAction(caption(QString::fromUtf8(text), window));
        action->setObjectName(QString::fromUtf8(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };

    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    entry(m_fileMenu, "apri", "&Apri...", [this] { openArchive(); });
    entry(m_fileMenu, "salva", "&Salva", [this] { saveArchive(); });
    entry(m_fileMenu, "salvanome", "Salva con &nome...", [this] { saveArchiveAs(); });
    entry(m_fileMenu, "eliminare", "&Elimina...", [this] {
        if (!info().archivePrefix.isEmpty())
            deleteArchiveFile();
    });
    m_printAction = entry(m_fileMenu, "stampa", "S&tampa", [this] {
        if (!m_printMenu)
            printMain();
    });
    entry(m_fileMenu, "formatostampa", "&Formato delle stampe...", [this] {
        DocumentFormatChoice::ask(platform(), state().texts.appTitle);
    });
    entry(m_fileMenu, "amministratore", "&Dati dell'amministratore...",
          [this] { m_shell.showAdministratorDetails(); });
    entry(m_fileMenu, "esci", "Es&ci", [this] { m_shell.confirmExit(); });

    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Modifica"));
    m_editMenu = edit;
    entry(edit, "colore", "&Colore di sfondo", [this] { chooseBackgroundColour(); });
    entry(edit, "controllo", window.plainCaptions ? "Controlla dati immessi" : "Controllo &dati immessi",
          [this] { checkData(); });
    entry(edit, "cancella", "C&ancella dati finestra", [this] { clearWindowCommand(); });

    QMenu *view = menuBar()->addMenu(QStringLiteral("&Visualizza"));
    for (int k = 1; k <= WorkWindowCount; ++k) {
        QAction *action = view->addAction(workWindowInfo(k).viewEntry);
        action->setObjectName(QStringLiteral("finestra%1").arg(k));
        connect(action, &QAction::triggered, this, [this, k] { m_shell.switchWindow(*this, k); });
    }

    QMenu *help = menuBar()->addMenu(QStringLiteral("&?"));
    entry(help, "guida", "&Guida in linea", [this] { m_shell.showHelpContents(); });
    entry(help, "suggerimenti", "&Suggerimenti...", [this] { m_shell.showTips(this); });
    entry(help, "supporto", "Supporto &prodotto", [this] { m_shell.showSupport(); });
    entry(help, "informazioni", "&Informazioni su Veltra", [this] { m_shell.showAbout(); });

    auto *title = new QToolButton(menuBar());
    title->setObjectName(QStringLiteral("menuTitle"));
    title->setText(window.menuTitle);
    title->setAutoRaise(true);
    connect(title, &QToolButton::clicked, this, [this] { m_shell.showWindowHelp(m_number); });
    menuBar()->setCornerWidget(title, Qt::TopRightCorner);
}

void WorkWindow::buildToolBar()
{
    m_toolBar = addToolBar(QStringLiteral("Toolbar1"));
    m_toolBar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolBar->setMovable(false);
    // Twenty buttons must fit the window's width of 9600 twips.
    m_toolBar->setIconSize(QSize(16, 16));
    const std::array<std::function<void()>, 20> commands = {
        [this] { openArchive(); },
        [this] { saveArchive(); },
        [this] { deleteArchiveFile(); },
        [this] { printMain(); },
        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
        [this] { m_shell.showHelpContents(); },
        [this] { m_shell.showTips(this); },
        [this] { m_shell.showSupport(); },
        [this] { m_shell.showAbout(); },
        [this] { checkData(); },
        [this] { clearWindowCommand(); },
        [this] { m_shell.confirmExit(); },
    };
    for (int button = 1; button <= 20; ++button) {
        QAction *action = m_toolBar->addAction(toolbarPicture(button), toolTipOf(button, info()));
        action->setObjectName(QStringLiteral("button%1").arg(button));
        action->setEnabled(!info().disabledButtons.contains(button));
        if (button >= 5 && button <= 13)
            connect(action, &QAction::triggered, this,
                    [this, button] { m_shell.switchWindow(*this, button - 4); });
        else
            connect(action, &QAction::triggered, this, commands.at(button - 1));
        if (button == 4 || button == 13 || button == 17 || button == 19)
            m_toolBar->addSeparator();
    }
}

void WorkWindow::buildFaceButtons()
{
    m_passo->setObjectName(QStringLiteral("passo"));
    m_passo->setGeometry(8, StepHintTop, 384, StepHintHeight);
    m_passo->setWordWrap(true);
    m_passo->setStyleSheet(QStringLiteral("background: #ffff80; border: 1px solid #808000;"));
    m_passo->setToolTip(QStringLiteral("indicazioni sulla corretta procedura di gestione dei dati"));

    QPushButton *exit = faceButton(QStringLiteral("esco"), QStringLiteral("&USCITA"),
                                   QStringLiteral("cliccare per uscire da Veltra"));
    exit->setGeometry(400, FaceRowTop, 72, 24);
    connect(exit, &QPushButton::clicked, this, [this] { m_shell.confirmExit(); });

    QPushButton *guide = faceButton(QStringLiteral("guidainlinea"), QStringLiteral("&Guida in linea"),
                                    QStringLiteral("cliccare per visualizzare il Sommario della guida"));
    guide->setGeometry(476, FaceRowTop, 92, 24);
    connect(guide, &QPushButton::clicked, this, [this] { m_shell.showHelpContents(); });

    QPushButton *help = faceButton(QStringLiteral("aiuto"), QStringLiteral("&AIUTO"),
                                   QStringLiteral("cliccare per avere gli aiuti in linea"));
    help->setGeometry(572, FaceRowTop, 60, 24);
    connect(help, &QPushButton::clicked, this, [this] { showInstructions(); });
}

QPushButton *WorkWindow::faceButton(const QString &name, const QString &text, const QString &tip)
{
    auto *button = new QPushButton(text, m_form);
    button->setObjectName(name);
    button->setToolTip(tip);
    return button;
}

} // namespace veltra
