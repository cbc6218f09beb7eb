#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTime>

#include <array>

namespace veltra {

// How an owner takes part in the meeting.
enum class Presence { Absent, Present, Delegated };

// An owner's attendance: in person, through a delegate (another owner or a third person,
// by name) with or without the written proxy shown, or absent.
struct Attendance
{
    Presence presence = Presence::Absent;
    QString delegate;
    bool proxyShown = false;
};

// An arrival or a departure during the meeting: it counts from the agenda point given on.
struct Movement
{
    int owner = 0;
    QTime time;
    int fromPoint = 1;
    Attendance attendance; // absent for a departure
};

enum class Vote { None, For, Against, Abstained };

// One point of the agenda as discussed and voted.
struct MeetingPoint
{
    QString text;
    int matter = 0; // the number of the matter in the majorities table; 0 not chosen
    // The owners entitled to vote when the expense concerns only some of them (art. 1123
    // c. 3 c.c.); empty when every owner votes.
    QList<int> entitled;
    QMap<int, Vote> votes; // by owner number; an entitled attendee missing has not voted
    QString discussion;
    QStringList statements; // what owners asked to have written in the minutes

    bool isEntitled(int owner) const { return entitled.isEmpty() || entitled.contains(owner); }
    Vote vote(int owner) const { return votes.value(owner, Vote::None); }
};

// One meeting of the assembly: which call is held, where or on which platform, who chairs
// and writes the minutes, the attendance at the opening with the arrivals and departures,
// and the agenda points with their votes.
class Meeting
{
public:
    static constexpr int MaxOwners = 500;

    int call = 1; // 1 first call, 2 second call
    bool firstCallFailed = false; // when the second call is held: the first was not constituted
    QString date;   // dd/MM/yyyy
    QString place;
    QString platform; // the videoconference platform; empty for a meeting in a place
    QString chair;
    QString secretary;
    QString administratorName; // never a delegate
    QTime opening;
    QTime closing;
    QString noticeDate; // dd/MM/yyyy, the notice the owners were convened by
    bool noticeChecked = false;  // whether the notice's terms were checked for the minutes
    QStringList noticeProblems;  // what that check found, one sentence each
    QList<Movement> movements; // in the order they happened
    QList<MeetingPoint> points;

    Attendance &attendance(int owner) { return m_attendance[index(owner)]; }
    const Attendance &attendance(int owner) const { return m_attendance[index(owner)]; }
    // The owner's attendance while point is discussed (0: at the opening), after the
    // arrivals and departures that count from that point or an earlier one.
    Attendance attendanceAt(int owner, int point) const;
    bool isVideoconference() const { return !platform.isEmpty(); }

private:
    static int index(int owner) { return owner >= 1 && owner <= MaxOwners ? owner : 0; }
    std::array<Attendance, MaxOwners + 1> m_attendance;
};

} // namespace veltra
