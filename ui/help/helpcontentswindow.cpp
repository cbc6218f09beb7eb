#include "ui/help/helpcontentswindow.h"

#include "core/state/sharedstate.h"
#include "library/help/helpguide.h"
#include "reports/help/helpprintout.h"
#include "ui/frame/proportionalresizer.h"
#include "ui/frame/shell.h"
#include "ui/frame/twips.h"
#include "ui/help/helpwindow.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace veltra {

namespace {

// The window's design, in twips.
const QSize FormSize(3975, 7155);
const QRect HeadingBox(120, 120, 3735, 375);
constexpr int RowTop = 600;
constexpr int RowStep = 330;
constexpr int RowHeight = 285;
constexpr int ArrowLeft = 120;
constexpr int ArrowWidth = 555;
constexpr int EntryLeft = 765;
constexpr int EntryWidth = 3090;
constexpr int ButtonTop = 6570;
constexpr int ButtonWidth = 1185;
constexpr int ButtonHeight = 375;

// The captions keep their leading blanks: the first three entries and the tips stand a
// little further in than the window pages.
const char *const EntryCaptions[HelpContentsWindow::RowCount] = {
    "  Manuale d'uso rapido",     "  Funzionamento del programma", "  Archivio dati",
    " Come stampare",             " Finestra Dati",                " Finestra Spese",
    " Finestra Conduttore",       " Finestra Pagamenti",           " Finestra Assemblea",
    " Finestra Convocazione",     " Finestra Sentenze",            " Finestra Regolamento",
    " Finestra Modelli",          " Finestra Anagrafe",            " Disposizioni di Attuazione ",
    " Codice Civile",             "  Suggerimento del giorno",
};

QPushButton *addButton(QWidget *form, const QString &name, const QString &caption,
                       const QString &tip, const QRect &twips)
{
    auto *button = new QPushButton(caption, form);
    button->setObjectName(name);
    button->setToolTip(tip);
    button->setGeometry(Twips::toPixels(twips));
    return button;
}

void setBold(QLabel *label, bool bold)
{
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
}

} // namespace

HelpContentsWindow::HelpContentsWindow(Shell &shell, QWidget *parent)
    : QDialog(parent)
    , m_shell(shell)
    , m_resizer(new ProportionalResizer(this))
{
    setObjectName(QStringLiteral("sommario"));
    setWindowTitle(QStringLiteral("Veltra: guida in linea"));
    setMouseTracking(true);
    resize(Twips::toPixels(FormSize));
    buildControls();
    m_resizer->setSourceForm(this);
    m_resizer->ReInitialise();
    m_resizer->SizeFormToFit(Twips::toPixels(FormSize));
}

void HelpContentsWindow::buildControls()
{
    auto *heading = new QLabel(QStringLiteral("Argomenti della guida"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    heading->setGeometry(Twips::toPixels(HeadingBox));
    heading->setAlignment(Qt::AlignCenter);
    setBold(heading, true);

    for (int row = 1; row <= RowCount; ++row)
        buildRow(row);

    connect(addButton(this, QStringLiteral("cmdStampa"), QStringLiteral("&Stampa"),
                      QStringLiteral("cliccare per avere la copia su carta del sommario"),
                      QRect(120, ButtonTop, ButtonWidth, ButtonHeight)),
            &QPushButton::clicked, this, &HelpContentsWindow::printGuide);
    connect(addButton(this, QStringLiteral("cmdChiudi"), QStringLiteral("&Chiudi"),
                      QStringLiteral("cliccare per chiudere la finestra"),
                      QRect(1395, ButtonTop, ButtonWidth, ButtonHeight)),
            &QPushButton::clicked, this, &QWidget::hide);
    connect(addButton(this, QStringLiteral("esco"), QStringLiteral("&USCITA"),
                      QStringLiteral("cliccare per uscire da Veltra"),
                      QRect(2670, ButtonTop, ButtonWidth, ButtonHeight)),
            &QPushButton::clicked, &m_shell, &Shell::confirmExit);
}

void HelpContentsWindow::buildRow(int row)
{
    const int top = RowTop + (row - 1) * RowStep;
    auto *arrow = new QPushButton(QStringLiteral("--->"), this);
    arrow->setObjectName(QStringLiteral("puls%1").arg(row));
    arrow->setGeometry(Twips::toPixels(QRect(ArrowLeft, top, ArrowWidth, RowHeight)));
    connect(arrow, &QPushButton::clicked, this, [this, row] { openRow(row); });

    auto *label = new QLabel(QString::fromUtf8(EntryCaptions[row - 1]), this);
    label->setObjectName(QStringLiteral("lbl%1").arg(row));
    label->setGeometry(Twips::toPixels(QRect(EntryLeft, top, EntryWidth, RowHeight)));
    label->setMouseTracking(true);
    label->installEventFilter(this);
    m_labels.append(label);
}

void HelpContentsWindow::highlight(QLabel *label)
{
    for (QLabel *entry : qAsConst(m_labels))
        setBold(entry, entry == label);
}

bool HelpContentsWindow::eventFilter(QObject *watched, QEvent *event)
{
    auto *label = qobject_cast<QLabel *>(watched);
    const int row = int(m_labels.indexOf(label)) + 1;
    if (row == 0)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove:
        // Consumed here: passed on, it would reach the background and clear the bold again.
        highlight(label);
        return true;
    case QEvent::MouseButtonPress:
        label->setFrameShape(QFrame::NoFrame);
        openRow(row);
        break;
    case QEvent::MouseButtonRelease:
        label->setFrameShape(QFrame::Box);
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void HelpContentsWindow::mouseMoveEvent(QMouseEvent *event)
{
    highlight(nullptr);
    QDialog::mouseMoveEvent(event);
}

void HelpContentsWindow::openRow(int row)
{
    if (row == RowCount) {
        m_shell.showTips(this);
        return;
    }
    m_shell.showHelpPage(HelpGuide::windowNames().at(row - 1));
}

void HelpContentsWindow::printGuide()
{
    const HelpGuide *guide = m_shell.helpGuide();
    if (!guide)
        return;
    const AppTexts &texts = m_shell.state().texts;
    HelpWindow::present(m_shell, HelpPrintout::guide(texts, *guide), HelpPrintout::guideName(texts));
}

} // namespace veltra
