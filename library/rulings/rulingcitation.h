#pragma once

#include <QString>

#include <optional>

namespace veltra {

// The reference that closes every ruling: " - (" + court + ", " + date + ", n." + number
// + ")", for example " - (Cassazione civile, sez. II, 04/08/2017, n.19651)". The date is
// written gg/mm/aaaa; the number is the decision's own, as the court registered it.
struct RulingCitation
{
    QString court;
    QString date;
    QString number;

    // The citation at the end of a ruling's text, or nothing when it is missing or not in
    // that form.
    static std::optional<RulingCitation> parse(const QString &rulingText);
    // The citation as the text ends with it, opening " - (" included.
    QString text() const;
};

} // namespace veltra
