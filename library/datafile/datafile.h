#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace veltra {

// The fixed texts shipped in the application's folder (regulation, templates, rulings) are
// UTF-8 files an administrator can read and extend with any editor. Each loader reads one
// through here and refuses it whole, with one message naming the file and the line, rather
// than show half of it. Each ends with a closing line, so that one cut short is known.
class DataFile
{
public:
    // The lines of the text (ended by LF or CR LF, the last one possibly unended), or
    // nothing with *error set when the bytes are not valid UTF-8.
    static std::optional<QStringList> lines(const QByteArray &bytes, const QString &fileName,
                                            QString *error);
    // The last line of every shipped data file: a file cut short, by a copy that stopped
    // or an editor that lost its end, lacks it and is refused rather than shown in part.
    static constexpr const char *ClosingLine = "# fine del file";

    // The bytes of the file before its closing line, or nothing with *error set when it
    // cannot be read or does not end with the closing line.
    static std::optional<QByteArray> read(const QString &path, QString *error);
    // Cuts bytes before their closing line (blank lines after it allowed); false, leaving
    // them alone, when the last line is not the closing line.
    static bool cutAtClosingLine(QByteArray &bytes);

    // "Il file NAME non è leggibile: WHAT."
    static QString refusal(const QString &fileName, const QString &what);
    // "Il file NAME non è leggibile: riga LINE: WHAT."
    static QString refusal(const QString &fileName, int line, const QString &what);

    // The number of leading lines that start with "#": the file's own description of its
    // format.
    static int headerLength(const QStringList &lines);
};

} // namespace veltra
