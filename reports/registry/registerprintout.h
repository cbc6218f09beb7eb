#pragma once

#include <QDate>

namespace veltra {

class ReportDocument;
class SharedState;

// The owners' register on paper: one page per owner of the registry with his persons, his
// units' cadastral data, the changes recorded and what the law still asks for, then the
// safety list of the common parts with the checks overdue or falling due.
namespace RegisterPrintout {

ReportDocument build(const SharedState &state, const QDate &today);

} // namespace RegisterPrintout

} // namespace veltra
