#pragma once

#include "core/registry/administratordetails.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace veltra {

// The administrator's details, kept once for all his condominiums in his configuration
// folder: a format line ("Veltra-amministratore",1) and one line of the nine texts in the
// order of AdministratorDetails, each quoted.
class AdministratorFile
{
public:
    // Where the program and the tool read and write the details:
    // Veltra/Veltra-amministratore in the user's configuration folder.
    static QString defaultPath();

    // The details in the file at path; empty details when there is no such file, since an
    // administrator who never typed them has none. Nothing, with problem set in Italian,
    // when the file is there but cannot be read whole.
    static std::optional<AdministratorDetails> load(const QString &path, QString *problem);
    static std::optional<AdministratorDetails> read(const QByteArray &bytes, QString *problem);

    static QByteArray bytes(const AdministratorDetails &details);
    // Writes the file, creating its folder; false with error set when it cannot, the
    // previous file then untouched.
    static bool save(const AdministratorDetails &details, const QString &path, QString *error);
};

} // namespace veltra
