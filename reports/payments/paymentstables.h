#pragma once

#include <QList>
#include <QStringList>

#include <optional>

namespace veltra {

class ReportDocument;

// What the payments printouts share.
namespace PaymentsTables {

// Appends a table of rows.size() rows, as wide as the longest row, at fontSize points,
// with every cell set; returns its table number.
int append(ReportDocument &document, const QList<QStringList> &rows,
           std::optional<int> fontSize = std::nullopt);

// The running total of an owner as the window and the printouts show it: "1.150,50".
QString ownerTotal(double euro);

} // namespace PaymentsTables

} // namespace veltra
