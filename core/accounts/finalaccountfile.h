#pragma once

#include "core/accounts/finalaccountinputs.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace veltra {

// What the rendiconto of one year adds to its register, beside the condominium archive as
// "Veltra-rendiconto-" with the condominium's name and " YEAR", in the archive notation:
//   "VELTRA-RENDICONTO",1
//   "NAME",YEAR
//   "criterio","paragraph"                                            one per paragraph
//   "fatto","paragraph"                                               one per paragraph
//   "contratto","subject","counterpart","expiry dd/mm/yyyy or empty","note"
//   "questione","subject","parties","stage"
//   "fondo","name",opening cents,item                                 at least one
//   "fondo-movimento",movement number,fund from 1
//   "estratto","account name","dd/mm/yyyy",cents,"explanation"
//   "storia","dd/mm/yyyy","chiuso"|"riaperto","reason"
// A file is read whole or not at all.
class FinalAccountFile
{
public:
    struct LoadResult
    {
        bool opened = false;
        int failedLine = 0;
        QString problem;
        FinalAccountInputs inputs;

        bool isComplete() const { return opened && failedLine == 0 && problem.isEmpty(); }
    };

    static LoadResult load(const QString &path);
    static LoadResult read(const QByteArray &bytes);
    // The file's bytes; empty, with *error, when a text cannot be carried in the notation.
    static QByteArray bytes(const FinalAccountInputs &inputs, QString *error = nullptr);
    // Writes the file whole or not at all; false with *error, the previous file untouched.
    static bool save(const FinalAccountInputs &inputs, const QString &path, QString *error = nullptr);

    // The file beside the register at registerPath.
    static QString pathBesideRegister(const QString &registerPath);
    // The inputs at path, or the defaults for the register's year when there is no file;
    // nothing, with *problem, when the file is there but cannot be read whole.
    static std::optional<FinalAccountInputs> loadOrDefaults(const QString &path, const QString &condoName, int year,
                                                            QString *problem);
};

} // namespace veltra
