#pragma once

#include "core/accounts/bankstatementcsv.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace veltra {

// Proposes, for each incoming movement of a bank statement, the owner whose open shares of
// the year it pays: the amount must equal one of his open shares or a sum of them, and the
// description must name him by one of his surnames. Nothing is recorded here; the user
// confirms each proposal.
class PaymentMatcher
{
public:
    struct OpenShare
    {
        int item = 0; // the number of the item in the year's expense series
        long long cents = 0;
    };

    struct PayerCandidate
    {
        int owner = 0;
        QStringList surnames; // "De Luca", "Dell'Acqua": each matched as a run of whole words
        QList<OpenShare> shares; // only those still open, in item order
    };

    // One owner paying these items with the amount.
    struct Fit
    {
        int owner = 0;
        QList<int> items;
        bool operator==(const Fit &other) const { return owner == other.owner && items == other.items; }
    };

    struct Proposal
    {
        enum class Outcome { Matched, ToConfirm, Unmatched };

        int fileLine = 0;
        long long cents = 0;
        int owner = 0; // 0: none; for ToConfirm the first of the fits, offered, not chosen
        QList<int> items;
        Outcome outcome = Outcome::Unmatched;
        QList<Fit> alternatives; // the other fits, for the user to choose among
    };
    using Outcome = Proposal::Outcome;

    explicit PaymentMatcher(const QList<PayerCandidate> &candidates);

    // The proposals for the statement's lines, one per line in their order. The lines are
    // taken in the order the money came in, and the shares of a line Matched are no longer
    // open for the lines after it: an owner paying two equal instalments by two transfers
    // has the older one proposed for the earlier transfer.
    QList<Proposal> propose(const QList<BankStatementCsv::Line> &lines) const;

    // "abbinato", "da confermare", "non abbinato".
    static QString outcomeText(Outcome outcome);

private:
    struct Surname
    {
        int candidate = 0; // index in m_candidates
        QStringList words;
    };

    QList<int> namedCandidates(const QStringList &words) const;
    Proposal proposal(const BankStatementCsv::Line &line, QList<QList<OpenShare>> &open) const;

    QList<PayerCandidate> m_candidates;
    QHash<QString, QList<Surname>> m_surnamesByFirstWord; // also by the words run together
};

} // namespace veltra
