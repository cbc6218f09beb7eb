#include "ui/frame/startwindow.h"

#include "core/platform/platform.h"
#include "core/state/sharedstate.h"
#include "ui/frame/proportionalresizer.h"
#include "ui/frame/shell.h"
#include "ui/frame/twips.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

namespace veltra {

namespace {

struct Procedure
{
    const char *caption;
    const char *description;
    const char *status;
};

const Procedure procedures[] = {
    {"Tabelle millesimali", "l'elenco dei condomini con i millesimi di proprietà e di uso",
     "Apre una finestra per la redazione delle tabelle millesimali."},
    {"Gestione spese",
     "la ripartizione delle spese in base ai criteri scelti e le archivia per anno",
     "Apre una finestra per la gestione della ripartizione delle singole spese del condominio."},
    {"Conduttore e locatore", "una tabella con tipologie di spese competenti all'uno o all'altro",
     "Apre una finestra per la visualizzazione della casistica delle ripartizioni delle spese tra conduttore e locatore."},
    {"Gestione pagamenti", "archivia e stampa i pagamenti dei condomini, le schede ed il bilancio",
     "Apre una finestra per la gestione dei pagamenti delle spese da parte dei condomini."},
    {"Maggioranze necessarie",
     "le norme con l'indicazione delle maggioranze necessarie in assemblea",
     "Apre una finestra per la visualizzazione delle norme relative alle maggioranze richieste in assemblea."},
    {"Convocazione assemblea", "la redazione dell'avviso di convocazione con la stampa",
     "Apre una finestra per la redazione e stampa dell'avviso di convocazione dell'assemblea."},
    {"Sentenze", "le sentenze relative a numerose casistiche del condominio",
     "Apre una finestra per la visualizzazione di sentenze riguardanti il condominio."},
    {"Regolamento", "una bozza di regolamento condominiale",
     "Apre una finestra per la visualizzazione e la stampa di una bozza di regolamento per il condominio."},
    {"Modelli", "decine di modelli utili",
     "Apre una finestra per la stampa di numerosi modelli utili per il condominio."},
};

// The form's design, in design pixels.
const QSize FormSize(640, 430);
constexpr int OptionTop = 84;
constexpr int OptionStep = 30;

QLabel *makeLabel(QWidget *form, const char *name, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, form);
    label->setObjectName(QString::fromUtf8(name));
    label->setGeometry(geometry);
    return label;
}

} // namespace

StartWindow::StartWindow(Shell &shell)
    : m_shell(shell)
    , m_form(new QWidget(this))
{
    setObjectName(QStringLiteral("scelta"));
    setAttribute(Qt::WA_DeleteOnClose);
    setCentralWidget(m_form);
    m_form->setMouseTracking(true);
    m_form->installEventFilter(this);
    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(status);
    buildHeadings();
    buildOptions();
    buildButtons();
}

StartWindow::~StartWindow() = default;

void StartWindow::load()
{
    setWindowTitle(m_shell.state().texts.appTitle);
    m_form->resize(FormSize);
    m_resizer = std::make_unique<ProportionalResizer>();
    m_resizer->setSourceForm(m_form);
    m_resizer->SizeFormToScreen(75);
    m_resizer->SizeFormToFit(Twips::toPixels(FormSize * Twips::PerDesignPixel));
}

QRadioButton *StartWindow::option(int index) const
{
    return findChild<QRadioButton *>(QStringLiteral("Option1_%1").arg(index));
}

bool StartWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Moves over the options reach the form too, since the options ignore them; the form
    // tells by the point which control the mouse is over.
    if (watched == m_form && event->type() == QEvent::MouseMove)
        showStatusAt(static_cast<QMouseEvent *>(event)->position().toPoint());
    return QMainWindow::eventFilter(watched, event);
}

void StartWindow::showStatusAt(const QPoint &point)
{
    const QWidget *control = m_form->childAt(point);
    const int index = control ? control->property("procedure").toInt() : 0;
    statusBar()->showMessage(index >= 1
                                 ? QString::fromUtf8(procedures[index - 1].status)
                                 : QStringLiteral("Elenca le procedure previste nel software."));
}

void StartWindow::closeEvent(QCloseEvent *event)
{
    m_resizer.reset();
    QMainWindow::closeEvent(event);
    m_shell.windowClosed(this);
}

void StartWindow::buildHeadings()
{
    QLabel *heading = makeLabel(m_form, "Lb", QStringLiteral("Cliccare sulla procedura scelta"),
                                QRect(0, 8, 640, 32));
    heading->setAlignment(Qt::AlignCenter);
    heading->setStyleSheet(QStringLiteral("background: #c00000; color: #ffff00; font-size: 16pt; font-weight: bold;"));
    makeLabel(m_form, "Label61", QStringLiteral("Procedure principali"), QRect(16, 54, 186, 22));
    makeLabel(m_form, "Label71", QStringLiteral(" il programma elabora o visualizza..."),
              QRect(206, 54, 430, 22));
}

void StartWindow::buildOptions()
{
    for (int index = 1; index <= 9; ++index) {
        const Procedure &procedure = procedures[index - 1];
        const int top = OptionTop + (index - 1) * OptionStep;
        auto *option = new QRadioButton(QString::fromUtf8(procedure.caption), m_form);
        option->setObjectName(QStringLiteral("Option1_%1").arg(index));
        option->setGeometry(16, top, 186, 24);
        option->setProperty("procedure", index);
        connect(option, &QRadioButton::clicked, this, [this, index] { choose(index); });
        QLabel *description =
            makeLabel(m_form, QStringLiteral("Label%1").arg(index).toUtf8().constData(),
                      QString::fromUtf8(procedure.description), QRect(206, top, 430, 24));
        QFont font = description->font();
        font.setPointSizeF(font.pointSizeF() * 0.9);
        description->setFont(font);
    }
}

void StartWindow::buildButtons()
{
    auto button = [this](const char *name, const char *text, const char *tip, int left, int width) {
        auto *b = new QPushButton(QString::fromUtf8(text), m_form);
        b->setObjectName(QString::fromUtf8(name));
        b->setToolTip(QString::fromUtf8(tip));
        b->setGeometry(left, 372, width, 28);
        return b;
    };
    connect(button("cmdesci", "&USCITA", "cliccare per uscire da Veltra", 24, 120),
            &QPushButton::clicked, this, [this] { m_shell.confirmExit(); });
    connect(button("guida", "&Guida in linea", "cliccare per visualizzare gli Argomenti della guida",
                   260, 120),
            &QPushButton::clicked, this, [this] { m_shell.showHelpContents(); });
    connect(button("aiuto", "&AIUTO", "cliccare per avere informazioni sull'uso della finestra",
                   496, 120),
            &QPushButton::clicked, this, [this] { showInstructions(); });
}

void StartWindow::choose(int index)
{
    QRadioButton *chosen = option(index);
    m_shell.chooseProcedure(index);
    if (!chosen)
        return;
    // Unmarked again, so that the same procedure can be chosen a second time.
    chosen->setAutoExclusive(false);
    chosen->setChecked(false);
    chosen->setAutoExclusive(true);
}

void StartWindow::showInstructions()
{
    m_shell.platform().showMessage(
        MessageIcon::Information, m_shell.state().texts.helpTitle,
        QStringLiteral("- Scegliere l'argomento che si intende controllare cliccandoci sopra;\n"
                       "- visualizzare le informazioni nella barra di stato muovendosi con il mouse."));
}

} // namespace veltra
