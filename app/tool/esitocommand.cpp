#include "esitocommand.h"

#include "meetinginput.h"

#include "core/meeting/meetingfigures.h"
#include "core/meeting/meetingtally.h"
#include "core/meeting/proxycheck.h"
#include "library/assembly/majoritytable.h"

namespace veltra {

namespace {

QString figures(const HeadsAndValue &count)
{
    return QString::number(count.heads) + QLatin1Char(';') + MeetingFigures::millesimiText(count.thousandths);
}

void print(const SharedState &state, const Meeting &meeting, QTextStream &out, QTextStream &err)
{
    const MajorityTable::Reading &table = MajorityTable::shipped();
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
    const auto options = MeetingInput::readOptions(arguments, MeetingInput::fileOptions(),
                                                   {QStringLiteral("--seconda")});
    if (!options) {
        err << "veltra-tool: uso: veltra-tool " << name() << ' ' << argumentsSynopsis() << "\n";
        return ExitBadArguments;
    }
    MeetingInput input;
    if (const int loaded = input.load(*options, err))
        return loaded;
    print(input.state(), input.meeting(), out, err);
    return ExitSuccess;
}

} // namespace veltra
