#pragma once

#include <QDate>

namespace veltra {

struct AdministratorDetails;
class FinalAccount;
class ReportDocument;
class SharedState;

// The list of the owners in arrears that the administrator must give the condominium's
// creditors not yet paid who ask for it (art. 63, comma 1, disp. att. c.c.): each owner's
// number, name, address, what he owes and since when, and the total, under the
// administrator's letterhead, dated and ready to sign.
namespace ArrearsPrintout {

ReportDocument build(const FinalAccount &figures, const SharedState &state, const AdministratorDetails &administrator,
                     const QDate &today);

// The table of the owners in arrears (what he owes in euro and since when), the address
// column when withAddress, and a closing row with the total.
void appendTable(ReportDocument &document, const FinalAccount &figures, const SharedState &state, bool withAddress);

} // namespace ArrearsPrintout

} // namespace veltra
