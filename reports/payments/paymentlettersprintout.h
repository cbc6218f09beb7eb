#pragma once

#include "core/payments/paymentletters.h"
#include "reports/document/reportdocument.h"

#include <QDate>
#include <QList>
#include <QString>

namespace veltra {

class SharedState;

// The reminder letters ("sollecito di pagamento") and receipts ("ricevuta di pagamento")
// of the current item: one letter per owner with the item, the address block, the sum
// and the day's date, each marked as that owner's letter. The two differ only in three
// lines.
class PaymentLettersPrintout
{
public:
    static QString openingStatus();

    // The letters of item k (1..200) for owners, in order; shownTotal is the condominium's
    // running total as the window shows it. Every letter of an owner below the owner count
    // is followed by a page break, unless the letter was asked for one owner alone.
    static ReportDocument build(const SharedState &state, int k, const QString &shownTotal,
                                PaymentLetters::Kind kind, const QList<int> &owners,
                                bool singleOwner, const QDate &today);
};

} // namespace veltra
