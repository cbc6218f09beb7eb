#pragma once

#include "reports/document/reportdocument.h"

#include <QDate>

namespace veltra {

struct AdministratorDetails;
struct ConsumptionSummary;

// The yearly summary of heating by heat meters: one letter per owner, each on its own
// page, with a row per heating item of the season (his reading, whether it is an estimate,
// the consumption part, the fixed part and the total) and the season's totals.
class ConsumptionSummaryPrintout
{
public:
    // The message when no item of the series is allocated by heat meters.
    static QString noHeatingItemsMessage();

    // The letters of the summary under the administrator's letterhead, dated today; empty
    // when it holds no item.
    static ReportDocument build(const ConsumptionSummary &summary,
                                const AdministratorDetails &administrator, const QDate &today);
};

} // namespace veltra
