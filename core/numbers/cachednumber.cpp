#include "core/numbers/cachednumber.h"

#include "core/numbers/numberscan.h"

namespace veltra {

std::optional<double> CachedNumber::read(const QString &text) const
{
    if (text.isSharedWith(m_text) && text.constData() == m_text.constData()
        && text.size() == m_text.size())
        return std::isnan(m_value) ? std::nullopt : std::optional<double>(m_value);
    const std::optional<double> value = NumberScan::readComma(text);
    m_value = value.value_or(std::nan(""));
    m_text = text;
    return value;
}

} // namespace veltra
