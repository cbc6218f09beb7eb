#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace veltra {

// Reads documents the way a user's word processor does: LibreOffice, headless, converts
// them, with a profile of its own so that tests running side by side do not clash.
class OfficeReader
{
public:
    OfficeReader();

    // Whether LibreOffice (soffice) is installed.
    static bool available();

    // Converts each file with a LibreOffice filter ("txt:Text (encoded):UTF8", "pdf",
    // "fodt") in one run; returns the converted files in the same order, an empty name for
    // a file LibreOffice could not open.
    QStringList convert(const QStringList &files, const QString &filter);
    // The plain text of each file as Writer shows it, one line per paragraph or cell.
    QStringList texts(const QStringList &files);
    // The number of pages of each file laid out by Writer; -1 when it could not be read.
    QList<int> pageCounts(const QStringList &files);

private:
    QTemporaryDir m_profile;
    QTemporaryDir m_output;
};

} // namespace veltra
