#include "reports/meeting/minutesprintout.h"

#include "core/meeting/meeting.h"
#include "core/meeting/meetingfigures.h"
#include "core/meeting/meetingtally.h"
#include "core/meeting/proxycheck.h"
#include "core/registry/administratordetails.h"
#include "core/state/sharedstate.h"
#include "library/assembly/majoritytable.h"
#include "reports/meeting/meetingtexts.h"
#include "reports/registry/administratorletterhead.h"

#include <QDate>

namespace veltra::MinutesPrintout {

namespace {

const QChar CR(13);
constexpr int TextSize = 10;
constexpr int ChallengeDays = 30;

using MeetingTexts::millesimi;
using MeetingTexts::timeText;

QString callText(const Meeting &meeting)
{
    if (meeting.call == 2)
        return meeting.firstCallFailed
            ? QStringLiteral("in seconda convocazione, essendo andata deserta la prima")
            : QStringLiteral("in seconda convocazione");
    return QStringLiteral("in prima convocazione");
}

QString whereText(const Meeting &meeting)
{
    if (meeting.isVideoconference())
        return QStringLiteral("in videoconferenza sulla piattaforma ") + meeting.platform;
    return meeting.place.isEmpty() ? QStringLiteral("nel luogo indicato nell'avviso")
                                   : QStringLiteral("presso ") + meeting.place;
}

// What the check of the notice's terms found, when it was run.
QString noticeCheckText(const Meeting &meeting)
{
    if (!meeting.noticeChecked)
        return QString();
    if (meeting.noticeProblems.isEmpty())
        return QStringLiteral(", i cui termini sono stati controllati senza rilevare irregolarità");
    return QStringLiteral("; il controllo dell'avviso ha rilevato: ") + meeting.noticeProblems.join(QStringLiteral(" "));
}

void appendOpening(ReportDocument &document, const SharedState &state, const Meeting &meeting,
                   bool constituted)
{
    const QString title = constituted ? QStringLiteral("VERBALE DELL'ASSEMBLEA DEI CONDOMINI")
                                      : QStringLiteral("VERBALE DI MANCATA COSTITUZIONE DELL'ASSEMBLEA");
    document.appendParagraph(title + CR, 14, true);
    document.appendParagraph(state.condoName + CR + CR, 12, true);
    document.appendParagraph(
        QStringLiteral("Il giorno %1, alle ore %2, %3, si è riunita %4 l'assemblea dei condomini.")
                .arg(meeting.date, timeText(meeting.opening), whereText(meeting), callText(meeting))
            + CR,
        TextSize);
    if (!meeting.chair.isEmpty() || !meeting.secretary.isEmpty())
        document.appendParagraph(QStringLiteral("Assume la presidenza %1; svolge le funzioni di "
                                                "segretario %2.")
                                         .arg(meeting.chair, meeting.secretary)
                                     + CR,
                                 TextSize);
    if (!meeting.noticeDate.isEmpty())
        document.appendParagraph(QStringLiteral("Il presidente dà atto che tutti i condomini sono "
                                                "stati convocati con l'avviso del %1%2.")
                                         .arg(meeting.noticeDate, noticeCheckText(meeting))
                                     + CR,
                                 TextSize);
}

QString presenceText(const Attendance &attendance)
{
    if (attendance.presence == Presence::Present)
        return QStringLiteral("di persona");
    const QString paper = attendance.proxyShown ? QString() : QStringLiteral(" (delega scritta non esibita)");
    return QStringLiteral("per delega a ") + attendance.delegate + paper;
}

void appendAttendance(ReportDocument &document, const SharedState &state, const Meeting &meeting)
{
    QList<int> attending;
    for (int owner = 1; owner <= Meeting::MaxOwners; ++owner) {
        if (!state.owner(owner).ownerName.isEmpty() && meeting.attendance(owner).presence != Presence::Absent)
            attending << owner;
    }
    document.appendParagraph(CR + QStringLiteral("Sono intervenuti all'apertura:") + CR, TextSize, true);
    if (attending.isEmpty()) {
        document.appendParagraph(QStringLiteral("nessun condomino.") + CR, TextSize);
        return;
    }
    const int table = document.appendTable(int(attending.size()) + 1, 4, 9);
    const QStringList heading{QStringLiteral("n."), QStringLiteral("condomino"),
                              QStringLiteral("millesimi"), QStringLiteral("presenza")};
    for (int column = 0; column < heading.size(); ++column)
        document.setCell(table, 1, column + 1, heading.at(column));
    for (int row = 0; row < attending.size(); ++row) {
        const int owner = attending.at(row);
        document.setCell(table, row + 2, 1, QString::number(owner));
        document.setCell(table, row + 2, 2, state.owner(owner).ownerName);
        document.setCell(table, row + 2, 3, millesimi(state, owner));
        document.setCell(table, row + 2, 4, presenceText(meeting.attendance(owner)));
    }
    document.alignColumnsRight(table, 3, 3);
}

void appendQuorum(ReportDocument &document, const QuorumResult &quorum)
{
    document.appendParagraph(
        CR
            + QStringLiteral("Sono presenti, di persona o per delega, %1 su %2, per %3 "
                             "millesimi su %4. Per la costituzione occorrono almeno %5 condomini e "
                             "%6 millesimi (%7): l'assemblea %8.")
                  .arg(MeetingTexts::ownersText(quorum.attendees.heads))
                  .arg(quorum.participants.heads)
                  .arg(MeetingFigures::millesimiText(quorum.attendees.thousandths),
                       MeetingFigures::millesimiText(quorum.participants.thousandths))
                  .arg(quorum.requiredHeads)
                  .arg(MeetingFigures::millesimiText(quorum.requiredThousandths), quorum.rule,
                       quorum.constituted ? QStringLiteral("è validamente costituita")
                                          : QStringLiteral("non è validamente costituita"))
            + CR,
        TextSize);
}

void appendProxyFindings(ReportDocument &document, const SharedState &state, const Meeting &meeting)
{
    const QList<ProxyCheck::Finding> findings = ProxyCheck::check(state, meeting);
    if (findings.isEmpty())
        return;
    document.appendParagraph(QStringLiteral("Deleghe contestate:") + CR, TextSize, true);
    for (const ProxyCheck::Finding &finding : findings)
        document.appendParagraph(QStringLiteral("- ") + finding.text + QLatin1Char('.') + CR, TextSize);
}

void appendMovements(ReportDocument &document, const SharedState &state, const Meeting &meeting, int point)
{
    for (const Movement &movement : meeting.movements) {
        if (movement.fromPoint != point)
            continue;
        const QString name = state.owner(movement.owner).ownerName;
        const QString what = movement.attendance.presence == Presence::Absent
            ? QStringLiteral("si allontana %1").arg(name)
            : QStringLiteral("entra %1, %2").arg(name, presenceText(movement.attendance));
        document.appendParagraph(QStringLiteral("Alle ore %1 %2.").arg(timeText(movement.time), what) + CR,
                                 TextSize);
    }
}

void appendVotes(ReportDocument &document, const SharedState &state, const Meeting &meeting, int point)
{
    const MeetingPoint &agendaPoint = meeting.points.at(point - 1);
    QList<int> voters;
    for (int owner = 1; owner <= Meeting::MaxOwners; ++owner) {
        if (!state.owner(owner).ownerName.isEmpty() && agendaPoint.isEntitled(owner)
            && meeting.attendanceAt(owner, point).presence != Presence::Absent)
            voters << owner;
    }
    if (voters.isEmpty())
        return;
    const int table = document.appendTable(int(voters.size()) + 1, 3, 9);
    document.setCell(table, 1, 1, QStringLiteral("condomino"));
    document.setCell(table, 1, 2, QStringLiteral("millesimi"));
    document.setCell(table, 1, 3, QStringLiteral("voto"));
    for (int row = 0; row < voters.size(); ++row) {
        const int owner = voters.at(row);
        document.setCell(table, row + 2, 1, state.owner(owner).ownerName);
        document.setCell(table, row + 2, 2, millesimi(state, owner));
        document.setCell(table, row + 2, 3, MeetingTexts::voteText(agendaPoint.vote(owner)));
    }
    document.alignColumnsRight(table, 2, 2);
}

QString countText(const HeadsAndValue &count)
{
    return QStringLiteral("%1 per %2 millesimi")
        .arg(MeetingTexts::ownersText(count.heads), MeetingFigures::millesimiText(count.thousandths));
}

void appendResult(ReportDocument &document, const PointResult &result)
{
    QString text = QStringLiteral("Favorevoli %1; contrari %2; astenuti %3. ")
                       .arg(countText(result.inFavour), countText(result.against), countText(result.abstained));
    if (result.requiredHeads > 0)
        text += QStringLiteral("Occorrono almeno %1 voti favorevoli e %2 millesimi (%3). ")
                    .arg(result.requiredHeads)
                    .arg(MeetingFigures::millesimiText(result.requiredThousandths), result.rule);
    else
        text += QStringLiteral("Regola applicata: %1. ").arg(result.rule);
    text += result.approved ? QStringLiteral("La deliberazione è APPROVATA.")
                            : QStringLiteral("La deliberazione è RESPINTA.");
    document.appendParagraph(text + CR, TextSize, true);
}

void appendPoint(ReportDocument &document, const SharedState &state, const Meeting &meeting,
                 const QList<Majority> &matters, int point)
{
    const MeetingPoint &agendaPoint = meeting.points.at(point - 1);
    document.appendParagraph(CR + QStringLiteral("Punto %1 dell'ordine del giorno: %2").arg(point).arg(agendaPoint.text) + CR,
                             11, true);
    appendMovements(document, state, meeting, point);
    for (const QString &paragraph : agendaPoint.discussion.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        document.appendParagraph(paragraph + CR, TextSize);
    const Majority *matter = agendaPoint.matter >= 1 && agendaPoint.matter <= matters.size()
        ? &matters.at(agendaPoint.matter - 1)
        : nullptr;
    if (matter && matter->hasRule) {
        document.appendParagraph(QStringLiteral("Materia: ") + matter->caption.section(QStringLiteral(")  "), 1) + CR,
                                 TextSize);
        appendVotes(document, state, meeting, point);
        appendResult(document, MeetingTally::pointResult(state, meeting, point, matter->rule));
    }
    for (const QString &statement : agendaPoint.statements)
        document.appendParagraph(QStringLiteral("Dichiarazione a verbale: ") + statement + CR, TextSize);
}

void appendSignatures(ReportDocument &document, const Meeting &meeting)
{
    document.appendParagraph(CR + QStringLiteral("Il presidente ") + meeting.chair + CR + CR
                                 + QStringLiteral("______________________________") + CR + CR,
                             TextSize);
    document.appendParagraph(QStringLiteral("Il segretario ") + meeting.secretary + CR + CR
                                 + QStringLiteral("______________________________") + CR,
                             TextSize);
}

QStringList namesVoting(const SharedState &state, const Meeting &meeting, int point, Vote vote)
{
    QStringList names;
    const MeetingPoint &agendaPoint = meeting.points.at(point - 1);
    for (int owner = 1; owner <= Meeting::MaxOwners; ++owner) {
        const bool attends = meeting.attendanceAt(owner, point).presence != Presence::Absent;
        if (state.owner(owner).ownerName.isEmpty() || !agendaPoint.isEntitled(owner))
            continue;
        if ((vote == Vote::None && !attends) || (attends && vote != Vote::None && agendaPoint.vote(owner) == vote))
            names << state.owner(owner).ownerName;
    }
    return names;
}

// Who may ask for a resolution to be annulled (art. 1137 c. 2 c.c.): the dissenting and the
// abstaining within thirty days of the meeting, the absent within thirty days of receiving
// the minutes.
void appendChallenges(ReportDocument &document, const SharedState &state, const Meeting &meeting,
                      const QList<Majority> &matters)
{
    const QDate day = QDate::fromString(meeting.date, QStringLiteral("dd/MM/yyyy"));
    document.appendParagraph(CR + QStringLiteral("Impugnazione delle deliberazioni (art. 1137 c.c.)") + CR, 11, true);
    document.appendParagraph(
        QStringLiteral("I condomini dissenzienti o astenuti possono chiedere all'autorità giudiziaria "
                       "l'annullamento di una deliberazione contraria alla legge o al regolamento entro "
                       "trenta giorni dalla deliberazione%1; gli assenti entro trenta giorni dal giorno "
                       "in cui ricevono la comunicazione del verbale.")
                .arg(day.isValid() ? QStringLiteral(", cioè entro il ") + day.addDays(ChallengeDays).toString(QStringLiteral("dd/MM/yyyy"))
                                   : QString())
            + CR,
        TextSize);
    for (int point = 1; point <= meeting.points.size(); ++point) {
        const int matter = meeting.points.at(point - 1).matter;
        if (matter < 1 || matter > matters.size() || !matters.at(matter - 1).hasRule)
            continue;
        const auto list = [](const QStringList &names) {
            return names.isEmpty() ? QStringLiteral("nessuno") : names.join(QStringLiteral(", "));
        };
        document.appendParagraph(QStringLiteral("Punto %1 - dissenzienti: %2; astenuti: %3; assenti: %4.")
                                         .arg(point)
                                         .arg(list(namesVoting(state, meeting, point, Vote::Against)),
                                              list(namesVoting(state, meeting, point, Vote::Abstained)),
                                              list(namesVoting(state, meeting, point, Vote::None)))
                                     + CR,
                                 TextSize);
    }
}

} // namespace

ReportDocument build(const SharedState &state, const Meeting &meeting, const QList<Majority> &matters,
                     const AdministratorDetails &administrator)
{
    ReportDocument document(PrintoutFont);
    AdministratorLetterhead::append(document, administrator);
    const QuorumResult quorum = MeetingTally::quorum(state, meeting);
    appendOpening(document, state, meeting, quorum.constituted);
    appendAttendance(document, state, meeting);
    appendQuorum(document, quorum);
    appendProxyFindings(document, state, meeting);
    if (quorum.constituted) {
        for (int point = 1; point <= meeting.points.size(); ++point)
            appendPoint(document, state, meeting, matters, point);
        document.appendParagraph(CR + QStringLiteral("Esaurito l'ordine del giorno, il presidente "
                                                     "chiude l'assemblea alle ore %1.")
                                              .arg(timeText(meeting.closing))
                                     + CR,
                                 TextSize);
    } else {
        document.appendParagraph(QStringLiteral("Mancando il numero legale, l'assemblea non può "
                                                "deliberare e il presidente ne dichiara la mancata "
                                                "costituzione alle ore %1.")
                                         .arg(timeText(meeting.closing))
                                     + CR,
                                 TextSize);
    }
    appendSignatures(document, meeting);
    if (quorum.constituted)
        appendChallenges(document, state, meeting, matters);
    return document;
}

} // namespace veltra::MinutesPrintout
