#pragma once

#include "core/assembly/meetingnotice.h"
#include "core/meeting/meeting.h"
#include "core/state/sharedstate.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <memory>
#include <optional>

namespace veltra {

// What "esito" and "seduta" read first: the condominium archive (--dati), the notice
// (--avviso), the attendance (--presenze) and the votes (--voti) collected on paper, with
// --seconda when the second call is held. Bad input is refused naming its file and row.
class MeetingInput
{
public:
    // The options given as "--name value" pairs or flags; nothing when one is not among
    // valueOptions or flagOptions, is given twice or lacks its value, or when one of
    // requiredOptions (the four files unless told) is not given.
    static std::optional<QMap<QString, QString>> readOptions(const QStringList &arguments,
                                                             const QStringList &valueOptions,
                                                             const QStringList &flagOptions,
                                                             const QStringList &requiredOptions = fileOptions());
    static const QStringList &fileOptions();

    // Reads the four files named by options; ExitSuccess or the exit code after one line.
    int load(const QMap<QString, QString> &options, QTextStream &err);

    const SharedState &state() const { return *m_state; }
    const MeetingNotice &notice() const { return m_notice; }
    Meeting &meeting() { return m_meeting; }

private:
    std::unique_ptr<SharedState> m_state = std::make_unique<SharedState>();
    MeetingNotice m_notice;
    Meeting m_meeting;
};

} // namespace veltra
