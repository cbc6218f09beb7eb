#include "core/assembly/calendardate.h"
#include "core/assembly/meetingnotice.h"
#include "core/assembly/noticecheck.h"

#include <QtTest>

using namespace veltra;

namespace {

MeetingNotice notice(const QString &noticeDate, const QString &first, const QString &second)
{
    MeetingNotice notice;
    notice.noticeDate = noticeDate;
    notice.firstCallDate = first;
    notice.secondCallDate = second;
    notice.setAgendaPoint(1, QStringLiteral("approvazione del rendiconto"));
    return notice;
}

} // namespace

class TestNoticeCheck : public QObject
{
    Q_OBJECT

private slots:
    void datesInTheFormTheUserTypes_data();
    void datesInTheFormTheUserTypes();
    void noticeTermOfFiveDays_data();
    void noticeTermOfFiveDays();
    void secondCallOnALaterDayWithinTen_data();
    void secondCallOnALaterDayWithinTen();
    void datesThatAreNoDatesAreNamedAndNotCompared();
    void hoursAndYearsMustBeReal_data();
    void hoursAndYearsMustBeReal();
    void agendaMustBeStatedAndPrintedWhole();
    void everyProblemIsListedInOrder();
};

void TestNoticeCheck::datesInTheFormTheUserTypes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("two digits") << "05/03/2027" << QDate(2027, 3, 5);
    QTest::newRow("one digit") << "5/3/2027" << QDate(2027, 3, 5);
    QTest::newRow("blanks around") << " 29/02/2028 " << QDate(2028, 2, 29);
    QTest::newRow("no leap day") << "29/02/2027" << QDate();
    QTest::newRow("thirty-first of April") << "31/04/2027" << QDate();
    QTest::newRow("month thirteen") << "12/13/2027" << QDate();
    QTest::newRow("two-digit year") << "05/03/27" << QDate();
    QTest::newRow("dashes") << "05-03-2027" << QDate();
    QTest::newRow("words") << "lunedì 5 marzo" << QDate();
    QTest::newRow("empty") << "" << QDate();
}

void TestNoticeCheck::datesInTheFormTheUserTypes()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(CalendarDate::read(text).value_or(QDate()), date);
}

// Days counted on the calendar back from the first call: five days before is in time.
void TestNoticeCheck::noticeTermOfFiveDays_data()
{
    QTest::addColumn<QString>("noticeDate");
    QTest::addColumn<QString>("firstCall");
    QTest::addColumn<bool>("inTime");
    QTest::newRow("exactly five days") << "05/03/2027" << "10/03/2027" << true;
    QTest::newRow("four days") << "06/03/2027" << "10/03/2027" << false;
    QTest::newRow("one day") << "09/03/2027" << "10/03/2027" << false;
    QTest::newRow("same day") << "10/03/2027" << "10/03/2027" << false;
    QTest::newRow("after the call") << "12/03/2027" << "10/03/2027" << false;
    QTest::newRow("a month before") << "08/02/2027" << "10/03/2027" << true;
    // 2027 is no leap year: 27 February to 4 March is five days; in 2028 the 29th counts.
    QTest::newRow("five days over February") << "27/02/2027" << "04/03/2027" << true;
    QTest::newRow("four days over a leap day") << "29/02/2028" << "04/03/2028" << false;
    QTest::newRow("five days over a leap day") << "28/02/2028" << "04/03/2028" << true;
    QTest::newRow("five days over the new year") << "27/12/2027" << "1/1/2028" << true;
}

void TestNoticeCheck::noticeTermOfFiveDays()
{
    QFETCH(QString, noticeDate);
    QFETCH(QString, firstCall);
    QFETCH(bool, inTime);
    const NoticeCheck::Finding finding =
        NoticeCheck::check(notice(noticeDate, firstCall, QStringLiteral("20/03/2028")));
    const bool termProblem = finding.text.contains(QStringLiteral("almeno cinque giorni prima"))
        && finding.text.contains(QStringLiteral("art. 66, terzo comma, disp. att. c.c."));
    QCOMPARE(termProblem, !inTime);
}

void TestNoticeCheck::secondCallOnALaterDayWithinTen_data()
{
    QTest::addColumn<QString>("secondCall");
    QTest::addColumn<QString>("problem"); // words of the warning; empty when there is none
    const QString sameDay = QStringLiteral("stesso giorno della prima");
    const QString tooLate = QStringLiteral("non oltre dieci giorni");
    QTest::newRow("same day") << "10/03/2027" << sameDay;
    QTest::newRow("day before") << "09/03/2027" << QStringLiteral("precede la prima");
    QTest::newRow("next day") << "11/03/2027" << QString();
    QTest::newRow("ten days") << "20/03/2027" << QString();
    QTest::newRow("eleven days") << "21/03/2027" << tooLate;
    QTest::newRow("a month later") << "10/04/2027" << tooLate;
}

void TestNoticeCheck::secondCallOnALaterDayWithinTen()
{
    QFETCH(QString, secondCall);
    QFETCH(QString, problem);
    const NoticeCheck::Finding finding = NoticeCheck::check(
        notice(QStringLiteral("01/03/2027"), QStringLiteral("10/03/2027"), secondCall));
    QCOMPARE(finding.passed, problem.isEmpty());
    if (problem.isEmpty()) {
        QCOMPARE(finding.text, QStringLiteral("I dati sono stati immessi correttamente."));
        return;
    }
    QCOMPARE(finding.problems.size(), 1);
    QVERIFY2(finding.text.contains(problem), qPrintable(finding.text));
    QVERIFY(finding.text.contains(QStringLiteral("art. 1136, terzo comma, c.c.")));
}

void TestNoticeCheck::datesThatAreNoDatesAreNamedAndNotCompared()
{
    const NoticeCheck::Finding finding = NoticeCheck::check(
        notice(QStringLiteral("10/03/2027"), QStringLiteral("31/02/2027"), QString()));
    QCOMPARE(finding.problems,
             QStringList({QStringLiteral("La data della prima convocazione \"31/02/2027\" non è una "
                                         "data del calendario: scriverla nella forma gg/mm/aaaa "
                                         "(per esempio 05/03/2027)."),
                          QStringLiteral("Manca la data della seconda convocazione.")}));

    // A two-digit year is not read as this century's.
    const NoticeCheck::Finding shortYear = NoticeCheck::check(
        notice(QStringLiteral("1/3/27"), QStringLiteral("10/03/2027"), QStringLiteral("11/03/2027")));
    QCOMPARE(shortYear.problems.size(), 1);
    QVERIFY(shortYear.problems.first().startsWith(QStringLiteral("La data dell'avviso \"1/3/27\"")));
}

void TestNoticeCheck::hoursAndYearsMustBeReal_data()
{
    QTest::addColumn<QString>("firstHour");
    QTest::addColumn<QString>("noticeDate");
    QTest::addColumn<QString>("problem"); // the start of the one problem; empty: none
    const QString inTime = QStringLiteral("01/03/2027");
    QTest::newRow("hour and minutes") << "21.30" << inTime << QString();
    QTest::newRow("hour alone, after ore") << "ore 9" << inTime << QString();
    QTest::newRow("last minute of the day") << "23:59" << inTime << QString();
    QTest::newRow("no hour 25") << "25.99" << inTime
                                << QString::fromUtf8("L'ora della prima convocazione \"25.99\" non è un'ora");
    QTest::newRow("no minute 60") << "18.60" << inTime
                                  << QString::fromUtf8("L'ora della prima convocazione \"18.60\"");
    QTest::newRow("words") << "dopo cena" << inTime
                           << QString::fromUtf8("L'ora della prima convocazione \"dopo cena\"");
    QTest::newRow("year 0001") << "21.00" << "01/03/0001"
                               << QStringLiteral("La data dell'avviso \"01/03/0001\" cade fuori degli anni dal 1900 al 2100");
    QTest::newRow("year 2101") << "21.00" << "01/03/2101"
                               << QStringLiteral("La data dell'avviso \"01/03/2101\" cade fuori");
}

void TestNoticeCheck::hoursAndYearsMustBeReal()
{
    QFETCH(QString, firstHour);
    QFETCH(QString, noticeDate);
    QFETCH(QString, problem);
    MeetingNotice checked = notice(noticeDate, QStringLiteral("10/03/2027"),
                                   QStringLiteral("11/03/2027"));
    checked.firstCallHour = firstHour;
    const NoticeCheck::Finding finding = NoticeCheck::check(checked);
    if (problem.isEmpty()) {
        QVERIFY2(finding.passed, qPrintable(finding.text));
        return;
    }
    QCOMPARE(finding.problems.size(), 1);
    QVERIFY2(finding.problems.first().startsWith(problem), qPrintable(finding.text));
}

void TestNoticeCheck::agendaMustBeStatedAndPrintedWhole()
{
    MeetingNotice none = notice(QStringLiteral("01/03/2027"), QStringLiteral("10/03/2027"),
                                QStringLiteral("11/03/2027"));
    none.setAgendaPoint(1, QString());
    const NoticeCheck::Finding empty = NoticeCheck::check(none);
    QVERIFY(!empty.passed);
    QVERIFY(empty.text.contains(QStringLiteral("specifica indicazione dell'ordine del giorno")));

    // Points 1, 2 and 4: the notices stop at the empty point 3 and leave point 4 out.
    MeetingNotice gap = none;
    gap.setAgendaPoint(1, QStringLiteral("bilancio"));
    gap.setAgendaPoint(2, QStringLiteral("lavori"));
    gap.setAgendaPoint(4, QStringLiteral("varie"));
    const NoticeCheck::Finding gapFinding = NoticeCheck::check(gap);
    QCOMPARE(gapFinding.problems.size(), 1);
    QVERIFY(gapFinding.text.startsWith(QStringLiteral("Il punto 3 dell'ordine del giorno è vuoto")));
    QVERIFY(gapFinding.text.contains(QStringLiteral("fino al punto 4")));
}

void TestNoticeCheck::everyProblemIsListedInOrder()
{
    MeetingNotice bad = notice(QStringLiteral("10/03/2027"), QStringLiteral("10/03/2027"),
                               QStringLiteral("25/03/2027"));
    bad.setAgendaPoint(1, QString());
    const NoticeCheck::Finding finding = NoticeCheck::check(bad);
    QCOMPARE(finding.problems.size(), 3);
    QVERIFY(finding.problems[0].startsWith(QStringLiteral("L'avviso porta la data della prima "
                                                          "convocazione (10/03/2027)")));
    QVERIFY(finding.problems[1].contains(QStringLiteral("cade 15 giorni dopo")));
    QVERIFY(finding.problems[2].startsWith(QStringLiteral("Non è indicato alcun punto")));
    QCOMPARE(finding.text, finding.problems.join(QLatin1Char('\n')));
}

QTEST_GUILESS_MAIN(TestNoticeCheck)
#include "tst_noticecheck.moc"
