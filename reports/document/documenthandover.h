#pragma once

#include "reports/document/documentformatchoice.h"

#include <QString>

#include <functional>

namespace veltra {

class Platform;
class ReportDocument;

// Hands finished documents to the user: each one is written in the format he chose
// (OpenDocument Text unless he chose PDF) under a new dated name
// ("Veltra-2026-12-09-001.odt") in the folder "Veltra" of the user's documents, never over
// an earlier one, and opened in the word processor or the PDF viewer. With PDF per owner,
// the letters to the owners go one PDF each into a new dated folder, which is opened.
class DocumentHandover
{
public:
    // messageTitle heads the one message shown when a document cannot be written or
    // opened; folder replaces the default folder (tests).
    DocumentHandover(Platform &platform, const QString &messageTitle,
                     const QString &folder = QString());

    // The folder "Veltra" inside the user's documents folder.
    static QString defaultFolder();

    // A window's status line, given closingStatus(shownText) as soon as each hand-over has
    // ended and before any message about it, so that it never reads as still loading while
    // the user is told why the print failed.
    void setStatusLine(std::function<void(const QString &)> show, const QString &shownText);
    QString folder() const { return m_folder; }

    // Writes document under a new name and opens it; false, after telling the user in one
    // sentence, when it could not be written or nothing opened it.
    bool handOver(const ReportDocument &document);
    // The file written by the last hand-over, empty when it could not be written.
    QString lastPath() const { return m_lastPath; }
    // Whether the last hand-over's document was opened for the user.
    bool lastOpened() const { return m_opened; }

    // The step hint after the last hand-over, so that a print always leaves a trace: the
    // printout's own closing text followed by the file's name, or "ho visualizzato il
    // documento" and the name when the printout has none; "ho salvato il documento in" and
    // the full path when nothing opened it; that it was not saved when it could not be. A
    // folder of letters is named as such.
    QString closingStatus(const QString &shownText) const;

private:
    QString reserveName(const QString &extension, bool asFolder);
    bool writeDocument(const ReportDocument &document, DocumentFormat format);
    bool writeLetters(const ReportDocument &document);
    void end(const QString &failure);

    Platform &m_platform;
    QString m_messageTitle;
    QString m_folder;
    QString m_lastPath;
    bool m_opened = false;
    std::function<void(const QString &)> m_showStatus;
    QString m_shownText;
};

} // namespace veltra
