#pragma once

#include "reports/document/reportdocument.h"

#include <optional>

namespace veltra {

class MeetingNotice;
class SharedState;

// The meeting notices: for each owner of the condominium one notice, or two when a copy is
// to come back signed as a receipt, each on its own page, addressed to the owner, with the
// two calls, the agenda up to its first empty point, the notice date, the administrator's
// signature, the notes when there are any and the proxy form "DELEGA" in the owner's name;
// an owner's notices are marked as his letter.
class MeetingNoticePrintout
{
public:
    static QString openingStatus();
    static QString closingStatus();

    // Why there is nothing to print (no owner to call), or nothing when there is.
    static std::optional<QString> refusal(const SharedState &state);

    // The notices of notice for owners 1 to ownerCount, copies (1 or 2) for each of them;
    // an empty document when there is no owner (which refusal() tells the user).
    static ReportDocument build(const SharedState &state, const MeetingNotice &notice,
                                int copies);
};

} // namespace veltra
