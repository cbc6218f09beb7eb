#include "meetinginput.h"

#include "noticeloader.h"
#include "registryloader.h"
#include "toolcommand.h"

#include "core/assembly/noticecheck.h"
#include "core/meeting/meetingcsv.h"
#include "core/registry/administratorfile.h"
#include "library/assembly/majoritytable.h"

namespace veltra {

namespace {

// One CSV of the meeting read into it; ExitSuccess, or the exit code after a line naming
// the file and the row.
template<typename Reader>
int readCsv(const QString &path, QTextStream &err, Reader reader)
{
    QString problem;
    const QByteArray bytes = MeetingCsv::readFile(path, &problem);
    if (!problem.isEmpty()) {
        err << notOpenedLine(path, problem);
        return ExitUnreadableFile;
    }
    const MeetingCsv::Result result = reader(bytes);
    if (!result.ok) {
        err << "veltra-tool: " << path << ": " << result.problem << "\n";
        return ExitDataRejected;
    }
    return ExitSuccess;
}

// The administrator of the user's details, when he ever typed them: a proxy to him is void.
QString administratorName()
{
    QString problem;
    const std::optional<AdministratorDetails> details =
        AdministratorFile::load(AdministratorFile::defaultPath(), &problem);
    return details ? details->name : QString();
}

} // namespace

const QStringList &MeetingInput::fileOptions()
{
    static const QStringList options = {QStringLiteral("--dati"), QStringLiteral("--avviso"),
                                        QStringLiteral("--presenze"), QStringLiteral("--voti")};
    return options;
}

std::optional<QMap<QString, QString>> MeetingInput::readOptions(const QStringList &arguments,
                                                                const QStringList &valueOptions,
                                                                const QStringList &flagOptions,
                                                                const QStringList &requiredOptions)
{
    QMap<QString, QString> options;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &option = arguments.at(i);
        if (options.contains(option))
            return std::nullopt;
        if (flagOptions.contains(option))
            options.insert(option, QString());
        else if (valueOptions.contains(option) && i + 1 < arguments.size())
            options.insert(option, arguments.at(++i));
        else
            return std::nullopt;
    }
    for (const QString &option : requiredOptions) {
        if (!options.contains(option))
            return std::nullopt;
    }
    return options;
}

int MeetingInput::load(const QMap<QString, QString> &options, QTextStream &err)
{
    if (const int loaded = RegistryLoader::load(QStringLiteral("esito"), {options.value(QStringLiteral("--dati"))}, *m_state, err))
        return loaded;
    if (const int loaded = NoticeLoader::load(options.value(QStringLiteral("--avviso")), m_notice, err))
        return loaded;
    m_meeting.call = options.contains(QStringLiteral("--seconda")) ? 2 : 1;
    m_meeting.firstCallFailed = m_meeting.call == 2;
    m_meeting.administratorName = administratorName();
    m_meeting.noticeDate = m_notice.noticeDate;
    m_meeting.noticeChecked = true;
    m_meeting.noticeProblems = NoticeCheck::check(m_notice).problems;
    const int attendance = readCsv(options.value(QStringLiteral("--presenze")), err, [this](const QByteArray &bytes) {
        return MeetingCsv::readAttendance(bytes, *m_state, m_meeting);
    });
    if (attendance != ExitSuccess)
        return attendance;
    return readCsv(options.value(QStringLiteral("--voti")), err, [this](const QByteArray &bytes) {
        return MeetingCsv::readVotes(bytes, *m_state, MajorityTable::shipped().votableMatters(),
                                     m_notice.printedPoints(), m_meeting);
    });
}

} // namespace veltra
