#pragma once

#include "ui/dati/datiregistry.h"
#include "ui/frame/archivefileguard.h"
#include "ui/frame/workwindow.h"

#include <memory>
#include <optional>

class QLineEdit;

namespace veltra {

class DatiForm;

// The condominium window `dati`: the condominium's name, the heating basis, the owners with
// address and floor, and the units of the owner in the first owner row with their surface,
// coefficients and heating value. Every edit is stored at once in the shared state and the
// millesimal tables are recomputed, so the rows always show each unit's virtual surface and
// millesimi. Five owners and five units are shown at a time; the scroll bars move them.
class DatiWindow : public WorkWindow
{
    Q_OBJECT

public:
    explicit DatiWindow(Shell &shell, QWidget *parent = nullptr);
    ~DatiWindow() override;

    // Owner in the first owner row (1 to 496) and unit in the first unit row (1 to 46).
    int ownerTop() const;
    int unitTop() const;
    // The heating option marked: 0 none, 1 "per cubatura", 2 "per superficie radiante".
    int heatingOption() const;
    // The archive last opened or saved; empty at start and after a cancelled "&Apri...".
    QString archiveName() const { return m_archiveName; }
    // The owner whose sheet a row's "S" button prints; 0 when none.
    int printOwner() const { return m_printOwner; }

    void openArchive() override;
    void saveArchive() override;
    void saveArchiveAs() override;
    void printMain() override;
    void checkData() override;
    void clearWindow() override;
    void showInstructions() override;
    void handOver() override;
    QStringList editHeader() const override;
    int editRowCount() const override;
    QStringList editRow(int n) const override;
    bool editRowIs(int o, const QStringList &row) const override;
    void restoreEdits(const RowSnapshot &to, const RowSnapshot &from) override;

    void refreshOwnerRows();
    // The owners list was replaced by a file of another window: shown again from the first.
    void showOwnersFromFirst();
    void refreshUnitRows();
    void recountOwners();
    void recountUnits();
    void showStepHint();
    // The owner or unit shown in row r (1 to 5) is deleted at once, without a question.
    void deleteOwner(int r);
    void deleteUnit(int r);
    // The owner or unit shown in row r takes the data of the one numbered one less; the
    // first has none before it, and data already there are replaced only when the user says so.
    void copyPreviousOwner(int r);
    void copyPreviousUnit(int r);

    void printDataForm();
    void printOwnerSheets();
    void printMillesimalTable();
    void printComplete();

protected:
    void initialise() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class RefreshBatch;

    void connectControls();
    void connectPrintEntries();
    void nomeChanged();
    void ownerFieldChanged(int r, DatiRegistry::OwnerField field);
    void unitFieldChanged(int r, DatiRegistry::UnitField field);
    void floorSpinChanged(int r, int value);
    void floorEditingFinished(int r);
    void judgeFloorOrder(int o);
    void heatingOptionToggled(int k, bool on);
    // "+" and the number filter: the text the field must show; differs from text when the
    // field is to be rewritten, which runs its change handling again. refused, when given,
    // tells whether a wrong key was left out of a number.
    QString inputRuleText(const QString &text, const QString &previous, bool numeric,
                          bool *refused = nullptr);
    bool rewriteField(QLineEdit *field, const QString &text);
    void afterOwnerChange(DatiRegistry::OwnerField field);
    void afterUnitChange(DatiRegistry::UnitField field, int u);
    void recompute();
    void recomputeUnit(int u);
    void showStepHintAfterUnit(int u);
    void showStepHintAt(DatiRegistry::UnitGap gap);
    void showRecomputedTables();
    void showUnitResults();
    void showHeatingOption(int k);
    void markHeatingOptionFromState();
    void unmarkHeatingOptions();
    void runPending();
    void showText(QLineEdit *field, const QString &text);
    void lightNumberLabel(QObject *label);
    void showFloorOrderWarning();
    QStringList ownerRow(int o) const;
    void putOwnerRow(int o, const QStringList &row);
    void putHeader(const QStringList &header);
    void showOwner(int o);

    // Writes the archive, asking for its name when there is none; the dialog proposes
    // ownName, the file the data came from, or a name made from the condominium's.
    bool saveCondominium(const QString &dialogTitle, const QString &ownName = QString());
    bool dataReadyForSaving();
    QString chooseSaveName(const QString &dialogTitle, const QString &ownName);
    // The common start of the owner printouts: false when there is nothing to print or the
    // check refuses the print.
    bool beginOwnerPrint(const QString &openingStatus);
    // The expense and payments windows take up the owners, millesimi and heating values
    // now in the shared state before another window is shown.
    void reinitialiseExpenseAndPaymentsWindows();

    std::unique_ptr<DatiForm> m_form;
    QString m_archiveName;
    ArchiveFileGuard m_fileGuard;
    int m_printOwner = 0;
    // Row refreshes put many values into the fields; their recounts, step hint and
    // recomputation run once when the outermost refresh ends.
    int m_refreshDepth = 0;
    bool m_pendingOwnerCount = false;
    bool m_pendingUnitCount = false;
    bool m_pendingHint = false;
    bool m_pendingRecompute = false;
    // Whether the last computation ran to the end, so that one typed cell may update it.
    bool m_tablesComplete = false;
    // The step hint's gap among the units, while no count has changed since it was found.
    std::optional<DatiRegistry::UnitGap> m_unitGap;
    bool m_floorWarned = false; // the floor as it stands was already found out of order
};

} // namespace veltra
