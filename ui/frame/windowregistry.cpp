#include "ui/frame/windowregistry.h"

#include "library/help/helpguide.h"
#include "library/registry/coefficienttables.h"
#include "ui/contabilita/reopendialog.h"
#include "ui/contabilita/statementdialog.h"
#include "ui/frame/shell.h"
#include "ui/frame/workwindow.h"
#include "ui/frame/workwindowcatalogue.h"

#include <QRadioButton>
#include <QTabWidget>

namespace veltra {

QList<RegisteredWindow> registeredWindows()
{
    QList<RegisteredWindow> windows;
    windows.append({QStringLiteral("scelta"), [](Shell &shell) { shell.showMainChooser(); }});
    for (int k = 1; k <= WorkWindowCount; ++k)
        windows.append({workWindowInfo(k).name, [k](Shell &shell) { shell.showWorkWindow(k); }});
    // Heating by heat meters shows the expense window's meter columns in place of others.
    windows.append({QStringLiteral("spese a contabilizzazione"), [](Shell &shell) {
                        shell.showWorkWindow(2);
                        if (auto *meters = shell.workWindow(2)->findChild<QRadioButton *>(
                                QStringLiteral("Option1_7")))
                            meters->setChecked(true);
                    }});
    // The meeting window's court decrees open from its File menu in a window of their own.
    windows.append({QStringLiteral("decreti"), [](Shell &shell) {
                        shell.showWorkWindow(11);
                        if (auto *decrees = shell.workWindow(11)->findChild<QWidget *>(QStringLiteral("decreti")))
                            decrees->show();
                    }});
    // The accounts window shows a bank statement's proposals in a dialog of their own.
    windows.append({QStringLiteral("estrattoconto"), [](Shell &shell) {
                        StatementImport::Row row;
                        row.line.fileLine = 23;
                        row.line.operationDate = QDate(2026, 4, 2);
                        row.line.cents = 32526;
                        row.line.description = QStringLiteral("BONIFICO A VOSTRO FAVORE DA BIANCHI LUCA E SARTORI ELENA");
                        row.proposal.outcome = PaymentMatcher::Outcome::ToConfirm;
                        row.proposal.items = {3, 4};
                        auto *dialog = new StatementDialog({row}, shell.state(), QStringLiteral("Conto \"Conto corrente "
                                                           "condominiale\". Colonne lette: Data: colonna 1."),
                                                           shell.workWindow(12));
                        dialog->show();
                    }});
    // The accounts window's rendiconto tabs, each shown in turn, and the reason asked on reopening.
    for (int tab = 3; tab <= 5; ++tab) {
        windows.append({QStringLiteral("contabilita scheda %1").arg(tab + 1), [tab](Shell &shell) {
                            shell.showWorkWindow(12);
                            if (auto *tabs = shell.workWindow(12)->findChild<QTabWidget *>(QStringLiteral("schede")))
                                tabs->setCurrentIndex(tab);
                        }});
    }
    windows.append({QStringLiteral("riapertura"), [](Shell &shell) {
                        (new ReopenDialog(2026, shell.workWindow(12)))->show();
                    }});
    for (const CoefficientTable &table : coefficientTables()) {
        const CoefficientKind kind = table.kind;
        windows.append({table.objectName,
                        [kind](Shell &shell) { shell.showCoefficientWindow(kind); }});
    }
    windows.append({QStringLiteral("frmTip"), [](Shell &shell) { shell.showTips(nullptr); }});
    windows.append({QStringLiteral("sommario"), [](Shell &shell) { shell.showHelpContents(); }});
    for (const QString &page : HelpGuide::windowNames())
        windows.append({page, [page](Shell &shell) { shell.showHelpPage(page); }});
    windows.append({QStringLiteral("amministratore"),
                    [](Shell &shell) { shell.showAdministratorDetails(); }});
    windows.append({QStringLiteral("informazioni"), [](Shell &shell) { shell.showAbout(); }});
    return windows;
}

} // namespace veltra
