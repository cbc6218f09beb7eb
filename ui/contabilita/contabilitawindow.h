#pragma once

#include "core/accounts/accountsyear.h"
#include "core/accounts/bankstatementcsv.h"
#include "core/platform/platform.h"
#include "ui/contabilita/statementdialog.h"
#include "ui/frame/workwindow.h"

#include <QPointer>

#include <functional>

#include <memory>

namespace veltra {

class ContabilitaForm;
class FinalAccount;
class FondiPanel;
class NotaPanel;
class RendicontoPanel;
class ReportDocument;
class YearEnd;
class YearEndEditor;


// The accounts window `contabilita`: the register of receipts and payments of a financial
// year for the condominium open in the condominium window. Movements are entered and changed
// one at a time and written at once; the owners' share payments recorded in the payments
// window appear as receipts, and a share receipt entered here sets the payment day there.
// The accounts and the owners' opening balances are edited in their tabs and saved with
// "Salva"; a bank statement is read in with its incoming amounts matched to owners. The
// rendiconto's tabs show the year's figures, hold the note, the funds and the banks'
// balances (written at every change) and close the year.
class ContabilitaWindow : public WorkWindow
{
    Q_OBJECT

public:
    static constexpr int Number = 12;

    explicit ContabilitaWindow(Shell &shell, QWidget *parent = nullptr);
    ~ContabilitaWindow() override;

    ContabilitaForm &controls() const { return *m_form; }
    const AccountsYear &year() const { return m_year; }
    // The movement whose fields are shown, 0 for a new one.
    int shownMovement() const { return m_shownNumber; }

    // Shows movement number in the fields; 0 empties them for a new one.
    void showMovement(int number);
    // Writes the movement of the fields into the register (a new one, or the one shown).
    void recordMovement();
    void removeMovement();
    void readBankStatement();
    // The statement's proposals, while they wait for the user; nullptr otherwise.
    StatementDialog *statementDialog() const { return m_statementDialog; }
    void printStatement();
    YearEndEditor &yearEnd() const { return *m_yearEnd; }
    RendicontoPanel &rendiconto() const { return *m_rendiconto; }
    // The rendiconto, the chosen owner's attestation of payments and the list of owners in
    // arrears, each refused while a figure of the year is wrong.
    void printFinalAccount();
    void printCertificate();
    void printArrears();

    void openArchive() override;
    void saveArchive() override;
    bool hasUnsavedChanges() const override;
    void printMain() override;
    void checkData() override;
    void clearWindow() override;
    void showInstructions() override;

protected:
    void initialise() override;
    bool event(QEvent *event) override;

private:
    QString archivePath() const;
    bool openYear(bool create);
    void showRegister();
    void showMovements();
    void showAccounts();
    void showBalances();
    void fillShare();
    void addYearEndTabs();
    // The rendiconto's tabs: the figures, and the note and the funds as stored when withInputs.
    void showYearEnd(bool withInputs);
    // Greys out what changes the register or the rendiconto while the year is closed.
    void lockEditing();
    // The accounts, the first day and the owners' openings as the tabs show them.
    AccountsRegister editedRegister(QString *problem) const;
    void tellUser(MessageIcon icon, const QString &text);
    int chosenOwner();
    void printFromFigures(const std::function<ReportDocument(const FinalAccount &, const YearEnd &)> &build);
    int statementAccount() const;
    void recordStatement();

    std::unique_ptr<ContabilitaForm> m_form;
    AccountsYear m_year;
    std::unique_ptr<YearEndEditor> m_yearEnd;
    RendicontoPanel *m_rendiconto;
    NotaPanel *m_nota;
    FondiPanel *m_fondi;
    int m_shownNumber = 0;
    bool m_showing = false;
    BankStatementCsv::Result m_statement;
    int m_statementAccount = 1;
    QPointer<StatementDialog> m_statementDialog;
};

} // namespace veltra
