#include "core/payments/pagamenticheck.h"

#include "core/expenses/datefaults.h"
#include "core/numbers/numbertext.h"
#include "core/payments/paymentsledger.h"
#include "core/state/sharedstate.h"

#include <algorithm>

namespace veltra::PagamentiCheck {

namespace {

Finding fails(MessageIcon icon, const QString &text)
{
    return Finding{false, icon, text};
}

std::optional<Finding> ownerWithoutDates(const SharedState &state)
{
    for (int i = 1; i <= std::clamp(state.ownerCount, 0, MaxOwners); ++i) {
        const Owner &owner = state.owner(i);
        if (owner.paymentDate.isEmpty() && owner.reminderDate.isEmpty())
            return fails(MessageIcon::Critical, QStringLiteral("Condomino n.") + NumberText::str(i)
                                                    + QStringLiteral(":\n- digitare la data del sollecito."));
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> stepHint(const SharedState &state, const WindowView &view)
{
    if (!view.managementOptionMarked)
        return QStringLiteral("scegliere il tipo di gestione (preventivi o spese)");
    if (state.ownerCount == 0)
        return QStringLiteral("aprire un file con i dati archiviati o andare alla finestra Dati "
                              "(creare un condominio)");
    if (view.shown.expenseAmount.isEmpty())
        return QStringLiteral("prelevare i dati dall'archivio o andare alla finestra Spese (creare "
                              "un file delle spese)");
    if (view.type == ManagementType::Spese)
        return QStringLiteral("immettere eventuali date di pagamento o di sollecito, correggere, "
                              "archiviare quanto immesso, digitare ulteriori dati, stampare");
    return std::nullopt;
}

Finding check(const SharedState &state, const WindowView &view, Purpose purpose)
{
    if (state.ownerCount == 0)
        return fails(MessageIcon::Exclamation,
                     QStringLiteral("Non esistono dati riconosciuti:\n- per procedere è necessario "
                                    "avere un elenco di condomini;\n- prelevarli dall'archivio o "
                                    "tornare alla finestra Dati per digitarli."));
    if (!view.managementOptionMarked)
        return fails(MessageIcon::Critical,
                     QStringLiteral("Scegliere il tipo di gestione (preventivi o spese)."));
    if (view.shown.expenseAmount.isEmpty())
        return fails(MessageIcon::Critical,
                     QStringLiteral("Manca la somma da ripartire: prelevarla dall'archivio o "
                                    "tornare alla finestra Spese per digitarla."));
    if (view.shown.expenseType.isEmpty())
        return fails(MessageIcon::Exclamation,
                     QStringLiteral("Manca il tipo di spesa: tornare alla finestra Spese per "
                                    "digitarla."));
    if (view.shown.expenseDate.isEmpty())
        return fails(MessageIcon::Critical,
                     QStringLiteral("Manca la data della spesa: tornare alla finestra Spese per "
                                    "digitarla."));
    if (view.type == ManagementType::None)
        return fails(MessageIcon::Critical,
                     QStringLiteral("Scegliere il tipo di gestione dei dati (preventivi o spese)."));
    if (view.type == ManagementType::Spese) {
        // A date that is no day would count the owner as paid: printing refuses it too.
        if (const std::optional<QString> fault = DateFaults::ledgerDates(state, view.item))
            return fails(MessageIcon::Critical, *fault);
    }
    if (view.type == ManagementType::Spese && purpose == Purpose::Command) {
        if (const std::optional<Finding> owner = ownerWithoutDates(state))
            return *owner;
    }
    return Finding{true, MessageIcon::Information,
                   QStringLiteral("I dati sono stati immessi correttamente.")};
}

WindowView viewOfLedger(const PaymentsLedger &ledger)
{
    WindowView view;
    view.managementOptionMarked = ledger.managementType() != ManagementType::None;
    view.type = ledger.managementType();
    view.shown = ledger.shownItem();
    view.item = ledger.currentItem();
    return view;
}

PrintClearance printClearance(const SharedState &state, const WindowView &view)
{
    const Finding finding = check(state, view, Purpose::Printing);
    return PrintClearance::fromFinding(finding.passed, finding.icon, finding.text);
}

} // namespace veltra::PagamentiCheck
