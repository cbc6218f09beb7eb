#include "core/numbers/numberfilter.h"

#include "core/state/sharedstate.h"

namespace veltra {

namespace {

bool isKept(QChar c)
{
    return c == QLatin1Char(',') || c == QLatin1Char('-')
        || (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

} // namespace

QString numberRejectedMessage()
{
    return QStringLiteral("Attenzione! il dato digitato non è corretto: "
                          "usare solo numeri e la virgola per i decimali.");
}

// Only the refused key is lost: what was typed before it stays, so that the field and the
// millesimi computed from it keep to what the user meant.
bool normaliseNumber(SharedState &state)
{
    state.numberOut.clear();
    const QString &in = state.numberIn;
    if (in.isEmpty() || in == QLatin1String(","))
        return false;
    if (in == QLatin1String("-"))
        return true;
    for (const QChar c : in) {
        if (isKept(c))
            state.numberOut.append(c);
    }
    // A wrong key just typed at the end is told to the user, so that he learns to type the
    // decimal comma.
    return !isKept(in.back());
}

} // namespace veltra
