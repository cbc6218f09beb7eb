#include "ui/regolamento/regolamentowindow.h"

#include "core/platform/platform.h"
#include "core/state/sharedstate.h"
#include "reports/library/regulationprintout.h"
#include "ui/frame/librarycontrols.h"
#include "ui/frame/shell.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>

namespace veltra {

namespace {

const QString Instructions = QStringLiteral(
    "La finestra è di sola lettura:\r"
    "- stampare la bozza di regolamento su Word;\r"
    "- integrarla e/o modificarla e, quindi stamparla e/o archiviarla, sempre con Word.");

} // namespace

RegolamentoWindow::RegolamentoWindow(Shell &shell, QWidget *parent)
    : WorkWindow(shell, 8, parent)
{
    LibraryControls::heading(form(), QStringLiteral("Bozza di regolamento di condominio"),
                             QRect(8, 6, 624, 26));
    m_text = LibraryControls::readOnlyText(form(), QStringLiteral("Text1"), QRect(8, 34, 624, 300));
    connect(LibraryControls::printButton(form(), QStringLiteral("stampa"),
                                         QStringLiteral("cliccare per esportare il documento su Word")),
            &QPushButton::clicked, this, &RegolamentoWindow::printMain);
    LibraryControls::forumButton(form(), shell);
    if (auto *exit = form()->findChild<QPushButton *>(QStringLiteral("esco")))
        exit->setObjectName(QStringLiteral("cmdesci"));
}

void RegolamentoWindow::initialise()
{
    m_regulation = RegulationText::load(
        QDir(shell().dataFolder()).filePath(RegulationText::fileName()));
    m_text->setPlainText(m_regulation.isValid() ? m_regulation.text().replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                                                : m_regulation.error());
    setStepHint(QStringLiteral("La stampa del regolamento avviene automaticamente su WORD, dove "
                               "può essere integrato e modificato."));
}

ReportDocument RegolamentoWindow::printout() const
{
    return RegulationPrintout::build(state().condoName, m_regulation.text());
}

// With no condominium loaded the heading reads "Condominio: " alone; the opening status
// stays until another command changes it.
void RegolamentoWindow::printMain()
{
    if (!m_regulation.isValid()) {
        platform().showMessage(MessageIcon::Exclamation, state().texts.checkTitle, m_regulation.error());
        return;
    }
    setStepHint(RegulationPrintout::openingStatus());
    handOverDocument(printout(), QString());
}

void RegolamentoWindow::showInstructions()
{
    platform().showMessage(MessageIcon::None, QString(), Instructions);
}

} // namespace veltra
