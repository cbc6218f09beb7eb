#pragma once

#include <QString>

namespace veltra {

class Cell;

// Numbers as the printouts show them, by the patterns "##0.000" (thousandths), "###0.00"
// (square metres), "0.00" (coefficients) and "##,##0.00" (euro): a decimal comma, a point
// between thousands when the pattern has a comma, as many decimals as the pattern has
// after its point, at least one integer digit, a leading minus for negative numbers.
namespace NumberFormat {

inline const QString MillesimiPattern = QStringLiteral("##0.000");
inline const QString SurfacePattern = QStringLiteral("###0.00");
inline const QString CoefficientPattern = QStringLiteral("0.00");
inline const QString EuroPattern = QStringLiteral("##,##0.00");

// value formatted by pattern, rounded half away from zero on its 15-digit decimal form
// (2.675 with "0.00" gives "2,68"); an empty text for an infinite or undefined value.
QString formatNumber(double value, const QString &pattern);

// typedText read with the decimal comma (NumberText::read) and formatted by pattern;
// a text that is no number comes back as typed.
QString formatNumberText(const QString &typedText, const QString &pattern);

// A cell's number, or its typed text read as above, formatted by pattern.
QString formatCell(const Cell &cell, const QString &pattern);

} // namespace NumberFormat

using NumberFormat::formatNumber;
using NumberFormat::formatNumberText;
using NumberFormat::formatCell;

} // namespace veltra
