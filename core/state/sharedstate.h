#pragma once

#include "core/expenses/expenseitem.h"
#include "core/expenses/meterparameters.h"
#include "core/registry/administratordetails.h"
#include "core/registry/ownersregister.h"
#include "core/state/owner.h"

#include <QString>

#include <array>
#include <memory>

namespace veltra {

constexpr int MaxOwners = 500;
constexpr int MaxItems = 200;
static_assert(OwnersRegister::Owners == MaxOwners, "the register holds a record per owner");

// The fixed texts of the application, set once at start-up.
struct AppTexts
{
    QString appTitle;
    QString appSubtitle;
    QString versionText;       // the build's version, "3.08.05"
    QString releaseYear;       // the year the version was released, "2026"
    QString checkTitle;        // title of every data-check and input-error message
    QString helpTitle;         // title of every help message
    QString deleteDialogTitle; // title of the file dialog of every "Elimina" command
};

// The one body of data of the running application: one condominium, its owners and units,
// the expense items and the application texts. Windows are views on it. Element 0 of every
// table exists and stays empty, so that "the row before the first" reads as empty.
class SharedState
{
public:
    SharedState();

    // Sets the application texts; harmless when called again.
    void initSharedStrings();

    Owner &owner(int i) { return (*m_owners)[i]; }
    const Owner &owner(int i) const { return (*m_owners)[i]; }
    Unit &unit(int i, int j) { return (*m_owners)[i].units[j]; }
    const Unit &unit(int i, int j) const { return (*m_owners)[i].units[j]; }
    UnitFigures &unitFigures(int i, int j) { return (*m_owners)[i].unitFigures[j]; }
    const UnitFigures &unitFigures(int i, int j) const { return (*m_owners)[i].unitFigures[j]; }
    ExpenseItem &item(int k) { return m_items[k]; }
    const ExpenseItem &item(int k) const { return m_items[k]; }

    QString condoName;
    int ownerCount = 0;   // non-empty owner names among owners 1 to 500
    int heatingBasis = 0; // 1 by volume, 2 by radiant surface, 0 not chosen
    int calcType = 0;     // allocation criterion of the current item, 1 to 7
    MeterParameters meterParameters; // of the current item under criterion 7

    AppTexts texts;
    // Read at start-up, and again when the user changes them: every letter carries them.
    AdministratorDetails administrator;
    // The owners' register, read beside the condominium archive and saved with it.
    OwnersRegister anagrafe;

    QString numberIn;
    QString numberOut;
    unsigned int backgroundColour = 0; // 0xRRGGBB, the colour last chosen
    QString helpPageTitle;
    QString helpPageText;

private:
    std::unique_ptr<std::array<Owner, MaxOwners + 1>> m_owners;
    std::array<ExpenseItem, MaxItems + 1> m_items;
};

} // namespace veltra
