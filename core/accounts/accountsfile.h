#pragma once

#include "core/accounts/accountsregister.h"

#include <QByteArray>
#include <QString>

namespace veltra {

// The register of one financial year beside the condominium archive, "Veltra-contabilita-"
// with the condominium's name and " YEAR", in the archive notation:
//   "VELTRA-CONTABILITA",1
//   "NAME",YEAR,"first day dd/mm/yyyy",closed 0/1
//   "conto","name","IBAN",cash 0/1,opening cents,"statement columns"       one per account
//   "condomino",N,"name in the archive",opening cents                        one per owner
//   "movimento",number,"operation date","registration date",account,"entrata"|"uscita",
//       cents,owner,"supplier","his code","cause",item,"description","document","note",
//       "statement line"
// Dates dd/mm/yyyy; amounts in whole cents; a file is read whole or not at all.
class AccountsFile
{
public:
    struct LoadResult
    {
        bool opened = false;
        int failedLine = 0;
        QString problem;
        AccountsRegister accounts;

        bool isComplete() const { return opened && failedLine == 0 && problem.isEmpty(); }
    };

    static LoadResult load(const QString &path);
    static LoadResult read(const QByteArray &bytes);
    // The file's bytes; empty, with *error, when a text cannot be carried in the notation.
    static QByteArray bytes(const AccountsRegister &accounts, QString *error = nullptr);
    // Writes the file whole or not at all; false with *error, the previous file untouched.
    static bool save(const AccountsRegister &accounts, const QString &path, QString *error = nullptr);

    // "Veltra-contabilita-Rossi- 2026", as the expense series put a blank before the year.
    static QString fileName(const QString &condoName, int year);
    // The register of year beside the archive at archivePath.
    static QString pathBeside(const QString &archivePath, int year);
};

} // namespace veltra
