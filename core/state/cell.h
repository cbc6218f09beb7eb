#pragma once

#include <QString>

namespace veltra {

// A cell that holds either what the user typed (a text, possibly empty) or a value the
// system computed (a number). The owner's property millesimi are such a cell: computed
// from the units, but the expense window lets the user type over them.
class Cell
{
public:
    Cell() = default;
    static Cell fromText(const QString &text);
    static Cell fromNumber(double number);

    bool isEmpty() const;
    bool isNumber() const { return m_isNumber; }
    // The number, or the text read with the decimal comma; 0 when empty or unreadable.
    double toNumber() const;
    // The text as typed, or the number in plain decimal form with the decimal comma.
    QString toText() const;

    bool operator==(const Cell &other) const;
    bool operator!=(const Cell &other) const { return !(*this == other); }

private:
    QString m_text;
    double m_number = 0;
    bool m_isNumber = false;
};

} // namespace veltra
