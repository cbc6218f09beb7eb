#include "estrattocommand.h"

#include "accountsloader.h"

#include "core/accounts/accountsyear.h"
#include "core/accounts/ownerledger.h"
#include "core/archive/semicolonrows.h"
#include "core/state/sharedstate.h"

namespace veltra {

namespace {

const QString DateFormat = QStringLiteral("dd/MM/yyyy");

QString amount(long long cents)
{
    const long long magnitude = cents < 0 ? -cents : cents;
    return QStringLiteral("%1%2,%3").arg(cents < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 100).arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

// tipo;data;voce;descrizione;importo, the amount positive when it adds to what he owes.
QString statement(const AccountsYear &year, int owner)
{
    const AccountsRegister &accounts = year.accounts();
    const OwnerLedger ledger = OwnerLedger::of(accounts, year.series(), owner);
    QString text = QStringLiteral("tipo;data;voce;descrizione;importo\n");
    text += SemicolonRows::row({QStringLiteral("apertura"), accounts.firstDay.toString(DateFormat), QString(),
                                QStringLiteral("saldo iniziale"), amount(ledger.openingCents)});
    for (const OwnerLedger::Share &share : ledger.shares)
        text += SemicolonRows::row({QStringLiteral("quota"), year.series().item(share.item)->date,
                                    QString::number(share.item), share.description, amount(share.cents)});
    for (const AccountMovement &movement : ledger.movements)
        text += SemicolonRows::row({movement.receipt ? QStringLiteral("versamento") : QStringLiteral("rimborso"),
                                    movement.operationDate.toString(DateFormat),
                                    movement.item > 0 ? QString::number(movement.item) : QString(),
                                    movement.description, amount(-movement.signedCents())});
    text += SemicolonRows::row({QStringLiteral("saldo"), accounts.lastDay().toString(DateFormat), QString(),
                                QStringLiteral("saldo finale"), amount(ledger.balanceCents())});
    return text;
}

} // namespace

int EstrattoCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    bool number = arguments.size() == 2;
    const int owner = number ? arguments.at(1).toInt(&number) : 0;
    if (!number || owner < 1 || owner > MaxOwners) {
        err << "veltra-tool: uso: veltra-tool " << name() << ' ' << argumentsSynopsis() << "\n";
        return ExitBadArguments;
    }
    SharedState state;
    AccountsYear year;
    if (const int loaded = AccountsLoader::load(name(), arguments.first(), state, year, err))
        return loaded;
    if (state.owner(owner).ownerName.isEmpty()) {
        err << "veltra-tool: il condomino n. " << owner << " non è nell'archivio\n";
        return ExitDataRejected;
    }
    out << statement(year, owner);
    return ExitSuccess;
}

} // namespace veltra
