#pragma once

#include "core/accounts/accountsregister.h"

#include <QByteArray>
#include <QString>

namespace veltra {

// The register's movements as the interchange CSV: ';'-separated, UTF-8, decimal comma, dates
// dd/mm/yyyy, with the header row
//   numero;data_operazione;data_registrazione;conto;tipo;importo;condomino;fornitore;
//   codice_fiscale;causale;voce;descrizione;documento
// "tipo" is "entrata" or "uscita" and "importo" positive. An account's opening balance is a
// row of "causale" "apertura" without owner, an owner's one a row "apertura" with his number
// ("entrata" when he owed it, "uscita" when he was owed it).
namespace MovementsCsv {

QString header();
// Cents as the tool's CSV write them: two decimals, decimal comma, no grouping, "-" when
// negative ("-1464,00").
QString amountText(long long cents);
QByteArray write(const AccountsRegister &accounts);

struct Result
{
    bool ok = false;
    QString problem; // "riga 4, l'importo: ..."
    AccountsRegister accounts; // the accounts, openings and movements read
};

// Reads a whole file or nothing. Accounts are known by name: one named first in an opening
// row or a movement is added, as the cash when its name begins with "Cassa".
Result read(const QByteArray &bytes);

// The movements and openings of incoming added to accounts: accounts matched by name,
// openings given replaced, movements numbered after the last. How many movements were added.
int merge(AccountsRegister &accounts, const AccountsRegister &incoming);

} // namespace MovementsCsv

} // namespace veltra
