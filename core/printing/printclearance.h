#pragma once

#include "core/platform/platform.h"

#include <QString>

namespace veltra {

// Whether a printout may be built from the data its window's check has just examined: an
// error of the check refuses it, a warning (a term of the law not kept, a description
// missing) leaves the choice to the user. The windows and veltra-tool take the same
// clearance from the same check, so a printout refused on screen is refused in a script.
class PrintClearance
{
public:
    enum class Verdict { Print, AskFirst, Refuse };

    static PrintClearance granted();
    static PrintClearance refused(MessageIcon icon, const QString &text);
    static PrintClearance askFirst(const QString &text);
    // From a check's first finding: a critical one is an error that refuses the print, an
    // exclamation a warning the user may print over.
    static PrintClearance fromFinding(bool passed, MessageIcon icon, const QString &text);

    Verdict verdict() const { return m_verdict; }
    MessageIcon icon() const { return m_icon; }
    // What the check found; empty when the print is granted.
    QString text() const { return m_text; }
    // The question put over a warning: what the check found, and whether to print anyway.
    QString question() const;

private:
    Verdict m_verdict = Verdict::Print;
    MessageIcon m_icon = MessageIcon::None;
    QString m_text;
};

} // namespace veltra
