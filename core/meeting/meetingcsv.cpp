#include "core/meeting/meetingcsv.h"

#include "core/archive/archivereader.h"
#include "core/archive/archivetext.h"
#include "core/meeting/meeting.h"
#include "core/state/sharedstate.h"

#include <QFile>
#include <QSet>
#include <QStringList>

#include <optional>

namespace veltra::MeetingCsv {

namespace {

struct Row
{
    int line = 0;
    QStringList fields;
};

// Why the whole file is refused, or an empty text; rows receive its rows that hold text.
QString splitRows(const QByteArray &bytes, QList<Row> &rows)
{
    if (ArchiveText::hasMisleadingMark(bytes))
        return QString::fromUtf8("riga 1: il file comincia come UTF-8 ma non lo è");
    QString text = ArchiveText::decode(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int n = 0; n < lines.size(); ++n) {
        if (lines.at(n).trimmed().isEmpty())
            continue;
        QStringList fields = lines.at(n).split(QLatin1Char(';'));
        for (QString &field : fields)
            field = field.trimmed();
        rows << Row{n + 1, fields};
    }
    return QString();
}

Result refused(int line, const QString &reason)
{
    return Result{false, QStringLiteral("riga %1: %2").arg(line).arg(reason)};
}

std::optional<int> numberOf(const QString &text)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok ? std::optional<int>(number) : std::nullopt;
}

// The owner a field names, when it names one of the registry.
std::optional<int> ownerOf(const SharedState &state, const QString &field)
{
    const std::optional<int> number = numberOf(field);
    if (!number || *number < 1 || *number > Meeting::MaxOwners || state.owner(*number).ownerName.isEmpty())
        return std::nullopt;
    return number;
}

QString notAnOwner(const QString &field)
{
    return QString::fromUtf8("\"%1\" non è il numero di un condomino dell'anagrafe").arg(field);
}

// Why the attendance row cannot be taken, or an empty text.
QString readAttendanceRow(const SharedState &state, const QStringList &fields,
                          QSet<int> &seen, Meeting &meeting)
{
    if (fields.size() < 2 || fields.size() > 3)
        return QStringLiteral("servono condomino, stato ed eventualmente il delegato, separati da \";\"");
    const std::optional<int> owner = ownerOf(state, fields.at(0));
    if (!owner)
        return notAnOwner(fields.at(0));
    if (seen.contains(*owner))
        return QString::fromUtf8("il condomino n. %1 è già nell'elenco").arg(*owner);
    seen.insert(*owner);
    const QString status = fields.at(1).toLower();
    QString delegate = fields.value(2);
    Attendance attendance;
    if (status == QStringLiteral("presente"))
        attendance.presence = Presence::Present;
    else if (status == QStringLiteral("delegato"))
        attendance.presence = Presence::Delegated;
    else if (status != QStringLiteral("assente"))
        return QString::fromUtf8("lo stato \"%1\" non è \"presente\", \"delegato\" o \"assente\"").arg(fields.at(1));
    if (attendance.presence != Presence::Delegated && !delegate.isEmpty())
        return QString::fromUtf8("il condomino n. %1 non è rappresentato ma ha un delegato").arg(*owner);
    if (attendance.presence == Presence::Delegated && delegate.isEmpty())
        return QString::fromUtf8("manca il nome del delegato del condomino n. %1").arg(*owner);
    if (const std::optional<int> delegateOwner = ownerOf(state, delegate))
        delegate = state.owner(*delegateOwner).ownerName;
    attendance.delegate = delegate;
    attendance.proxyShown = attendance.presence == Presence::Delegated;
    meeting.attendance(*owner) = attendance;
    return QString();
}

std::optional<Vote> voteOf(const QString &field)
{
    const QString letter = field.toUpper();
    if (letter == QStringLiteral("F"))
        return Vote::For;
    if (letter == QStringLiteral("C"))
        return Vote::Against;
    if (letter == QStringLiteral("A"))
        return Vote::Abstained;
    return std::nullopt;
}

// Why the vote row cannot be taken, or an empty text.
QString readVoteRow(const SharedState &state, const QStringList &fields,
                    const QList<int> &votableMatters, int agendaPoints, Meeting &meeting)
{
    if (fields.size() != 4)
        return QStringLiteral("servono punto, materia, condomino e voto, separati da \";\"");
    const std::optional<int> point = numberOf(fields.at(0));
    if (!point || *point < 1 || *point > agendaPoints)
        return QString::fromUtf8("il punto \"%1\" non è nell'ordine del giorno (punti da 1 a %2)")
            .arg(fields.at(0)).arg(agendaPoints);
    const std::optional<int> matter = numberOf(fields.at(1));
    if (!matter || !votableMatters.contains(*matter))
        return QString::fromUtf8("la materia \"%1\" non è nella tabella delle maggioranze").arg(fields.at(1));
    const std::optional<int> owner = ownerOf(state, fields.at(2));
    if (!owner)
        return notAnOwner(fields.at(2));
    const std::optional<Vote> vote = voteOf(fields.at(3));
    if (!vote)
        return QString::fromUtf8("il voto \"%1\" non è F (favorevole), C (contrario) o A (astenuto)").arg(fields.at(3));
    while (meeting.points.size() < *point)
        meeting.points.append(MeetingPoint());
    MeetingPoint &agendaPoint = meeting.points[*point - 1];
    if (agendaPoint.matter != 0 && agendaPoint.matter != *matter)
        return QString::fromUtf8("il punto %1 è già della materia %2").arg(*point).arg(agendaPoint.matter);
    agendaPoint.matter = *matter;
    if (meeting.attendanceAt(*owner, *point).presence == Presence::Absent)
        return QString::fromUtf8("il condomino n. %1 è assente al punto %2 e non può votare").arg(*owner).arg(*point);
    if (!agendaPoint.isEntitled(*owner))
        return QString::fromUtf8("il condomino n. %1 non vota sul punto %2").arg(*owner).arg(*point);
    if (agendaPoint.votes.contains(*owner))
        return QString::fromUtf8("il condomino n. %1 ha già votato sul punto %2").arg(*owner).arg(*point);
    agendaPoint.votes.insert(*owner, *vote);
    return QString();
}

} // namespace

Result readAttendance(const QByteArray &bytes, const SharedState &state, Meeting &meeting)
{
    QList<Row> rows;
    const QString problem = splitRows(bytes, rows);
    if (!problem.isEmpty())
        return Result{false, problem};
    Meeting read = meeting;
    for (int owner = 1; owner <= Meeting::MaxOwners; ++owner)
        read.attendance(owner) = Attendance();
    QSet<int> seen;
    for (const Row &row : rows) {
        const QString fault = readAttendanceRow(state, row.fields, seen, read);
        if (!fault.isEmpty())
            return refused(row.line, fault);
    }
    meeting = read;
    return Result{true, QString()};
}

Result readVotes(const QByteArray &bytes, const SharedState &state,
                 const QList<int> &votableMatters, int agendaPoints, Meeting &meeting)
{
    QList<Row> rows;
    const QString problem = splitRows(bytes, rows);
    if (!problem.isEmpty())
        return Result{false, problem};
    Meeting read = meeting;
    for (MeetingPoint &point : read.points)
        point.votes.clear();
    for (const Row &row : rows) {
        const QString fault = readVoteRow(state, row.fields, votableMatters, agendaPoints, read);
        if (!fault.isEmpty())
            return refused(row.line, fault);
    }
    meeting = read;
    return Result{true, QString()};
}

QByteArray readFile(const QString &path, QString *problem)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = file.errorString();
        return QByteArray();
    }
    if (file.size() > ArchiveReader::MaxArchiveBytes) {
        *problem = QString::fromUtf8("il file è troppo grande");
        return QByteArray();
    }
    return file.readAll();
}

} // namespace veltra::MeetingCsv
