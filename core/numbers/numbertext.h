#pragma once

#include <QString>

#include <optional>

namespace veltra {

// How numbers travel as text: typed with the decimal comma, shown in messages and built
// file names in the plain form with a point and a leading blank.
namespace NumberText {

// The number a typed text stands for: comma as decimal separator, points as thousands
// separators. Empty texts, texts that are no number ("1,2,3", "4-5", "mille") and figures
// too long for any number (400 digits) give nothing.
std::optional<double> read(const QString &text);

// The most a typed figure may be worth: fifteen integer digits are what a number holds
// exactly, and no surface, coefficient, amount or millesimo comes near it.
constexpr double MaxFigure = 1e15;

// Why a typed text cannot be counted, as the data checks tell it after the name of the
// datum ("\"mille\" non è un numero"); an empty text when it reads as a number below
// MaxFigure. An empty text is not judged here: it is a missing datum.
QString fault(const QString &text);

// The plain decimal form with a point, a leading blank before a number that is not
// negative, up to 15 significant digits, no exponent: " 7", "-2.5", " 333.333".
QString str(double value);

// The plain decimal form with the decimal comma and no blank: "25,5", "333,333".
QString plain(double value);

// The number a text begins with, read with a point as decimal separator up to the first
// character that is not part of a number: "50,5" reads 50, "-20,00" reads -20, "abc" 0.
double leading(const QString &text);

} // namespace NumberText

} // namespace veltra
