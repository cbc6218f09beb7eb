#include "ui/sentenze/sentenzewindow.h"

#include "core/platform/platform.h"
#include "core/state/sharedstate.h"
#include "library/rulings/rulingtopics.h"
#include "reports/library/rulingsprintout.h"
#include "ui/frame/librarycontrols.h"
#include "ui/frame/shell.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace veltra {

namespace {

const QString Instructions = QStringLiteral(
    "- Scegliere uno degli argomenti elencati sulla sinistra della finestra;\r"
    "- visualizzare le sentenze disponibili usando la barra di scorrimento orizzontale;\r"
    "- stampare la singola sentenza cliccando sul tasto Stampa;\r"
    "- stampare tutte le sentenze dell'argomento scelto cliccando su File nella barra del menu;\r"
    "- visualizzare il numero di sentenze disponibili nella casella gialla.");

// A count as the messages print it: a blank in the place of the sign, then the digits.
QString countText(int count)
{
    return QLatin1Char(' ') + QString::number(count);
}

QLabel *boxLabel(QWidget *form, const QString &name, const QString &toolTip, const QRect &rect)
{
    auto *label = new QLabel(form);
    label->setObjectName(name);
    label->setToolTip(toolTip);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setGeometry(rect);
    return label;
}

} // namespace

QString SentenzeWindow::endOfTopicLine()
{
    return QStringLiteral("     ----- non esistono altre sentenze da visualizzare sull'argomento -----");
}

SentenzeWindow::SentenzeWindow(Shell &shell, QWidget *parent)
    : WorkWindow(shell, 7, parent)
{
    buildControls();
    connect(addPrintEntry(QStringLiteral("&Sentenza visualizzata")), &QAction::triggered, this,
            &SentenzeWindow::printShownRuling);
    connect(addPrintEntry(QStringLiteral("&Tutte le sentenze dell'argomento")), &QAction::triggered,
            this, &SentenzeWindow::printAllFromShown);
}

void SentenzeWindow::buildControls()
{
    m_list = new QListWidget(form());
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setGeometry(8, 8, 300, 326);
    m_topicTitle = boxLabel(form(), QStringLiteral("Label2"),
                            QStringLiteral("argomento relativo alle sentenze visualizzate"),
                            QRect(316, 8, 316, 22));
    m_number = boxLabel(form(), QStringLiteral("conta"),
                        QStringLiteral("numero della sentenza dell'argomento scelto"),
                        QRect(544, 312, 88, 22));
    m_number->setAlignment(Qt::AlignCenter);
    m_ruling = LibraryControls::readOnlyText(form(), QStringLiteral("sent"), QRect(316, 34, 316, 252));
    m_scroll = new QScrollBar(Qt::Horizontal, form());
    m_scroll->setObjectName(QStringLiteral("HScroll1"));
    m_scroll->setRange(1, RulingLibrary::MaxPerTopic);
    m_scroll->setGeometry(316, 290, 316, 18);
    m_total = boxLabel(form(), QStringLiteral("Label1"),
                       QStringLiteral("totale delle sentenze disponibili nella corrente versione del programma"),
                       QRect(316, 312, 220, 22));
    m_total->setStyleSheet(QStringLiteral("background: #ffff80;"));
    passo()->setToolTip(QStringLiteral("indicazioni sulla procedura e sul numero di sentenze disponibili"));
    if (auto *guide = form()->findChild<QPushButton *>(QStringLiteral("guidainlinea")))
        guide->setToolTip(QStringLiteral("cliccare per visualizzare gli Argomenti della guida"));
    if (auto *help = form()->findChild<QPushButton *>(QStringLiteral("aiuto")))
        help->setToolTip(QStringLiteral("cliccare per visualizzare l'aiuto in linea"));

    connect(m_list, &QListWidget::currentRowChanged, this, &SentenzeWindow::topicClicked);
    connect(m_scroll, &QScrollBar::valueChanged, this, &SentenzeWindow::showRuling);
    connect(LibraryControls::printButton(form(), QStringLiteral("stampiamo"),
                                         QStringLiteral("cliccare per stampare la sentenza visualizzata")),
            &QPushButton::clicked, this, &SentenzeWindow::printShownRuling);
    LibraryControls::forumButton(form(), shell());
}

void SentenzeWindow::initialise()
{
    m_library = RulingLibrary::load(QDir(shell().dataFolder()).filePath(RulingLibrary::fileName()));
    for (int t = 1; t <= RulingTopics::Count; ++t)
        m_list->addItem(LibraryControls::numberedLine(t, RulingTopics::title(t)));
    m_total->setText(countText(m_library.total()) + QStringLiteral(" sentenze totali"));
    if (!m_library.isValid())
        m_ruling->setPlainText(m_library.error());
    setStepHint(QStringLiteral("scegliere l'argomento di cui si vuole visualizzare le sentenze disponibili"));
}

void SentenzeWindow::chooseTopic(int t)
{
    m_list->setCurrentRow(t - 1);
}

void SentenzeWindow::leafTo(int n)
{
    m_scroll->setValue(n);
}

void SentenzeWindow::topicClicked(int row)
{
    {
        const QSignalBlocker blocker(m_scroll);
        m_scroll->setValue(1);
    }
    m_chosenTopic = row + 1;
    m_shownRuling = 1;
    m_number->setText(QStringLiteral("1"));
    m_ruling->setPlainText(m_library.text(1, m_chosenTopic));
    const QString title = RulingTopics::title(m_chosenTopic);
    m_list->setToolTip(QStringLiteral("argomento scelto: ") + title);
    m_topicTitle->setText(title);
    m_topicCount = m_library.count(m_chosenTopic);
    setStepHint(QStringLiteral("visualizzazione delle ") + countText(m_topicCount)
                + QStringLiteral(" sentenze relative all'argomento scelto"));
    // A topic without rulings shows the end-of-topic line at once.
    if (m_topicCount == 0)
        showRuling(1);
}

// One step past the last ruling shows the end-of-topic line; the scroll bar is held there.
void SentenzeWindow::showRuling(int value)
{
    m_shownRuling = value;
    if (m_shownRuling > m_topicCount) {
        m_shownRuling = m_topicCount + 1;
        m_ruling->setPlainText(endOfTopicLine());
        m_number->setText(QString::number(m_shownRuling));
        m_scroll->setValue(m_shownRuling);
        return;
    }
    m_number->setText(QString::number(m_shownRuling));
    m_ruling->setPlainText(m_library.text(m_shownRuling, m_chosenTopic));
}

void SentenzeWindow::printMain()
{
    printShownRuling();
}

void SentenzeWindow::printShownRuling()
{
    print(false);
}

void SentenzeWindow::printAllFromShown()
{
    print(true);
}

ReportDocument SentenzeWindow::printout(bool printAll)
{
    QStringList texts;
    for (const Ruling &ruling : m_library.rulings(m_chosenTopic))
        texts << ruling.text;
    const int first = m_number->text().toInt();
    ReportDocument document = RulingsPrintout::build(state().condoName, RulingTopics::title(m_chosenTopic),
                                                     texts, first, printAll ? m_topicCount : first);
    if (printAll)
        leafTo(m_topicCount + 1);
    return document;
}

void SentenzeWindow::print(bool printAll)
{
    if (m_topicCount == 0) {
        platform().showMessage(MessageIcon::Exclamation, state().texts.checkTitle,
                               QStringLiteral("Non vi è nulla da stampare: scegliere un argomento da "
                                              "visualizzare."));
        return;
    }
    setStepHint(RulingsPrintout::openingStatus());
    const ReportDocument document = printout(printAll);
    handOverDocument(document, RulingsPrintout::closingStatus());
}

void SentenzeWindow::showInstructions()
{
    platform().showMessage(MessageIcon::Information, state().texts.helpTitle, Instructions);
}

} // namespace veltra
