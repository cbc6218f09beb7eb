#pragma once

namespace veltra {

class FinalAccount;
class ReportDocument;

// The stato di ripartizione consuntivo: each owner's share of each item, a few items to a
// table so that a year of two hundred items stays readable, each item headed by its
// criterion, with the sum of the shares, the item's amount and the rounding between them;
// then each owner from his opening balance through his shares and payments to his closing
// balance; then, when the year has a budget, each item against it.
namespace AllocationStateTables {

// Items side by side in one table: more would not fit across the page.
constexpr int ItemsPerTable = 6;

void append(ReportDocument &document, const FinalAccount &figures);

} // namespace AllocationStateTables

} // namespace veltra
