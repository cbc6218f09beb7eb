#include "core/assembly/meetingnotice.h"

namespace veltra {

namespace {

bool isPoint(int j)
{
    return j >= 1 && j <= MeetingNotice::AgendaPoints;
}

} // namespace

QString MeetingNotice::defaultOpeningText()
{
    return QStringLiteral("La S/V è invitata a partecipare all'assemblea dei condomini convocata "
                          "secondo il seguente calendario");
}

QString MeetingNotice::defaultAgendaHeading()
{
    return QStringLiteral("per discutere i seguenti punti all'ordine del giorno:");
}

QString MeetingNotice::agendaPoint(int j) const
{
    return isPoint(j) ? m_agenda[j].value_or(QString()) : QString();
}

bool MeetingNotice::agendaPointTyped(int j) const
{
    return isPoint(j) && m_agenda[j].has_value();
}

void MeetingNotice::setAgendaPoint(int j, const QString &text)
{
    if (isPoint(j))
        m_agenda[j] = text;
}

void MeetingNotice::forgetAgendaPoint(int j)
{
    if (isPoint(j))
        m_agenda[j].reset();
}

int MeetingNotice::printedPoints() const
{
    int j = 0;
    while (j < AgendaPoints && !agendaPoint(j + 1).isEmpty())
        ++j;
    return j;
}

int MeetingNotice::lastFilledPoint() const
{
    for (int j = AgendaPoints; j >= 1; --j) {
        if (!agendaPoint(j).isEmpty())
            return j;
    }
    return 0;
}

void MeetingNotice::clear()
{
    for (QString *text : {&subject, &number, &openingText, &firstCallDate, &firstCallHour,
                          &firstCallPlace, &secondCallDate, &secondCallHour, &secondCallPlace,
                          &agendaHeading, &noticeDate, &notes})
        text->clear();
    for (int j = 1; j <= AgendaPoints; ++j)
        forgetAgendaPoint(j);
}

} // namespace veltra
