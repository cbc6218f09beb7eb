#include "esitocommand.h"

#include "noticeloader.h"
#include "registryloader.h"

#include "core/assembly/meetingnotice.h"
#include "core/meeting/meeting.h"
#include "core/meeting/meetingcsv.h"
#include "core/meeting/meetingfigures.h"
#include "core/meeting/meetingtally.h"
#include "core/meeting/proxycheck.h"
#include "core/registry/administratorfile.h"
#include "core/state/sharedstate.h"
#include "library/assembly/majoritytable.h"

#include <QMap>

#include <optional>

namespace veltra {

namespace {

const QStringList FileOptions = {QStringLiteral("--dati"), QStringLiteral("--avviso"),
                                 QStringLiteral("--presenze"), QStringLiteral("--voti")};

struct Options
{
    QMap<QString, QString> files;
    bool secondCall = false;
};

std::optional<Options> readOptions(const QStringList &arguments)
{
    Options options;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &option = arguments.at(i);
        if (option == QLatin1String("--seconda") && !options.secondCall)
            options.secondCall = true;
        else if (FileOptions.contains(option) && !options.files.contains(option) && i + 1 < arguments.size())
            options.files.insert(option, arguments.at(++i));
        else
            return std::nullopt;
    }
    if (options.files.size() != FileOptions.size())
        return std::nullopt;
    return options;
}

QString figures(const HeadsAndValue &count)
{
    return QString::number(count.heads) + QLatin1Char(';') + MeetingFigures::millesimiText(count.thousandths);
}

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

void print(const SharedState &state, const Meeting &meeting, const MajorityTable::Reading &table,
           QTextStream &out, QTextStream &err)
{
    for (const ProxyCheck::Finding &finding : ProxyCheck::check(state, meeting))
        err << "veltra-tool: attenzione: " << finding.text << "\n";
    const QuorumResult quorum = MeetingTally::quorum(state, meeting);
    out << "costituzione;" << figures(quorum.attendees) << ';'
        << (quorum.constituted ? "costituita" : "non costituita") << "\n";
    for (int point = 1; point <= meeting.points.size(); ++point) {
        const int matter = meeting.points.at(point - 1).matter;
        if (matter == 0)
            continue;
        const PointResult result =
            MeetingTally::pointResult(state, meeting, point, table.matter(matter)->rule);
        out << point << ';' << matter << ';' << figures(result.inFavour) << ';'
            << figures(result.against) << ';' << figures(result.abstained) << ';'
            << (result.approved ? "approvata" : "respinta") << ';' << result.rule << "\n";
    }
}

} // namespace

int EsitoCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const std::optional<Options> options = readOptions(arguments);
    if (!options) {
        err << "veltra-tool: uso: veltra-tool " << name() << ' ' << argumentsSynopsis() << "\n";
        return ExitBadArguments;
    }
    SharedState state;
    if (const int loaded = RegistryLoader::load(name(), {options->files.value(QStringLiteral("--dati"))}, state, err))
        return loaded;
    MeetingNotice notice;
    if (const int loaded = NoticeLoader::load(options->files.value(QStringLiteral("--avviso")), notice, err))
        return loaded;
    const MajorityTable::Reading &table = MajorityTable::shipped();
    Meeting meeting;
    meeting.call = options->secondCall ? 2 : 1;
    meeting.administratorName = administratorName();
    const int attendance = readCsv(options->files.value(QStringLiteral("--presenze")), err,
                                   [&](const QByteArray &bytes) {
                                       return MeetingCsv::readAttendance(bytes, state, meeting);
                                   });
    if (attendance != ExitSuccess)
        return attendance;
    const int votes = readCsv(options->files.value(QStringLiteral("--voti")), err, [&](const QByteArray &bytes) {
        return MeetingCsv::readVotes(bytes, state, table.votableMatters(), notice.printedPoints(), meeting);
    });
    if (votes != ExitSuccess)
        return votes;
    print(state, meeting, table, out, err);
    return ExitSuccess;
}

} // namespace veltra
