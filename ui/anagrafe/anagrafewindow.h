#pragma once

#include "core/registry/ownerrecord.h"
#include "core/registry/safetyitem.h"
#include "ui/frame/workwindow.h"

#include <memory>

class QTableWidget;

namespace veltra {

class AnagrafeForm;

// The owners' register window `anagrafe`: for the owner chosen, the persons holding his
// units, the units' cadastral data and the changes recorded; for the building, the safety
// list of the common parts. The register belongs to the condominium's data: every edit
// goes into the condominium window's history, so that it is undone, marked unsaved and
// saved together with the archive, under the same owner numbers.
class AnagrafeWindow : public WorkWindow
{
    Q_OBJECT

public:
    explicit AnagrafeWindow(Shell &shell, QWidget *parent = nullptr);
    ~AnagrafeWindow() override;

    // The owner whose record is shown; 0 when the registry has none.
    int currentOwner() const;
    void showOwner(int i);

    void openArchive() override;
    void saveArchive() override;
    void saveArchiveAs() override;
    void printMain() override;
    void checkData() override;
    void clearWindow() override;
    void showInstructions() override;

    void printRegister();
    void printDataRequests();
    void printPrivacyNotice();

protected:
    void initialise() override;
    bool event(QEvent *event) override;

private:
    void connectControls();
    void addPrintEntries();
    // Everything shown again from the shared state, the same owner kept when he still is.
    void refresh();
    void fillOwners();
    void showRecord();
    void showPersons(const OwnerRecord &record);
    void showUnits(const OwnerRecord &record);
    void showChanges(const OwnerRecord &record);
    void showSafety();
    void showFindings();
    void showDueSafetyChecks();

    void personEdited(int row, int column);
    void unitEdited(int row, int column);
    void changeEdited(int row, int column);
    void safetyEdited(int row, int column);
    void lastCommunicationEdited();
    void addPerson();
    void removePerson();
    void addChange();
    void removeChange();
    void addSafetyItem();
    void removeSafetyItem();

    // The record and the safety list go into the state through the condominium window's
    // history, which keeps them with the archive's data.
    void storeRecord(const OwnerRecord &record);
    void storeSafety(const QVector<SafetyItem> &items);
    void logChange(OwnerRecord &record, const QString &what, const RegisterPerson &person) const;
    // A field refused: the user is told why and the table shows the stored value again.
    void refuse(const QString &reason);
    QString cellText(QTableWidget *table, int row, int column) const;
    WorkWindow &datiWindow() const;

    std::unique_ptr<AnagrafeForm> m_form;
    bool m_showing = false;
    QString m_shown; // the registry and register as last shown
    bool m_dueShown = false;
};

} // namespace veltra
