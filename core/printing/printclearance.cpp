#include "core/printing/printclearance.h"

namespace veltra {

PrintClearance PrintClearance::granted()
{
    return PrintClearance();
}

PrintClearance PrintClearance::refused(MessageIcon icon, const QString &text)
{
    PrintClearance clearance;
    clearance.m_verdict = Verdict::Refuse;
    clearance.m_icon = icon;
    clearance.m_text = text;
    return clearance;
}

PrintClearance PrintClearance::askFirst(const QString &text)
{
    PrintClearance clearance;
    clearance.m_verdict = Verdict::AskFirst;
    clearance.m_icon = MessageIcon::Exclamation;
    clearance.m_text = text;
    return clearance;
}

PrintClearance PrintClearance::fromFinding(bool passed, MessageIcon icon, const QString &text)
{
    if (passed)
        return granted();
    if (icon == MessageIcon::Exclamation)
        return askFirst(text);
    return refused(icon, text);
}

QString PrintClearance::question() const
{
    return m_text + QStringLiteral("\n\nStampare comunque?");
}

} // namespace veltra
