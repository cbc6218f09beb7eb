#pragma once

#include <QString>

namespace veltra {

class Platform;
class SharedState;

// The filter every typed number passes: reads numberIn and leaves in numberOut only the
// digits, the comma and the minus sign. A wrong character typed at the end (the usual case
// while typing) or a lone "-" is rejected with a critical message titled checkTitle, and
// then both numberIn and numberOut are emptied.
void normaliseNumber(SharedState &state, Platform &platform);

// The text of the rejection message.
QString numberRejectedMessage();

} // namespace veltra
