#include "core/meeting/decreefile.h"
#include "core/meeting/meetingfile.h"
#include "core/meeting/minutesregister.h"

#include <QtTest>

using namespace veltra;

namespace {

// A second-call meeting after a failed first call: owner 1 present, owner 3 by delegate,
// owner 2 arriving for point 2; one point with two votes, a discussion and a statement.
Meeting sampleMeeting()
{
    Meeting meeting;
    meeting.call = 2;
    meeting.firstCallFailed = true;
    meeting.date = QStringLiteral("10/03/2027");
    meeting.opening = QTime(18, 30);
    meeting.closing = QTime(20, 5);
    meeting.place = QStringLiteral("sala condominiale");
    meeting.chair = QStringLiteral("Bianchi Carla");
    meeting.secretary = QStringLiteral("Verdi Luca");
    meeting.administratorName = QStringLiteral("Rossi Mario");
    meeting.noticeDate = QStringLiteral("01/03/2027");
    meeting.noticeChecked = true;
    meeting.noticeProblems << QStringLiteral("avviso tardivo");
    meeting.attendance(1).presence = Presence::Present;
    meeting.attendance(3) = Attendance{Presence::Delegated, QStringLiteral("Neri Paolo"), true};
    meeting.movements << Movement{2, QTime(18, 45), 2, Attendance{Presence::Present, {}, false}};
    MeetingPoint point;
    point.matter = 5;
    point.text = QStringLiteral("rendiconto");
    point.votes = {{1, Vote::For}, {3, Vote::Against}};
    point.discussion = QStringLiteral("Si discute.\nSi vota.");
    point.statements << QStringLiteral("Neri chiede di verbalizzare.");
    meeting.points << point << MeetingPoint();
    return meeting;
}

const QByteArray SampleFile =
    "\"VELTRA-SEDUTA\",1\r\n"
    "\"Tigli\",2,1,\"10/03/2027\",\"18:30\",\"20:05\",\"sala condominiale\",\"\",\"Bianchi Carla\","
    "\"Verdi Luca\",\"Rossi Mario\",\"01/03/2027\",1\r\n"
    "2,1,2,1\r\n"
    "\"avviso tardivo\"\r\n"
    "1,1,,0\r\n"
    "3,2,\"Neri Paolo\",1\r\n"
    "2,\"18:45\",2,1,,0\r\n"
    "5,\"rendiconto\",0,2,2,1\r\n"
    "1,1\r\n"
    "3,2\r\n"
    "\"Si discute.\"\r\n"
    "\"Si vota.\"\r\n"
    "\"Neri chiede di verbalizzare.\"\r\n"
    "0,\"\",0,0,0,0\r\n";

const QByteArray DecreesFile =
    "\"VELTRA-DECRETI\",1\r\n"
    "\"Tigli\",2\r\n"
    "\"12/03/2026\",\"Tribunale di Milano\",\"R.G. 1234/2026, decreto n. 56/2026\",\"nomina\",\"Rossi Mario\",\"\"\r\n"
    "\"20/09/2026\",\"Corte d'appello di Milano\",\"R.G. 88/2026\",\"revoca\",\"Rossi Mario\",\"su reclamo\"\r\n";

QList<CourtDecree> sampleDecrees()
{
    return {{QDate(2026, 3, 12), QStringLiteral("Tribunale di Milano"), QStringLiteral("R.G. 1234/2026, decreto n. 56/2026"),
             CourtDecree::Kind::Appointment, QStringLiteral("Rossi Mario"), QString()},
            {QDate(2026, 9, 20), QStringLiteral("Corte d'appello di Milano"), QStringLiteral("R.G. 88/2026"),
             CourtDecree::Kind::Revocation, QStringLiteral("Rossi Mario"), QStringLiteral("su reclamo")}};
}

} // namespace

// The meeting file: its notation pinned by hand, and refused whole when a field is wrong.
class TestMeetingFile : public QObject
{
    Q_OBJECT

private slots:
    void writesTheNotationOfTheFormat();
    void readsWhatTheFormatSays();
    void refusesAFileWithAFieldOutOfPlace_data();
    void refusesAFileWithAFieldOutOfPlace();
    void fileNameCarriesTheMeetingDate();
    void registerOfMinutesOnlyGrows();
    void decreesFileHoldsEachDecreeOnALine();
    void decreesFileIsRefusedWholeAndNeverWrittenOver_data();
    void decreesFileIsRefusedWholeAndNeverWrittenOver();
};

void TestMeetingFile::writesTheNotationOfTheFormat()
{
    QCOMPARE(MeetingFile::bytes(QStringLiteral("Tigli"), sampleMeeting()), SampleFile);
}

void TestMeetingFile::readsWhatTheFormatSays()
{
    const MeetingFile::LoadResult result = MeetingFile::read(SampleFile);
    QVERIFY2(result.isComplete(), qPrintable(result.problem));
    const Meeting &meeting = result.meeting;
    QCOMPARE(result.condoName, QStringLiteral("Tigli"));
    QCOMPARE(meeting.call, 2);
    QVERIFY(meeting.firstCallFailed);
    QCOMPARE(meeting.closing, QTime(20, 5));
    QVERIFY(meeting.noticeChecked);
    QCOMPARE(meeting.noticeProblems, QStringList{QStringLiteral("avviso tardivo")});
    QCOMPARE(meeting.attendance(3).delegate, QStringLiteral("Neri Paolo"));
    QVERIFY(meeting.attendance(3).proxyShown);
    QCOMPARE(meeting.attendance(2).presence, Presence::Absent);
    QCOMPARE(meeting.attendanceAt(2, 2).presence, Presence::Present);
    QCOMPARE(meeting.points.size(), 2);
    QCOMPARE(meeting.points[0].vote(3), Vote::Against);
    QCOMPARE(meeting.points[0].discussion, QStringLiteral("Si discute.\nSi vota."));
    QCOMPARE(meeting.points[0].statements, QStringList{QStringLiteral("Neri chiede di verbalizzare.")});
}

void TestMeetingFile::refusesAFileWithAFieldOutOfPlace_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<int>("line");
    QTest::newRow("another format") << QByteArray("VELTRA-SEDUTA") << QByteArray("VELTRA-LETTURE") << 0;
    QTest::newRow("third call") << QByteArray("\"Tigli\",2") << QByteArray("\"Tigli\",3") << 2;
    QTest::newRow("no such date") << QByteArray("10/03/2027") << QByteArray("31/02/2027") << 2;
    QTest::newRow("no such time") << QByteArray("\"18:45\"") << QByteArray("\"25:45\"") << 7;
    QTest::newRow("delegate without a name") << QByteArray("\"Neri Paolo\"") << QByteArray("") << 6;
    QTest::newRow("owner listed twice") << QByteArray("3,2,\"Neri") << QByteArray("1,2,\"Neri") << 6;
    QTest::newRow("vote of no kind") << QByteArray("3,2\r\n\"Si") << QByteArray("3,4\r\n\"Si") << 10;
    QTest::newRow("a line more") << QByteArray("0,0,0,0\r\n") << QByteArray("0,0,0,0\r\n1\r\n") << 15;
    QTest::newRow("cut short") << QByteArray("0,\"\",0,0,0,0\r\n") << QByteArray() << 14;
}

void TestMeetingFile::refusesAFileWithAFieldOutOfPlace()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(int, line);
    QByteArray file = SampleFile;
    QVERIFY(file.contains(from));
    file.replace(file.indexOf(from), from.size(), to);
    const MeetingFile::LoadResult result = MeetingFile::read(file);
    QVERIFY(!result.isComplete());
    QCOMPARE(result.failedLine, line);
    QCOMPARE(result.meeting.points.size(), 0);
}

void TestMeetingFile::fileNameCarriesTheMeetingDate()
{
    QCOMPARE(MeetingFile::fileName(QStringLiteral("Tigli"), QDate(2027, 3, 10)),
             QStringLiteral("Veltra-seduta-Tigli- 2027-03-10"));
}

void TestMeetingFile::registerOfMinutesOnlyGrows()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(MinutesRegister::fileName(QStringLiteral("Tigli")));
    QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("Veltra-verbali-Tigli"));
    MinutesEntry first{0, QStringLiteral("12/03/2027"), QStringLiteral("10/03/2027"), 0,
                       {QStringLiteral("VERBALE"), QStringLiteral("2 | Rossi | 250,000")}, {}};
    QString error;
    QVERIFY(MinutesRegister::append(path, QStringLiteral("Tigli"), first, &error));
    QCOMPARE(first.number, 1);
    MinutesEntry correction{0, QStringLiteral("20/03/2027"), QStringLiteral("10/03/2027"), 1, {}, {QStringLiteral("punto 2: nomina")}};
    QVERIFY(MinutesRegister::append(path, QStringLiteral("Tigli"), correction, &error));
    QCOMPARE(correction.number, 2);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    file.close();
    QCOMPARE(written, QByteArray("\"VELTRA-VERBALI\",1\r\n\"Tigli\",2\r\n"
                                 "1,\"12/03/2027\",\"10/03/2027\",0,2,0\r\n\"VERBALE\"\r\n\"2 | Rossi | 250,000\"\r\n"
                                 "2,\"20/03/2027\",\"10/03/2027\",1,0,1\r\n\"punto 2: nomina\"\r\n"));

    // A correction of an entry not written, or an entry over a register that cannot be read
    // whole, is refused and the register stays as it was.
    MinutesEntry wrong = correction;
    wrong.corrects = 3;
    QVERIFY(!MinutesRegister::append(path, QStringLiteral("Tigli"), wrong, &error));
    QVERIFY(error.contains(QStringLiteral("n. 3")));
    QByteArray renumbered = written;
    renumbered.replace("2,\"20/03", "3,\"20/03");
    QCOMPARE(MinutesRegister::read(renumbered).failedLine, 6);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(renumbered);
    file.close();
    QVERIFY(!MinutesRegister::append(path, QStringLiteral("Tigli"), wrong, &error));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), renumbered);
}

void TestMeetingFile::decreesFileHoldsEachDecreeOnALine()
{
    QCOMPARE(DecreeFile::bytes(QStringLiteral("Tigli"), sampleDecrees()), DecreesFile);
    const DecreeFile::LoadResult read = DecreeFile::read(DecreesFile);
    QVERIFY2(read.isComplete(), qPrintable(read.problem));
    QCOMPARE(read.condoName, QStringLiteral("Tigli"));
    QVERIFY(read.decrees == sampleDecrees());

    // Appending starts the file when there is none, and adds after what it holds.
    QTemporaryDir dir;
    const QString path = dir.filePath(DecreeFile::fileName(QStringLiteral("Tigli")));
    QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("Veltra-decreti-Tigli"));
    QString error;
    for (const CourtDecree &decree : sampleDecrees())
        QVERIFY2(DecreeFile::append(path, QStringLiteral("Tigli"), decree, &error), qPrintable(error));
    QVERIFY(!DecreeFile::append(path, QStringLiteral("Tigli"), CourtDecree(), &error));
    QCOMPARE(error, QStringLiteral("mancano la data, l'autorità giudiziaria, gli estremi e l'amministratore del decreto"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), DecreesFile);
}

void TestMeetingFile::decreesFileIsRefusedWholeAndNeverWrittenOver_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<int>("line");
    QTest::newRow("no such date") << QByteArray("12/03/2026") << QByteArray("31/02/2026") << 3;
    QTest::newRow("no court") << QByteArray("\"Corte d'appello di Milano\"") << QByteArray("\"\"") << 4;
    QTest::newRow("no particulars") << QByteArray("\"R.G. 88/2026\"") << QByteArray() << 4;
    QTest::newRow("kind the judge does not decree") << QByteArray("\"nomina\"") << QByteArray("\"conferma\"") << 3;
    QTest::newRow("no administrator") << QByteArray("\"Rossi Mario\",\"\"") << QByteArray("\"\",\"\"") << 3;
    QTest::newRow("a field more") << QByteArray("\"su reclamo\"") << QByteArray("\"su reclamo\",\"x\"") << 4;
    QTest::newRow("a decree more than counted") << QByteArray("\"Tigli\",2") << QByteArray("\"Tigli\",1") << 4;
    QTest::newRow("a decree less than counted") << QByteArray("\"Tigli\",2") << QByteArray("\"Tigli\",3") << 5;
}

void TestMeetingFile::decreesFileIsRefusedWholeAndNeverWrittenOver()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(int, line);
    QByteArray bytes = DecreesFile;
    QVERIFY(bytes.contains(from));
    bytes.replace(bytes.indexOf(from), from.size(), to);
    const DecreeFile::LoadResult result = DecreeFile::read(bytes);
    QVERIFY(!result.isComplete());
    QCOMPARE(result.failedLine, line);
    QVERIFY(result.decrees.isEmpty());

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Veltra-decreti-Tigli"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QString error;
    QVERIFY(!DecreeFile::append(path, QStringLiteral("Tigli"), sampleDecrees().first(), &error));
    QVERIFY2(error.contains(QStringLiteral("non si può leggere per intero")), qPrintable(error));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
}

QTEST_GUILESS_MAIN(TestMeetingFile)
#include "tst_meetingfile.moc"
