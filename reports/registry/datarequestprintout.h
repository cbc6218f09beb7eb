#pragma once

#include <QDate>

namespace veltra {

class ReportDocument;
class SharedState;

// The registered letter the administrator must send an owner whose record in the owners'
// register is incomplete: what is missing, what must be checked, the thirty days to answer
// and what follows when he does not.
namespace DataRequestPrintout {

// The letters to every owner with something missing or wrong (owner 0), or to owner
// `owner` alone when he has any; no letter for a complete record.
ReportDocument build(const SharedState &state, int owner, const QDate &today);

} // namespace DataRequestPrintout

} // namespace veltra
