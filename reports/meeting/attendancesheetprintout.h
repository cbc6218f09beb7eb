#pragma once

#include "reports/document/reportdocument.h"

namespace veltra {

class Meeting;
class SharedState;

// The attendance sheet signed at the door: every owner with his millesimi, a column for
// the delegate's name and one for the signature, and the building's total.
namespace AttendanceSheetPrintout {

ReportDocument build(const SharedState &state, const Meeting &meeting);

} // namespace AttendanceSheetPrintout

} // namespace veltra
