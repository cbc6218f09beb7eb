#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

#include <optional>

namespace veltra {

// A measure of the court on the condominium's administrator: the judge appoints one when
// the assembly does not (art. 1129, first paragraph, c.c.) and revokes one on an owner's
// petition. The register of appointments and revocations carries its particulars.
struct CourtDecree
{
    enum class Kind { Appointment, Revocation };

    QDate date;
    QString court;         // "Tribunale di Milano"
    QString particulars;   // "R.G. 1234/2026, decreto n. 56/2026"
    Kind kind = Kind::Appointment;
    QString administrator; // the administrator appointed or revoked
    QString note;

    bool operator==(const CourtDecree &other) const;
    bool operator!=(const CourtDecree &other) const { return !(*this == other); }
};

// The court decrees typed by the administrator, "Veltra-decreti-NAME" beside the register of
// minutes and the condominium archive, in the archive notation:
//   "VELTRA-DECRETI",1
//   "NAME",N
//   N lines  "dd/MM/yyyy","court","particulars","nomina" or "revoca","administrator","note"
// Only the note may be empty. A file is taken only whole.
class DecreeFile
{
public:
    struct LoadResult
    {
        bool opened = false;
        int failedLine = 0;
        QString problem;
        QString condoName;
        QList<CourtDecree> decrees;

        bool isComplete() const { return opened && failedLine == 0 && problem.isEmpty(); }
    };

    static LoadResult load(const QString &path);
    static LoadResult read(const QByteArray &bytes);
    // The file's bytes; empty when a text cannot be carried in the notation.
    static QByteArray bytes(const QString &condoName, const QList<CourtDecree> &decrees);
    // Writes the file whole through a temporary one; false with *error otherwise, the
    // previous file then untouched.
    static bool save(const QString &path, const QString &condoName, const QList<CourtDecree> &decrees,
                     QString *error);
    // Adds decree after those of the file at path (a new file when there is none); false with
    // *error when the decree lacks a particular, the file cannot be read whole or is another
    // condominium's, or cannot be written (it is then untouched).
    static bool append(const QString &path, const QString &condoName, const CourtDecree &decree,
                       QString *error);

    // What the decree lacks to be registered, in Italian; empty when nothing.
    static QString missing(const CourtDecree &decree);

    // "nomina", "revoca": the words the file, the tool and the window use.
    static QString kindName(CourtDecree::Kind kind);
    static std::optional<CourtDecree::Kind> kindNamed(const QString &name);

    // "Veltra-decreti-Rossi".
    static QString fileName(const QString &condoName);
};

} // namespace veltra
