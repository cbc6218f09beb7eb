#pragma once

#include "reports/document/reportdocument.h"

namespace veltra {

// A letter template exported for the administrator to complete: the condominium's name and
// the template's text, which carries its own heading. The one printout in "Ms Sans Serif".
class TemplatePrintout
{
public:
    static QString fontName() { return QStringLiteral("Ms Sans Serif"); }
    static QString openingStatus();
    static QString closingStatus();

    // The document for the condominium named condoName and the template text shown (lines
    // separated by CR LF); with no template chosen the text is empty and the document holds
    // the heading alone.
    static ReportDocument build(const QString &condoName, const QString &templateText);
};

} // namespace veltra
