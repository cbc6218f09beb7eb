#pragma once

#include <QString>

namespace veltra {

class Cell;

// The meeting counts value in thousandths of a millesimo, as exact integers, so that a
// threshold such as two thirds of the value is never missed or passed by a rounding.
namespace MeetingFigures {

// An owner's millesimi cell in thousandths of a millesimo (123,456 millesimi: 123456).
qint64 thousandthsOf(const Cell &millesimi);
// Thousandths as millesimi with three decimals and the decimal comma, no grouping: "123,456".
QString millesimiText(qint64 thousandths);

} // namespace MeetingFigures

} // namespace veltra
