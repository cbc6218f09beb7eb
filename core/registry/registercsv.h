#pragma once

#include <QByteArray>
#include <QString>

namespace veltra {

class SharedState;

// The owners' register as a spreadsheet gives it or takes it: ";"-separated rows without a
// header, a field holding ";" or '"' between double quotes (a quote inside doubled),
//   persona;condomino;ruolo;cognome_nome;codice_fiscale;residenza;pec;email;telefono
//   unita;condomino;locale;comune;foglio;particella;subalterno;categoria
// with the owner's and the unit's numbers in the registry and the role as the register
// writes it ("proprietario", "nudo proprietario", …).
namespace RegisterCsv {

// UTF-8, each owner's persons and then his units, owners in number order.
QString build(const SharedState &state);

struct Result
{
    bool ok = false;
    QString problem; // "riga 4: il condomino n. 9 non è nell'archivio"
};

// Reads the bytes (UTF-8 or Windows-1252) into the register of state: every owner the file
// names gets the persons it lists, each keeping the details the CSV does not carry when
// his codice fiscale or name was already there, and the cadastral data it lists for his
// units. A row that is wrong in any way refuses the whole file and leaves state as it was.
Result import(const QByteArray &bytes, SharedState &state);

} // namespace RegisterCsv

} // namespace veltra
