#include "core/assembly/noticearchive.h"
#include "core/assembly/noticecheck.h"
#include "core/meeting/meetingfile.h"
#include "core/registry/administratordetails.h"
#include "core/registry/condominiumarchive.h"
#include "core/state/sharedstate.h"
#include "library/assembly/majoritytable.h"
#include "reports/meeting/attendancesheetprintout.h"
#include "reports/meeting/minutesprintout.h"
#include "reports/meeting/registerprintouts.h"
#include "support/reportcontents.h"

#include <QtTest>

using namespace veltra;

namespace {

const QString Sample = QStringLiteral(VELTRA_SOURCE_DIR "/data/esempio/");

QString allParagraphs(const ReportDocument &document)
{
    return ReportContents::paragraphTexts(document).join(QString()).replace(QChar(13), QLatin1Char('\n'));
}

} // namespace

// The minutes and the attendance sheet of the sample condominium's meeting of 15 April
// 2026, against figures added up by hand from its owners' millesimi.
class TestMeetingPrintouts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void minutesGiveTheQuorumAndEveryVoteWithItsFigures();
    void aMeetingWithoutQuorumGivesTheMinutesOfMancataCostituzione();
    void attendanceSheetListsEveryOwnerWithTheTotal();
    void registersListTheEntriesAndTheAppointmentsInOrder();

private:
    SharedState m_state;
    Meeting m_meeting;
};

void TestMeetingPrintouts::initTestCase()
{
    const CondominiumArchive::LoadResult archive =
        CondominiumArchive::load(Sample + QStringLiteral("Veltra-dati-Condominio Le Magnolie"));
    QVERIFY(archive.isComplete());
    CondominiumArchive::apply(archive, m_state);
    const MeetingFile::LoadResult meeting =
        MeetingFile::load(Sample + QStringLiteral("Veltra-seduta-Condominio Le Magnolie- 2026-04-15"));
    QVERIFY2(meeting.isComplete(), qPrintable(QString::number(meeting.failedLine) + meeting.problem));
    QCOMPARE(meeting.condoName, m_state.condoName);
    m_meeting = meeting.meeting;
    // The meeting follows the sample's notice: its agenda, and a check that found it in time.
    const NoticeArchive::LoadResult notice = NoticeArchive::load(Sample + QStringLiteral("Veltra-avvisi-Condominio Le Magnolie"));
    QVERIFY(notice.isComplete());
    QVERIFY(NoticeCheck::check(notice.notice).passed);
    QCOMPARE(notice.notice.printedPoints(), m_meeting.points.size());
    for (int j = 1; j <= notice.notice.printedPoints(); ++j)
        QCOMPARE(m_meeting.points.at(j - 1).text, notice.notice.agendaPoint(j));
}

void TestMeetingPrintouts::minutesGiveTheQuorumAndEveryVoteWithItsFigures()
{
    AdministratorDetails administrator;
    administrator.name = QStringLiteral("Studio Amministrazioni Sereni");
    const ReportDocument document = MinutesPrintout::build(m_state, m_meeting, MajorityTable::shipped().majorities, administrator);
    const QString text = allParagraphs(document);
    QVERIFY(text.startsWith(QStringLiteral("Studio Amministrazioni Sereni")));
    // Owners 2, 3, 4, 6, 7 (by delegate), 8 and 10 of ten, 1000,001 millesimi in all.
    QVERIFY(text.contains(QString::fromUtf8("convocati con l'avviso del 01/04/2026, i cui termini sono stati "
                                            "controllati senza rilevare irregolarità.")));
    QVERIFY(text.contains(QStringLiteral("7 condomini su 10, per 820,524 millesimi su 1000,001")));
    QVERIFY(text.contains(QStringLiteral("almeno 6 condomini e 666,668 millesimi (art. 1136 c. 1 c.c.)")));
    QCOMPARE(document.table(1).rows(), 8);
    QCOMPARE(ReportContents::tableRow(document.table(1), 6),
             (QStringList{QStringLiteral("7"), QStringLiteral("Marchetti Chiara"), QStringLiteral("81,348"),
                          QStringLiteral("per delega a Colombo Anna")}));
    // Point 1: 2, 3, 4, 7 and 8 for, 6 against, 10 abstaining, of 7 attendees.
    QVERIFY(text.contains(QStringLiteral("Favorevoli 5 condomini per 533,054 millesimi; contrari 1 condomino per "
                                         "123,086 millesimi; astenuti 1 condomino per 164,384 millesimi. "
                                         "Occorrono almeno 4 voti favorevoli e 500,001 millesimi (art. 1136 c. 2 c.c.). "
                                         "La deliberazione è APPROVATA.")));
    // Owner 5 arrives for point 2: 8 attendees, and point 3 has only 4 heads in favour.
    QVERIFY(text.contains(QStringLiteral("Alle ore 18:40 entra Galli Francesca, di persona.")));
    QVERIFY(text.contains(QStringLiteral("Favorevoli 4 condomini per 544,718 millesimi; contrari 3 condomini per "
                                         "275,806 millesimi; astenuti 1 condomino per 78,653 millesimi. "
                                         "Occorrono almeno 5 voti favorevoli")));
    QVERIFY(text.contains(QStringLiteral("La deliberazione è RESPINTA.")));
    QVERIFY(text.contains(QStringLiteral("entro il 15/05/2026")));
    QVERIFY(text.contains(QStringLiteral("Punto 1 - dissenzienti: De Luca Antonio; astenuti: Moretti Nicolò; "
                                         "assenti: Ferretti Giorgio, Galli Francesca, Caruso Giovanna.")));
}

void TestMeetingPrintouts::aMeetingWithoutQuorumGivesTheMinutesOfMancataCostituzione()
{
    Meeting meeting = m_meeting;
    // Owners 2, 3, 4, 6 and 7 only: 5 heads, not more than half of ten.
    meeting.attendance(8) = Attendance();
    meeting.attendance(10) = Attendance();
    const ReportDocument document = MinutesPrintout::build(m_state, meeting, MajorityTable::shipped().majorities, {});
    const QString text = allParagraphs(document);
    QVERIFY(text.startsWith(QStringLiteral("VERBALE DI MANCATA COSTITUZIONE DELL'ASSEMBLEA")));
    QVERIFY(text.contains(QStringLiteral("5 condomini su 10, per 533,054 millesimi")));
    QVERIFY(text.contains(QStringLiteral("non è validamente costituita")));
    QVERIFY(!text.contains(QStringLiteral("Punto 1")));
    QCOMPARE(document.tableCount(), 1);
}

void TestMeetingPrintouts::attendanceSheetListsEveryOwnerWithTheTotal()
{
    const ReportDocument document = AttendanceSheetPrintout::build(m_state, m_meeting);
    const ReportTable &table = document.table(1);
    QCOMPARE(table.rows(), 12);
    QCOMPARE(ReportContents::tableRow(table, 11),
             (QStringList{QStringLiteral("10"), QString::fromUtf8("Moretti Nicolò"), QStringLiteral("164,384"),
                          QString(), QString()}));
    QCOMPARE(table.cell(12, 3), QStringLiteral("1000,001"));
}

void TestMeetingPrintouts::registersListTheEntriesAndTheAppointmentsInOrder()
{
    Meeting meeting = m_meeting;
    // Point 4 becomes the confirmation of the administrator, voted by every attendee.
    meeting.points[3].matter = 7;
    for (int owner : {2, 3, 4, 5, 6, 7, 8, 10})
        meeting.points[3].votes.insert(owner, Vote::For);
    MinutesEntry entry = RegisterPrintouts::entryFor(m_state, meeting, MajorityTable::shipped().majorities, {},
                                                     QDate(2026, 4, 20));
    QCOMPARE(entry.entryDate, QStringLiteral("20/04/2026"));
    QCOMPARE(entry.appointments, QStringList{QStringLiteral("punto 4: Varie ed eventuali")});
    QVERIFY(entry.lines.contains(QStringLiteral("7 | Marchetti Chiara | 81,348 | per delega a Colombo Anna")));
    entry.number = 1;
    MinutesEntry earlier{2, QStringLiteral("21/04/2026"), QStringLiteral("02/02/2025"), 0, {}, {QStringLiteral("punto 1: nomina")}};
    // The decrees merge by date: the earliest first, and on the day of a meeting after its
    // resolutions.
    const QList<CourtDecree> decrees = {
        {QDate(2025, 2, 2), QStringLiteral("Tribunale di Milano"), QStringLiteral("R.G. 1234/2025"),
         CourtDecree::Kind::Revocation, QStringLiteral("Bianchi Luigi"), QString()},
        {QDate(2024, 12, 1), QStringLiteral("Tribunale di Milano"), QStringLiteral("R.G. 99/2024, decreto n. 7/2024"),
         CourtDecree::Kind::Appointment, QStringLiteral("Bianchi Luigi"), QStringLiteral("ricorso di due condomini")}};
    const ReportDocument appointments = RegisterPrintouts::appointmentsRegister(m_state.condoName, {entry, earlier}, decrees);
    const ReportTable &rows = appointments.table(1);
    QCOMPARE(rows.rows(), 5);
    QCOMPARE(ReportContents::tableRow(rows, 1),
             (QStringList{QStringLiteral("data"), QStringLiteral("deliberazione o decreto"), QStringLiteral("verbale n.")}));
    QCOMPARE(ReportContents::tableRow(rows, 2),
             (QStringList{QStringLiteral("01/12/2024"),
                          QStringLiteral("decreto di nomina di Bianchi Luigi, Tribunale di Milano, R.G. 99/2024, "
                                         "decreto n. 7/2024 (ricorso di due condomini)"),
                          QString()}));
    QCOMPARE(ReportContents::tableRow(rows, 3),
             (QStringList{QStringLiteral("02/02/2025"), QStringLiteral("deliberazione dell'assemblea del 02/02/2025, punto 1: nomina"),
                          QStringLiteral("2")}));
    QCOMPARE(ReportContents::tableRow(rows, 4),
             (QStringList{QStringLiteral("02/02/2025"),
                          QStringLiteral("decreto di revoca di Bianchi Luigi, Tribunale di Milano, R.G. 1234/2025"), QString()}));
    QCOMPARE(ReportContents::tableRow(rows, 5),
             (QStringList{QStringLiteral("15/04/2026"),
                          QStringLiteral("deliberazione dell'assemblea del 15/04/2026, punto 4: Varie ed eventuali"),
                          QStringLiteral("1")}));
    earlier.corrects = 1;
    const ReportDocument minutes = RegisterPrintouts::minutesRegister(m_state.condoName, {entry, earlier});
    QCOMPARE(ReportContents::tableRow(minutes.table(1), 3),
             (QStringList{QStringLiteral("2"), QStringLiteral("02/02/2025"), QStringLiteral("21/04/2026"),
                          QStringLiteral("corregge il verbale n. 1")}));
}

QTEST_GUILESS_MAIN(TestMeetingPrintouts)
#include "tst_meetingprintouts.moc"
