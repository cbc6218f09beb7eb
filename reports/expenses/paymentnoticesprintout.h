#pragma once

#include "reports/document/reportdocument.h"

#include <QDate>
#include <QList>

namespace veltra {

class SharedState;

// The payment notices of the current expense item: one letter per owner who has not yet
// paid it, each on its own page, with the amount he owes, the criterion in words and the
// table of all owners; each marked as that owner's letter.
class PaymentNoticesPrintout
{
public:
    // The status text written before the document is begun; the notices write no closing
    // one.
    static QString openingStatus();

    // Owners 1..ownerCount without a payment date, in order: those who get a notice. Any
    // text, "----------" included, counts as a payment.
    static QList<int> unpaidOwners(const SharedState &state);

    // The notices of item k (1..200), dated today; no notice when every owner has paid.
    static ReportDocument build(const SharedState &state, int k, const QDate &today);

    // How the criterion calcType divided the item, as the notice explains it; under
    // criterion 6 followed by the text of art. 1126.
    static QString criterionExplanation(int calcType);
};

} // namespace veltra
