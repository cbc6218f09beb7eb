#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace veltra {

// The fixed texts shipped in the application's folder (regulation, templates, rulings) are
// UTF-8 files an administrator can read and extend with any editor. Each loader reads one
// through here and refuses it whole, with one message naming the file and the line, rather
// than show half of it.
class DataFile
{
public:
    // The lines of the text (ended by LF or CR LF, the last one possibly unended), or
    // nothing with *error set when the bytes are not valid UTF-8.
    static std::optional<QStringList> lines(const QByteArray &bytes, const QString &fileName,
                                            QString *error);
    // The bytes of the file, or nothing with *error set when it cannot be read.
    static std::optional<QByteArray> read(const QString &path, QString *error);

    // "Il file NAME non è leggibile: WHAT."
    static QString refusal(const QString &fileName, const QString &what);
    // "Il file NAME non è leggibile: riga LINE: WHAT."
    static QString refusal(const QString &fileName, int line, const QString &what);

    // The number of leading lines that start with "#": the file's own description of its
    // format.
    static int headerLength(const QStringList &lines);
};

} // namespace veltra
