#pragma once

#include "reports/document/reportdocument.h"

namespace veltra {

// The draft regulation exported for the administrator to complete: the condominium's name,
// the whole draft unchanged, and the line where the approving resolution is written in.
class RegulationPrintout
{
public:
    static QString openingStatus();

    // The document for the condominium named condoName and the draft text (lines separated
    // by CR LF).
    static ReportDocument build(const QString &condoName, const QString &regulation);
};

} // namespace veltra
