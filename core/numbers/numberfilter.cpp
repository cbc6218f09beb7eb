#include "core/numbers/numberfilter.h"

#include "core/platform/platform.h"
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

void normaliseNumber(SharedState &state, Platform &platform)
{
    state.numberOut.clear();
    const QString &in = state.numberIn;
    if (in.isEmpty() || in == QLatin1String(","))
        return;
    for (const QChar c : in) {
        if (isKept(c))
            state.numberOut.append(c);
    }
    // Pasted text loses its stray characters silently; a wrong key just typed at the end
    // is told to the user, so that he learns to type the decimal comma.
    if (!isKept(in.back()) || in == QLatin1String("-")) {
        platform.showMessage(MessageIcon::Critical, state.texts.checkTitle,
                             numberRejectedMessage());
        state.numberOut.clear();
        state.numberIn.clear();
    }
}

} // namespace veltra
