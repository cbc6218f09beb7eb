// Times the meeting of the largest condominium, 500 owners with 20 agenda points each voted
// by everyone: the figures the meeting window shows (the quorum, the proxy check and every
// point's result) recomputed after one vote or one attendance changes, and the minutes
// document built and written as .odt.

#include "core/meeting/meeting.h"
#include "core/meeting/meetingtally.h"
#include "core/meeting/proxycheck.h"
#include "core/registry/administratordetails.h"
#include "core/state/sharedstate.h"
#include "library/assembly/majoritytable.h"
#include "reports/meeting/minutesprintout.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>

using namespace veltra;

namespace {

constexpr int Owners = 500;
constexpr int Points = 20;
constexpr int Rounds = 200;

void fill(SharedState &state, Meeting &meeting)
{
    for (int i = 1; i <= Owners; ++i) {
        state.owner(i).ownerName = QStringLiteral("Condomino numero %1").arg(i);
        state.owner(i).ownerMillesimi = Cell::fromNumber(2.0);
        meeting.attendance(i) = i % 7 == 0 ? Attendance{Presence::Delegated, QStringLiteral("Delegato %1").arg(i % 30), true}
                                           : Attendance{Presence::Present, QString(), false};
    }
    state.ownerCount = Owners;
    for (int p = 1; p <= Points; ++p) {
        MeetingPoint point;
        point.text = QStringLiteral("Punto %1 dell'ordine del giorno").arg(p);
        point.matter = 5 + p % 5;
        point.discussion = QStringLiteral("Discussione del punto.");
        for (int i = 1; i <= Owners; ++i)
            point.votes.insert(i, Vote(1 + (i + p) % 3));
        meeting.points << point;
    }
}

// Every figure on the window: quorum, proxies, each point's result.
qint64 everyFigure(const SharedState &state, const Meeting &meeting, const MajorityTable::Reading &table)
{
    qint64 sum = MeetingTally::quorum(state, meeting).attendees.thousandths
        + ProxyCheck::check(state, meeting).size();
    for (int p = 1; p <= meeting.points.size(); ++p)
        sum += MeetingTally::pointResult(state, meeting, p, table.matter(meeting.points.at(p - 1).matter)->rule)
                   .inFavour.heads;
    return sum;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    auto state = std::make_unique<SharedState>();
    Meeting meeting;
    fill(*state, meeting);
    const MajorityTable::Reading &table = MajorityTable::shipped();
    double best = 1e12;
    qint64 checksum = 0;
    for (int round = 0; round < Rounds; ++round) {
        meeting.points[round % Points].votes[1 + round % Owners] = Vote(1 + round % 3);
        meeting.attendance(1 + (round * 7) % Owners).presence = round % 2 ? Presence::Present : Presence::Absent;
        QElapsedTimer timer;
        timer.start();
        checksum += everyFigure(*state, meeting, table);
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    std::printf("meeting, %d owners, %d points: every figure after one change %.3f ms (target 1 ms) [%lld]\n",
                Owners, Points, best, static_cast<long long>(checksum));
    QTemporaryDir dir;
    QElapsedTimer timer;
    timer.start();
    ReportDocument minutes = MinutesPrintout::build(*state, meeting, table.majorities, AdministratorDetails());
    const double built = timer.nsecsElapsed() / 1e9;
    const bool saved = minutes.saveAs(dir.filePath(QStringLiteral("verbale.odt")));
    std::printf("minutes document %.3f s, written as .odt %.3f s in all (target 2 s)%s\n", built,
                timer.nsecsElapsed() / 1e9, saved ? "" : " NOT WRITTEN");
    return saved ? 0 : 1;
}
