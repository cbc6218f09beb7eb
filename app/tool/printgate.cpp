#include "printgate.h"

#include "toolcommand.h"

#include "core/printing/printclearance.h"

namespace veltra {

int PrintGate::admit(const PrintClearance &clearance, QTextStream &err) const
{
    switch (clearance.verdict()) {
    case PrintClearance::Verdict::Print:
        return ExitSuccess;
    case PrintClearance::Verdict::AskFirst:
        err << "veltra-tool: attenzione: " << clearance.text() << "\n";
        if (m_forced)
            return ExitSuccess;
        err << "veltra-tool: stampa non eseguita; con --forza si stampa comunque\n";
        return ExitDataRejected;
    case PrintClearance::Verdict::Refuse:
        break;
    }
    err << "veltra-tool: " << clearance.text() << "\n";
    return ExitDataRejected;
}

} // namespace veltra
