#include "ui/assemblea/assembleawindow.h"

#include "core/numbers/numbertext.h"
#include "core/platform/platform.h"
#include "core/state/sharedstate.h"
#include "reports/assembly/majoritiesprintout.h"
#include "ui/assemblea/wrappedbutton.h"
#include "ui/frame/formcontrols.h"
#include "ui/frame/shell.h"

#include <QAction>
#include <QLabel>

namespace veltra {

namespace {

// Two columns of matter buttons under the heading, ten to a column.
constexpr int ButtonsTop = 28;
constexpr int ButtonPitch = 34;
constexpr int ButtonHeight = 32;
constexpr int ButtonWidth = 308;
constexpr int PerColumn = 10;
constexpr int CaptionPointSize = 7;
constexpr int ConvocazioneWindow = 6;

QRect matterRect(int n)
{
    const int column = (n - 1) / PerColumn;
    const int row = (n - 1) % PerColumn;
    return QRect(8 + column * (ButtonWidth + 8), ButtonsTop + row * ButtonPitch, ButtonWidth,
                 ButtonHeight);
}

QString instructions(int matters)
{
    return QStringLiteral("La finestra è di sola lettura:\n"
                          "- cliccare su uno dei %1 tasti gialli per visualizzare le "
                          "informazioni richieste;\n"
                          "- visualizzare nella casella gialla in basso a quale situazione si "
                          "riferisce l'informazione;\n"
                          "- cliccare sul tasto 'Guida in linea' per visualizzare gli articoli "
                          "del Codice Civile e delle Disposizioni di Attuazione.")
        .arg(matters);
}

} // namespace

AssembleaWindow::AssembleaWindow(Shell &shell, QWidget *parent)
    : WorkWindow(shell, 5, parent)
    , m_table(MajorityTable::shipped())
{
    FormControls::disableEntries(this, {QStringLiteral("apri"), QStringLiteral("salva"),
                                        QStringLiteral("salvanome"), QStringLiteral("controllo"),
                                        QStringLiteral("cancella")});

    auto *heading = new QLabel(QStringLiteral("Maggioranze necessarie per le assemblee di condominio"),
                               form());
    heading->setObjectName(QStringLiteral("Label7"));
    heading->setToolTip(QStringLiteral("ulteriori informazioni possono essere visualizzate nella "
                                       "Guida in linea (Codice Civile e Disposizioni di Attuazione)"));
    heading->setGeometry(8, 4, 520, 20);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    auto *convoca = new QPushButton(QStringLiteral("&Convocaz."), form());
    convoca->setObjectName(QStringLiteral("convoca"));
    convoca->setToolTip(QStringLiteral("cliccare per visualizzare la finestra Convocazione"));
    convoca->setGeometry(540, 2, 92, 22);
    connect(convoca, &QPushButton::clicked, this,
            [this] { this->shell().switchWindow(*this, ConvocazioneWindow); });

    buildMatterButtons();
    markOwnViewEntry();
}

QString AssembleaWindow::idleStepHint()
{
    return QStringLiteral("cliccare su un tasto per visualizzare la maggioranza richiesta dalla legge");
}

QString AssembleaWindow::majorityTitle()
{
    return QStringLiteral("Veltra - Normativa di riferimento");
}

WrappedButton *AssembleaWindow::matterButton(int n) const
{
    return n >= 1 && n <= m_buttons.size() ? m_buttons.at(n - 1) : nullptr;
}

void AssembleaWindow::initialise()
{
    setStepHint(idleStepHint());
    if (!m_table.isValid())
        platform().showMessage(MessageIcon::Critical, state().texts.appTitle,
                               QStringLiteral("Le maggioranze non sono disponibili (")
                                   + MajorityTable::shippedPath() + QStringLiteral(", ")
                                   + m_table.error + QStringLiteral(")."));
}

// "Finestra Assemblea" carries a check mark that stays whatever the user answers.
void AssembleaWindow::markOwnViewEntry()
{
    QAction *entry = findChild<QAction *>(QStringLiteral("finestra5"));
    if (!entry)
        return;
    entry->setCheckable(true);
    entry->setChecked(true);
    connect(entry, &QAction::toggled, entry, [entry] { entry->setChecked(true); });
}

void AssembleaWindow::buildMatterButtons()
{
    for (const Majority &majority : m_table.majorities) {
        auto *button = new WrappedButton(majority.caption, form());
        const int n = majority.number;
        button->setObjectName(FormControls::indexed(QStringLiteral("cmd"), n));
        button->setGeometry(matterRect(n));
        QFont font = button->font();
        font.setPointSize(CaptionPointSize);
        button->setFont(font);
        button->setStyleSheet(QStringLiteral("background-color: #ffff80;"));
        connect(button, &QPushButton::clicked, this, [this, n] { showMajority(n); });
        m_buttons << button;
    }
}

void AssembleaWindow::showMajority(int n)
{
    if (n < 1 || n > m_table.majorities.size())
        return;
    setStepHint(QStringLiteral("viene visualizzata la maggioranza richiesta per la validità delle "
                               "deliberazioni di condominio riferite alla problematica n.")
                + NumberText::str(n));
    platform().showMessage(MessageIcon::Information, majorityTitle(),
                           m_table.majorities.at(n - 1).text);
    setStepHint(idleStepHint());
}

void AssembleaWindow::printMain()
{
    setStepHint(MajoritiesPrintout::openingStatus());
    handOverDocument(MajoritiesPrintout::build(state(), m_table.majorities),
                     MajoritiesPrintout::closingStatus());
}

void AssembleaWindow::showInstructions()
{
    platform().showMessage(MessageIcon::Information, state().texts.helpTitle,
                           instructions(int(m_table.majorities.size())));
}

} // namespace veltra
