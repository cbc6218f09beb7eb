#include "ui/modelli/modelliwindow.h"

#include "core/platform/platform.h"
#include "core/state/sharedstate.h"
#include "reports/library/templateprintout.h"
#include "ui/frame/librarycontrols.h"
#include "ui/frame/shell.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace veltra {

namespace {

const QString Instructions = QStringLiteral(
    "La finestra è di sola lettura:\r"
    "- scegliere nell'elenco a sinistra il modello di lettera, contratto o verbale che serve;\r"
    "- leggerne il testo a destra: i trattini bassi indicano i dati da completare, le barre le "
    "alternative tra cui scegliere;\r"
    "- stampare il modello su Word con il tasto Stampa, dove completarlo, correggerlo e quindi "
    "stamparlo e/o archiviarlo;\r"
    "- prima di spedire una lettera, verificare che le norme citate non siano cambiate.");

} // namespace

ModelliWindow::ModelliWindow(Shell &shell, QWidget *parent)
    : WorkWindow(shell, 9, parent)
{
    LibraryControls::heading(form(), QStringLiteral("Modelli per il condominio"), QRect(8, 6, 624, 26));
    m_list = new QListWidget(form());
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setGeometry(8, 34, 236, 300);
    // The titles are long: each takes the lines it needs instead of running past the edge.
    m_list->setWordWrap(true);
    m_list->setTextElideMode(Qt::ElideNone);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setResizeMode(QListView::Adjust);
    m_title = new QLabel(form());
    m_title->setObjectName(QStringLiteral("tit"));
    // The longest titles take two lines.
    m_title->setGeometry(252, 34, 380, 40);
    m_title->setWordWrap(true);
    m_title->setFrameShape(QFrame::Panel);
    m_title->setFrameShadow(QFrame::Sunken);
    m_text = LibraryControls::readOnlyText(form(), QStringLiteral("testo"), QRect(252, 78, 380, 256));
    connect(m_list, &QListWidget::currentRowChanged, this, &ModelliWindow::showChoice);
    connect(LibraryControls::printButton(form(), QStringLiteral("stampa"),
                                         QStringLiteral("cliccare per esportare il documento su Word")),
            &QPushButton::clicked, this, &ModelliWindow::printMain);
    LibraryControls::forumButton(form(), shell);
    if (auto *exit = form()->findChild<QPushButton *>(QStringLiteral("esco")))
        exit->setObjectName(QStringLiteral("cmdesci"));
}

void ModelliWindow::initialise()
{
    m_library = TemplateLibrary::load(QDir(shell().dataFolder()).filePath(TemplateLibrary::fileName()));
    for (int n = 1; n <= TemplateLibrary::EntryCount; ++n)
        m_list->addItem(LibraryControls::numberedLine(n, m_library.title(n)));
    if (!m_library.isValid())
        m_text->setPlainText(m_library.error());
    setStepHint(QStringLiteral("La stampa dei modelli avviene automaticamente su WORD, dove possono "
                               "essere integrati e modificati."));
}

void ModelliWindow::chooseTemplate(int n)
{
    m_list->setCurrentRow(n - 1);
}

void ModelliWindow::showChoice(int row)
{
    m_chosen = row + 1;
    const QString title = m_library.title(m_chosen);
    m_text->setPlainText(QString(m_library.text(m_chosen)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_title->setText(title);
    m_list->setToolTip(title);
    setStepHint(QStringLiteral("scegli un altro modello o stampa con Word quello visualizzato"));
}

ReportDocument ModelliWindow::printout() const
{
    return TemplatePrintout::build(state().condoName, m_library.text(m_chosen));
}

// Before any choice the document holds the heading alone.
void ModelliWindow::printMain()
{
    setStepHint(TemplatePrintout::openingStatus());
    handOverDocument(printout(), TemplatePrintout::closingStatus());
}

void ModelliWindow::showInstructions()
{
    platform().showMessage(MessageIcon::None, QString(), Instructions);
}

} // namespace veltra
