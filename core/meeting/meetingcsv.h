#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace veltra {

class Meeting;
class SharedState;

// The attendance and the votes of a meeting as CSV, for votes collected on paper: fields
// separated by ";", no header, empty rows skipped, UTF-8 or Windows-1252.
//   attendance rows  condomino;stato;delegato   stato "presente", "delegato" or "assente"
//   vote rows        punto;materia;condomino;voto   voto "F" (for), "C" (against), "A"
// Any fault refuses the whole file with one sentence naming the row, and the meeting is
// left as it was.
namespace MeetingCsv {

struct Result
{
    bool ok = false;
    QString problem; // "riga 3: il condomino n. 12 non è nell'anagrafe"
};

// The attendance at the opening; owners the file does not list are absent. A delegate
// given by an owner's number becomes that owner's name.
Result readAttendance(const QByteArray &bytes, const SharedState &state, Meeting &meeting);

// The votes, point by point (points 1 to agendaPoints of the notice, created as the rows
// name them), on the attendance already in meeting; votableMatters are the numbers of the
// majorities table that carry thresholds.
Result readVotes(const QByteArray &bytes, const SharedState &state,
                 const QList<int> &votableMatters, int agendaPoints, Meeting &meeting);

// The bytes of the file at path, or an empty result with *problem set.
QByteArray readFile(const QString &path, QString *problem);

} // namespace MeetingCsv

} // namespace veltra
