#pragma once

#include <QString>

#include <array>
#include <optional>

namespace veltra {

// A share of heads or of value a resolution must reach: numerator/denominator of its base.
// A "majority" is strictly more than half; every other share is "at least".
struct Share
{
    int numerator = 0;
    int denominator = 1;
    bool strictlyMore = false;

    bool isNone() const { return numerator == 0; }
    // Whether part reaches this share of whole (exact integer comparison).
    bool reachedBy(qint64 part, qint64 whole) const
    {
        const qint64 left = part * denominator;
        const qint64 right = whole * numerator;
        return strictlyMore ? left > right : left >= right;
    }
};

// What one call of the assembly needs to pass a resolution on a matter.
struct CallThreshold
{
    enum class HeadsBase { Attendees, Participants };
    Share heads;
    HeadsBase headsBase = HeadsBase::Attendees;
    Share value; // of the building's value (all the participants' millesimi); none: heads only
    QString rule; // the article applied, "art. 1136 c. 2 c.c."
};

// The majority a matter of the majorities table requires, for the first and second call;
// or the consent of every participant; or a matter no majority can decide.
struct MajorityRule
{
    enum class Kind { Shares, Unanimity, NotDecidable };
    Kind kind = Kind::Shares;
    std::array<std::optional<CallThreshold>, 2> calls; // [0] first call, [1] second call
    QString rule; // for unanimity and for a matter no majority decides

    // Whether the rule says what the given call needs (call 1 or 2).
    bool covers(int call) const
    {
        return kind != Kind::Shares || (call >= 1 && call <= 2 && calls[call - 1].has_value());
    }
};

} // namespace veltra
