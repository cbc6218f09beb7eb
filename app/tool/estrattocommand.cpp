#include "estrattocommand.h"

#include "accountsloader.h"

#include "core/accounts/accountsyear.h"
#include "core/accounts/movementscsv.h"
#include "core/accounts/ownerledger.h"
#include "core/archive/semicolonrows.h"
#include "core/state/sharedstate.h"

namespace veltra {

namespace {

const QString DateFormat = QStringLiteral("dd/MM/yyyy");

// tipo;data;voce;descrizione;importo, the amount positive when it adds to what he owes.
QString statement(const AccountsYear &year, int owner)
{
    const AccountsRegister &accounts = year.accounts();
    const OwnerLedger ledger = OwnerLedger::of(accounts, year.series(), owner);
    QString text = QStringLiteral("tipo;data;voce;descrizione;importo\n");
    text += SemicolonRows::row({QStringLiteral("apertura"), accounts.firstDay.toString(DateFormat), QString(),
                                QStringLiteral("saldo iniziale"), MovementsCsv::amountText(ledger.openingCents)});
    for (const OwnerLedger::Share &share : ledger.shares)
        text += SemicolonRows::row({QStringLiteral("quota"), year.series().item(share.item)->date,
                                    QString::number(share.item), share.description, MovementsCsv::amountText(share.cents)});
    for (const AccountMovement &movement : ledger.movements)
        text += SemicolonRows::row({movement.receipt ? QStringLiteral("versamento") : QStringLiteral("rimborso"),
                                    movement.operationDate.toString(DateFormat),
                                    movement.item > 0 ? QString::number(movement.item) : QString(),
                                    movement.description, MovementsCsv::amountText(-movement.signedCents())});
    text += SemicolonRows::row({QStringLiteral("saldo"), accounts.lastDay().toString(DateFormat), QString(),
                                QStringLiteral("saldo finale"), MovementsCsv::amountText(ledger.balanceCents())});
    return text;
}

} // namespace

int EstrattoCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    bool number = arguments.size() == 2;
    const int owner = number ? arguments.at(1).toInt(&number) : 0;
    if (!number || owner < 1 || owner > MaxOwners)
        return AccountsLoader::usage(*this, err);
    SharedState state;
    AccountsYear year;
    if (const int loaded = AccountsLoader::load(*this, arguments, 2, state, year, err))
        return loaded;
    if (state.owner(owner).ownerName.isEmpty()) {
        err << "veltra-tool: il condomino n. " << owner << " non è nell'archivio\n";
        return ExitDataRejected;
    }
    out << statement(year, owner);
    return ExitSuccess;
}

} // namespace veltra
