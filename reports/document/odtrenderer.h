#pragma once

#include <QByteArray>
#include <QString>

namespace veltra {

class ReportDocument;

// Writes a ReportDocument as an OpenDocument Text file (.odt), the format the user's word
// processor opens: the document font on every block, one paragraph per CR, a page break
// where FF stands, tables as a bordered, shaded grid with a set-off heading row.
class OdtRenderer
{
public:
    // The bytes of the .odt package; empty when the package could not be built.
    static QByteArray render(const ReportDocument &document);
    // Writes the package to path through a temporary file in the same folder, so a failure
    // leaves any earlier file of that name as it was; false on failure.
    static bool write(const ReportDocument &document, const QString &path);
};

} // namespace veltra
