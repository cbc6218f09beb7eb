// A bank's statement export: any bytes are refused whole, naming why, or read into
// movements in file order, each dated, with the mapping used; that mapping, remembered as
// its line of text, reads the same bytes to the same movements, and the matcher proposes
// at most one owner per movement from shares that exist.

#include "fuzzcheck.h"

#include "core/accounts/bankstatementcsv.h"
#include "core/accounts/paymentmatcher.h"

using namespace veltra;

namespace {

bool sameLines(const QList<BankStatementCsv::Line> &a, const QList<BankStatementCsv::Line> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype k = 0; k < a.size(); ++k) {
        if (a.at(k).fileLine != b.at(k).fileLine || a.at(k).cents != b.at(k).cents
            || a.at(k).operationDate != b.at(k).operationDate || a.at(k).valueDate != b.at(k).valueDate
            || a.at(k).description != b.at(k).description || a.at(k).balanceCents != b.at(k).balanceCents)
            return false;
    }
    return true;
}

void checkProposals(const QList<BankStatementCsv::Line> &lines)
{
    const PaymentMatcher matcher({{1, {QStringLiteral("Rossi")}, {{1, 100}, {2, 250}, {3, 100}}},
                                  {2, {QStringLiteral("De Luca")}, {{1, 100}}}});
    const QList<PaymentMatcher::Proposal> proposals = matcher.propose(lines);
    fuzz::require(proposals.size() == lines.size(), "one proposal per movement");
    for (const PaymentMatcher::Proposal &proposal : proposals) {
        const bool none = proposal.outcome == PaymentMatcher::Outcome::Unmatched;
        fuzz::require(none == (proposal.owner == 0), "an owner exactly when something fits");
        fuzz::require(proposal.cents > 0 || none, "an outgoing movement pays no one");
        fuzz::require(none || !proposal.items.isEmpty(), "a fit pays some items");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = fuzz::inputBytes(data, size);
    QChar separator;
    BankStatementCsv::rows(bytes, &separator);
    fuzz::require(separator == QLatin1Char(';') || separator == QLatin1Char(','), "the separator is ';' or ','");
    const BankStatementCsv::Result result = BankStatementCsv::read(bytes, QStringLiteral("f.csv"));
    if (!result.ok) {
        fuzz::require(!result.problem.isEmpty(), "a refusal says why");
        fuzz::require(result.lines.isEmpty(), "a refused file gives no movements");
        return 0;
    }
    fuzz::require(result.mapping.isUsable(), "a file read was read by a usable mapping");
    int previous = result.mapping.headerRow;
    for (const BankStatementCsv::Line &line : result.lines) {
        fuzz::require(line.fileLine > previous, "movements come in file order, after the header");
        fuzz::require(line.operationDate.isValid(), "every movement is dated");
        previous = line.fileLine;
    }
    const std::optional<ColumnMapping> remembered = ColumnMapping::fromText(result.mapping.toText());
    fuzz::require(remembered.has_value(), "the mapping used can be remembered", result.mapping.toText());
    const BankStatementCsv::Result again = BankStatementCsv::read(bytes, QStringLiteral("f.csv"), remembered);
    fuzz::require(again.ok && sameLines(again.lines, result.lines)
                      && again.closingBalanceCents == result.closingBalanceCents,
                  "the remembered mapping reads the same movements", again.problem);
    checkProposals(result.lines);
    return 0;
}
