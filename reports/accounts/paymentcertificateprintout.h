#pragma once

#include <QDate>

#include <optional>

namespace veltra {

struct AdministratorDetails;
class FinalAccount;
class ReportDocument;
class SharedState;
struct ExplanatoryNote;

// The statement an owner may ask of the administrator (art. 1130, n. 9, c.c.), typically
// when he sells his unit: for the year of the figures and for the year before when its
// figures exist, what he owed at the start, his shares, what he paid and what he owes;
// whether he is in arrears; and the lawsuits and questions still pending according to the
// year's note. Under the administrator's letterhead, dated, ready to sign.
namespace PaymentCertificatePrintout {

ReportDocument build(const FinalAccount &current, const std::optional<FinalAccount> &previous,
                     const ExplanatoryNote &note, const SharedState &state, const AdministratorDetails &administrator,
                     int owner, const QDate &today);

} // namespace PaymentCertificatePrintout

} // namespace veltra
