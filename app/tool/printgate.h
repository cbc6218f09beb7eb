#pragma once

#include <QTextStream>

namespace veltra {

class PrintClearance;

// Whether "stampa" builds a printout over what its window's check found: never over an
// error; over a warning only when "--forza" was given. Either way what was found goes to
// the error stream, so a script never prints unchecked data without a word.
class PrintGate
{
public:
    void setForced(bool forced) { m_forced = forced; }
    bool forced() const { return m_forced; }

    // ExitSuccess when the printout may be built; ExitDataRejected after the check's
    // finding on err when it may not.
    int admit(const PrintClearance &clearance, QTextStream &err) const;

private:
    bool m_forced = false;
};

} // namespace veltra
