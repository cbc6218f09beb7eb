#pragma once

#include <QString>

namespace veltra {

class SharedState;

// The filter every typed number passes: reads numberIn, the text as typed, and leaves in
// numberOut only its digits, commas and minus signs (a lone "-" leaves nothing). Returns
// true when the key just pressed was a wrong one, that is when the last character is none of
// those or the text is a lone "-": the caller tells the user, in a way that lets him type on.
// Wrong characters elsewhere (pasted text) are dropped silently.
bool normaliseNumber(SharedState &state);

// What the user is told when a wrong key is refused.
QString numberRejectedMessage();

} // namespace veltra
