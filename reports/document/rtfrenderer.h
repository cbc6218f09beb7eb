#pragma once

#include <QByteArray>
#include <QString>

namespace veltra {

class ReportDocument;

// Writes a ReportDocument as Rich Text, the form a file named ".doc" takes so that both
// Writer and Word open it: the same paragraphs, page breaks, sizes, alignments and table
// look as the OpenDocument file.
class RtfRenderer
{
public:
    // The RTF text, plain ASCII: every other character as \uN? with '?' for old readers.
    static QByteArray render(const ReportDocument &document);
    // Writes it to path through a temporary file in the same folder, so a failure leaves
    // any earlier file of that name as it was; false on failure.
    static bool write(const ReportDocument &document, const QString &path);
};

} // namespace veltra
