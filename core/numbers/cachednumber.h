#pragma once

#include <QString>

#include <cmath>
#include <optional>

namespace veltra {

// The number a typed text reads as, remembered for as long as the text is unchanged. The
// millesimal computation reads every surface and coefficient of the registry after each
// keystroke; reading them again only when they changed keeps a keystroke cheap.
class CachedNumber
{
public:
    // The same value as NumberText::read(text).
    std::optional<double> read(const QString &text) const;

private:
    // Holding a reference to the text's buffer keeps it from being freed and reused, so the
    // same buffer means the same text.
    mutable QString m_text;
    mutable double m_value = 0; // NaN when the text is no number
};

} // namespace veltra
