#pragma once

#include <QByteArray>
#include <QString>

namespace veltra {

class ReportDocument;

// Writes a ReportDocument as PDF through Qt's own PDF writer, ready to send by email or PEC
// without a word processor: the same paragraphs, sizes, alignments, page breaks and table
// look as the OpenDocument file, on the same page, with the fonts embedded, the text
// selectable and the page number at the foot of every page. A table runs onto as many
// pages as it needs, its heading row repeated at the top of each.
// Needs a QGuiApplication (fonts are looked up through it).
class PdfRenderer
{
public:
    // The bytes of the PDF file; empty when it could not be produced.
    static QByteArray render(const ReportDocument &document);
    // Writes it to path through a temporary file in the same folder, so a failure leaves
    // any earlier file of that name as it was; false on failure.
    static bool write(const ReportDocument &document, const QString &path);
};

} // namespace veltra
