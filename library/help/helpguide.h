#pragma once

#include "library/help/helppage.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <optional>

namespace veltra {

// The fifteen pages of the on-line guide, in the order of the contents window, read from the
// guide's data file. The file is refused whole when malformed, so that no window ever shows
// half a guide.
class HelpGuide
{
public:
    // The name of the data file in the application's folder.
    static QString fileName();
    // The windows of the sixteen pages, in the order of the contents (rows 1 to 16).
    static const QStringList &windowNames();

    // The guide in the file's bytes; nothing, with the reason in *error, when malformed.
    static std::optional<HelpGuide> fromBytes(const QByteArray &bytes, QString *error);
    // The guide in the file at path; nothing, with the reason in *error.
    static std::optional<HelpGuide> fromFile(const QString &path, QString *error);

    const QVector<HelpPage> &pages() const { return m_pages; }
    // The page shown by window, or nothing for a window without a page.
    const HelpPage *page(const QString &window) const;

private:
    QVector<HelpPage> m_pages;
};

} // namespace veltra
