#include "core/accounts/paymentmatcher.h"

#include "core/accounts/columnmapping.h"

#include <algorithm>
#include <map>
#include <vector>

namespace veltra {

namespace {

// Up to this many open shares every combination is tried (4,095 sums); beyond it only
// single shares and runs from the oldest, which is how owners pay arrears.
constexpr int AllSubsetsLimit = 12;

using Positions = QList<int>; // positions in an owner's list of open shares

// Of shares of equal amount the oldest are paid first: two choices that differ only in
// which of equal instalments they take are one fit, not two.
Positions oldestOfEqual(const Positions &chosen, const QList<PaymentMatcher::OpenShare> &open)
{
    std::map<long long, int> wanted;
    for (int position : chosen)
        ++wanted[open.at(position).cents];
    Positions oldest;
    for (int position = 0; position < open.size(); ++position) {
        int &left = wanted[open.at(position).cents];
        if (left > 0) {
            oldest.append(position);
            --left;
        }
    }
    return oldest;
}

void addFit(QList<Positions> &fits, const Positions &chosen, const QList<PaymentMatcher::OpenShare> &open)
{
    const Positions fit = oldestOfEqual(chosen, open);
    if (!fits.contains(fit))
        fits.append(fit);
}

void allSubsetsPaying(long long cents, const QList<PaymentMatcher::OpenShare> &open, QList<Positions> &fits)
{
    const unsigned count = 1u << open.size();
    std::vector<long long> sums(count, 0);
    for (unsigned mask = 1; mask < count; ++mask) {
        const unsigned lowest = mask & (~mask + 1);
        int position = 0;
        while ((1u << position) != lowest)
            ++position;
        sums[mask] = sums[mask & (mask - 1)] + open.at(position).cents;
        if (sums[mask] != cents)
            continue;
        Positions chosen;
        for (int k = 0; k < open.size(); ++k) {
            if (mask & (1u << k))
                chosen.append(k);
        }
        addFit(fits, chosen, open);
    }
}

void singlesAndRunsPaying(long long cents, const QList<PaymentMatcher::OpenShare> &open, QList<Positions> &fits)
{
    long long run = 0;
    Positions runPositions;
    for (int position = 0; position < open.size(); ++position) {
        if (open.at(position).cents == cents)
            addFit(fits, {position}, open);
        run += open.at(position).cents;
        runPositions.append(position);
        if (run == cents)
            addFit(fits, runPositions, open);
    }
}

// The ways the owner's open shares add up to the amount, oldest items first.
QList<Positions> sharesPaying(long long cents, const QList<PaymentMatcher::OpenShare> &open)
{
    QList<Positions> fits;
    if (open.size() <= AllSubsetsLimit)
        allSubsetsPaying(cents, open, fits);
    else
        singlesAndRunsPaying(cents, open, fits);
    std::sort(fits.begin(), fits.end());
    return fits;
}

QList<int> itemsAt(const Positions &positions, const QList<PaymentMatcher::OpenShare> &open)
{
    QList<int> items;
    for (int position : positions)
        items.append(open.at(position).item);
    return items;
}

void closeShares(const QList<int> &items, QList<PaymentMatcher::OpenShare> &open)
{
    open.erase(std::remove_if(open.begin(), open.end(),
                              [&items](const PaymentMatcher::OpenShare &share) { return items.contains(share.item); }),
               open.end());
}

// The lines in the order the money came in: by date, and within a day as the file lists
// them, read backwards when the file puts the newest first.
QList<int> chronological(const QList<BankStatementCsv::Line> &lines)
{
    QList<int> order;
    for (int k = 0; k < lines.size(); ++k)
        order.append(k);
    if (!lines.isEmpty() && lines.first().operationDate > lines.last().operationDate)
        std::reverse(order.begin(), order.end());
    std::stable_sort(order.begin(), order.end(), [&lines](int a, int b) {
        return lines.at(a).operationDate < lines.at(b).operationDate;
    });
    return order;
}

} // namespace

PaymentMatcher::PaymentMatcher(const QList<PayerCandidate> &candidates) : m_candidates(candidates)
{
    for (int index = 0; index < m_candidates.size(); ++index) {
        PayerCandidate &candidate = m_candidates[index];
        // A share of nothing or a credit is no debt a transfer pays.
        candidate.shares.erase(std::remove_if(candidate.shares.begin(), candidate.shares.end(),
                                              [](const OpenShare &share) { return share.cents <= 0; }),
                               candidate.shares.end());
        for (const QString &surname : std::as_const(candidate.surnames)) {
            const QStringList words = ColumnMapping::plainWords(surname);
            if (words.isEmpty())
                continue;
            m_surnamesByFirstWord[words.first()].append(Surname{index, words});
            // Banks often drop the space or the apostrophe: "DELUCA", "DELLACQUA".
            if (words.size() > 1)
                m_surnamesByFirstWord[words.join(QString())].append(Surname{index, {words.join(QString())}});
        }
    }
}

// The candidates one of whose surnames stands in the words as a run of whole words.
QList<int> PaymentMatcher::namedCandidates(const QStringList &words) const
{
    QList<int> named;
    for (int at = 0; at < words.size(); ++at) {
        const auto found = m_surnamesByFirstWord.constFind(words.at(at));
        if (found == m_surnamesByFirstWord.constEnd())
            continue;
        for (const Surname &surname : found.value()) {
            if (words.mid(at, surname.words.size()) == surname.words && !named.contains(surname.candidate))
                named.append(surname.candidate);
        }
    }
    std::sort(named.begin(), named.end());
    return named;
}

PaymentMatcher::Proposal PaymentMatcher::proposal(const BankStatementCsv::Line &line,
                                                  QList<QList<OpenShare>> &open) const
{
    Proposal proposal;
    proposal.fileLine = line.fileLine;
    proposal.cents = line.cents;
    if (line.cents <= 0)
        return proposal;
    QList<std::pair<int, QList<int>>> fits; // candidate index, items
    for (int index : namedCandidates(ColumnMapping::plainWords(line.description))) {
        for (const Positions &positions : sharesPaying(line.cents, open.at(index)))
            fits.append({index, itemsAt(positions, open.at(index))});
    }
    if (fits.isEmpty())
        return proposal;
    proposal.owner = m_candidates.at(fits.first().first).owner;
    proposal.items = fits.first().second;
    proposal.outcome = fits.size() == 1 ? Outcome::Matched : Outcome::ToConfirm;
    for (qsizetype k = 1; k < fits.size(); ++k)
        proposal.alternatives.append(Fit{m_candidates.at(fits.at(k).first).owner, fits.at(k).second});
    if (proposal.outcome == Outcome::Matched)
        closeShares(proposal.items, open[fits.first().first]);
    return proposal;
}

QList<PaymentMatcher::Proposal> PaymentMatcher::propose(const QList<BankStatementCsv::Line> &lines) const
{
    QList<QList<OpenShare>> open;
    for (const PayerCandidate &candidate : m_candidates)
        open.append(candidate.shares);
    QList<Proposal> proposals(lines.size());
    for (int k : chronological(lines))
        proposals[k] = proposal(lines.at(k), open);
    return proposals;
}

QString PaymentMatcher::outcomeText(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Matched: return QStringLiteral("abbinato");
    case Outcome::ToConfirm: return QStringLiteral("da confermare");
    case Outcome::Unmatched: return QStringLiteral("non abbinato");
    }
    return QString();
}

} // namespace veltra
