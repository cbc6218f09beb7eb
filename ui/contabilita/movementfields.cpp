#include "ui/contabilita/movementfields.h"

#include "core/accounts/accountsregister.h"
#include "core/assembly/calendardate.h"
#include "core/numbers/money.h"
#include "core/state/sharedstate.h"
#include "ui/contabilita/contabilitaform.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

namespace veltra::MovementFields {

namespace {

const QString DateFormat = QStringLiteral("dd/MM/yyyy");

void choose(QComboBox *box, int value)
{
    const int index = box->findData(value);
    box->setCurrentIndex(index >= 0 ? index : 0);
}

} // namespace

void fillChoices(ContabilitaForm &form, const AccountsRegister &accounts, const SharedState &state)
{
    const int account = form.conto->currentData().toInt();
    const int owner = form.condomino->currentData().toInt();
    form.conto->clear();
    for (int a = 1; a <= accounts.accounts.size(); ++a)
        form.conto->addItem(accounts.accounts.at(a - 1).name, a);
    form.condomino->clear();
    form.condomino->addItem(QStringLiteral("-"), 0);
    for (int i = 1; i <= MaxOwners; ++i) {
        if (!state.owner(i).ownerName.isEmpty())
            form.condomino->addItem(QStringLiteral("%1 %2").arg(i).arg(state.owner(i).ownerName), i);
    }
    choose(form.conto, account);
    choose(form.condomino, owner);
}

void show(ContabilitaForm &form, const AccountMovement &movement)
{
    form.dataoperazione->setText(movement.operationDate.toString(DateFormat));
    form.dataregistrazione->setText(movement.registrationDate.toString(DateFormat));
    choose(form.conto, movement.account);
    form.tipo->setCurrentIndex(movement.receipt ? 0 : 1);
    form.importo->setText(movement.cents > 0 ? Money::fromCents(movement.cents).format() : QString());
    form.causale->setCurrentIndex(int(movement.cause));
    form.voce->setValue(movement.item);
    choose(form.condomino, movement.owner);
    form.fornitore->setText(movement.supplier);
    form.codicefiscale->setText(movement.supplierCode);
    form.documento->setText(movement.document);
    form.descrizione->setText(movement.description);
    form.nota->setText(movement.note);
}

void showNew(ContabilitaForm &form, const QDate &today, int account)
{
    AccountMovement movement;
    movement.operationDate = today;
    movement.registrationDate = today;
    movement.account = account;
    movement.cents = 0;
    show(form, movement);
}

std::optional<AccountMovement> read(const ContabilitaForm &form, int number, QString *problem)
{
    AccountMovement movement;
    movement.number = number;
    const std::optional<QDate> operation = CalendarDate::read(form.dataoperazione->text());
    const std::optional<QDate> registration = CalendarDate::read(form.dataregistrazione->text());
    const std::optional<Money> amount = Money::parse(form.importo->text());
    if (!operation || !registration) {
        *problem = QStringLiteral("Scrivere la data %1 come giorno/mese/anno.")
                       .arg(operation ? QStringLiteral("di registrazione") : QStringLiteral("dell'operazione"));
        return std::nullopt;
    }
    if (!amount || amount->cents() <= 0) {
        *problem = QStringLiteral("Scrivere l'importo in euro, maggiore di zero, con la virgola decimale.");
        return std::nullopt;
    }
    if (form.conto->currentIndex() < 0) {
        *problem = QStringLiteral("Scegliere il conto.");
        return std::nullopt;
    }
    movement.operationDate = *operation;
    movement.registrationDate = *registration;
    movement.account = form.conto->currentData().toInt();
    movement.receipt = form.tipo->currentIndex() == 0;
    movement.cents = amount->cents();
    movement.cause = MovementCause(form.causale->currentIndex());
    movement.item = form.voce->value();
    movement.owner = form.condomino->currentData().toInt();
    movement.supplier = form.fornitore->text().trimmed();
    movement.supplierCode = form.codicefiscale->text().trimmed().toUpper();
    movement.document = form.documento->text().trimmed();
    movement.description = form.descrizione->text().trimmed();
    movement.note = form.nota->text().trimmed();
    return movement;
}

} // namespace veltra::MovementFields
