#include "core/state/cell.h"

#include "core/numbers/numbertext.h"

namespace veltra {

Cell Cell::fromText(const QString &text)
{
    Cell cell;
    cell.m_text = text;
    return cell;
}

Cell Cell::fromNumber(double number)
{
    Cell cell;
    cell.m_number = number;
    cell.m_isNumber = true;
    return cell;
}

bool Cell::isEmpty() const
{
    return !m_isNumber && m_text.isEmpty();
}

double Cell::toNumber() const
{
    return m_isNumber ? m_number : NumberText::read(m_text).value_or(0.0);
}

QString Cell::toText() const
{
    return m_isNumber ? NumberText::plain(m_number) : m_text;
}

bool Cell::operator==(const Cell &other) const
{
    if (m_isNumber != other.m_isNumber)
        return false;
    return m_isNumber ? m_number == other.m_number : m_text == other.m_text;
}

} // namespace veltra
