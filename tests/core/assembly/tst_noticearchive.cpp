#include "core/assembly/noticearchive.h"

#include <QtTest>

using namespace veltra;

namespace {

// A notice with three agenda points, its notes left empty.
MeetingNotice threePointNotice()
{
    MeetingNotice notice;
    notice.subject = QStringLiteral("convocazione assemblea di condominio in seduta ordinaria");
    notice.number = QStringLiteral("7");
    notice.firstCallDate = QStringLiteral("10/03/2027");
    notice.firstCallHour = QStringLiteral("7.00");
    notice.firstCallPlace = QStringLiteral("sala condominiale");
    notice.secondCallDate = QStringLiteral("11/03/2027");
    notice.secondCallHour = QStringLiteral("18.30");
    notice.secondCallPlace = QStringLiteral("sala condominiale");
    notice.noticeDate = QStringLiteral("01/03/2027");
    notice.setAgendaPoint(1, QStringLiteral("approvazione del rendiconto"));
    notice.setAgendaPoint(2, QStringLiteral("nomina dell'amministratore"));
    notice.setAgendaPoint(3, QStringLiteral("varie ed eventuali"));
    return notice;
}

// The file of threePointNotice(), written out by hand: the line of twelve quoted texts
// ("è" is byte E8 in Windows-1252), three points, seventeen empty lines.
QByteArray threePointFile()
{
    QByteArray file =
        "\"convocazione assemblea di condominio in seduta ordinaria\",\"7\","
        "\"La S/V \xE8 invitata a partecipare all'assemblea dei condomini convocata secondo il "
        "seguente calendario\",\"10/03/2027\",\"7.00\",\"sala condominiale\",\"11/03/2027\","
        "\"18.30\",\"sala condominiale\","
        "\"per discutere i seguenti punti all'ordine del giorno:\",\"01/03/2027\",\"\"\r\n"
        "\"approvazione del rendiconto\"\r\n"
        "\"nomina dell'amministratore\"\r\n"
        "\"varie ed eventuali\"\r\n";
    for (int j = 4; j <= 20; ++j)
        file += "\r\n";
    return file;
}

} // namespace

class TestNoticeArchive : public QObject
{
    Q_OBJECT

private slots:
    void noticeWithThreePointsIsTwentyOneLines();
    void emptiedPointIsAnEmptyTextNeverTypedAnEmptyLine();
    void readsEveryTextAndPointBack();
    void unreadableFilesGiveNoNotice_data();
    void unreadableFilesGiveNoNotice();
    void missingFileIsNotOpened();
    void refusedSaveKeepsThePreviousFile();
    void unwritableTextIsNamed();
};

void TestNoticeArchive::noticeWithThreePointsIsTwentyOneLines()
{
    const QByteArray bytes = NoticeArchive::bytes(threePointNotice());
    QCOMPARE(bytes, threePointFile());
    QCOMPARE(bytes.count("\r\n"), 21);
}

void TestNoticeArchive::emptiedPointIsAnEmptyTextNeverTypedAnEmptyLine()
{
    MeetingNotice notice;
    notice.setAgendaPoint(1, QStringLiteral("bilancio"));
    notice.setAgendaPoint(3, QStringLiteral("lavori"));
    notice.setAgendaPoint(3, QString());
    QByteArray expected = "\"\",\"\",\"La S/V \xE8 invitata a partecipare all'assemblea dei "
                          "condomini convocata secondo il seguente calendario\",\"\",\"\",\"\","
                          "\"\",\"\",\"\",\"per discutere i seguenti punti all'ordine del "
                          "giorno:\",\"\",\"\"\r\n\"bilancio\"\r\n\r\n\"\"\r\n";
    for (int j = 4; j <= 20; ++j)
        expected += "\r\n";
    QCOMPARE(NoticeArchive::bytes(notice), expected);

    // The distinction survives a reading: the file is written again byte for byte.
    const NoticeArchive::LoadResult read = NoticeArchive::read(expected);
    QVERIFY(read.isComplete());
    QVERIFY(read.notice.agendaPointTyped(3));
    QVERIFY(!read.notice.agendaPointTyped(2));
    QCOMPARE(NoticeArchive::bytes(read.notice), expected);
}

void TestNoticeArchive::readsEveryTextAndPointBack()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Veltra-avvisi-Cedri"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(threePointFile());
    file.close();

    const NoticeArchive::LoadResult result = NoticeArchive::load(path);
    QVERIFY(result.isComplete());
    const MeetingNotice &notice = result.notice;
    QCOMPARE(notice.subject, QStringLiteral("convocazione assemblea di condominio in seduta ordinaria"));
    QCOMPARE(notice.number, QStringLiteral("7"));
    QCOMPARE(notice.openingText, QString::fromUtf8("La S/V è invitata a partecipare all'assemblea "
                                                   "dei condomini convocata secondo il seguente "
                                                   "calendario"));
    QCOMPARE(notice.firstCallDate, QStringLiteral("10/03/2027"));
    QCOMPARE(notice.firstCallHour, QStringLiteral("7.00"));
    QCOMPARE(notice.secondCallHour, QStringLiteral("18.30"));
    QCOMPARE(notice.agendaHeading, QStringLiteral("per discutere i seguenti punti all'ordine del giorno:"));
    QCOMPARE(notice.noticeDate, QStringLiteral("01/03/2027"));
    QCOMPARE(notice.notes, QString());
    QCOMPARE(notice.agendaPoint(2), QStringLiteral("nomina dell'amministratore"));
    QCOMPARE(notice.printedPoints(), 3);
    QVERIFY(!notice.agendaPointTyped(4));
    QVERIFY(!notice.agendaPointTyped(20));
}

void TestNoticeArchive::unreadableFilesGiveNoNotice_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("failedLine");

    const QByteArray head = threePointFile().left(threePointFile().indexOf("\r\n") + 2);
    QByteArray shortFile = head;
    for (int j = 1; j <= 19; ++j)
        shortFile += "\r\n";
    QTest::newRow("nineteen points") << shortFile << 21;
    QTest::newRow("texts only") << head << 2;
    QTest::newRow("empty file") << QByteArray() << 1;
    QTest::newRow("condominium archive")
        << QByteArray("\"Cedri\",3,1\r\n\"Rossi\",\"via Roma 1\",\"1\",1,500\r\n") << 1;
    QByteArray numberPoint = head + "\"bilancio\"\r\n12\r\n";
    for (int j = 3; j <= 20; ++j)
        numberPoint += "\r\n";
    QTest::newRow("number for a point") << numberPoint << 3;
    QByteArray twoFieldPoint = head + "\"bilancio\",\"lavori\"\r\n";
    QTest::newRow("two fields on a point's line") << twoFieldPoint << 2;
    QTest::newRow("twenty-one points") << threePointFile() + "\"ventunesimo\"\r\n" << 22;
    QTest::newRow("unterminated quote") << QByteArray("\"convocazione,\"7\"\r\n") << 1;
}

void TestNoticeArchive::unreadableFilesGiveNoNotice()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, failedLine);
    const NoticeArchive::LoadResult result = NoticeArchive::read(bytes);
    QVERIFY(result.opened);
    QVERIFY(!result.isComplete());
    QCOMPARE(result.failedLine, failedLine);
    // Nothing of what was read before the fault is handed on.
    QCOMPARE(result.notice.subject, QString());
    QCOMPARE(result.notice.lastFilledPoint(), 0);
}

void TestNoticeArchive::missingFileIsNotOpened()
{
    QTemporaryDir folder;
    QVERIFY(!NoticeArchive::load(folder.filePath(QStringLiteral("Veltra-avvisi-nessuno"))).opened);
    QVERIFY(!NoticeArchive::load(QString()).opened);
}

void TestNoticeArchive::refusedSaveKeepsThePreviousFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Veltra-avvisi-Cedri"));
    QVERIFY(NoticeArchive::save(threePointNotice(), path));

    MeetingNotice quoted = threePointNotice();
    quoted.notes = QStringLiteral("portare il \"verbale\"");
    QString error;
    QVERIFY(!NoticeArchive::save(quoted, path, &error));
    QVERIFY(error.contains(QStringLiteral("virgolette")));
    QVERIFY(!NoticeArchive::save(threePointNotice(), folder.filePath(QStringLiteral("manca/file")),
                                 &error));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), threePointFile());
}

void TestNoticeArchive::unwritableTextIsNamed()
{
    MeetingNotice notice = threePointNotice();
    QVERIFY(!NoticeArchive::firstUnwritableField(notice));
    notice.setAgendaPoint(4, QString::fromUtf8("lavori della ditta Łukasz"));
    notice.notes = QStringLiteral("\"urgente\"");
    const auto field = NoticeArchive::firstUnwritableField(notice);
    QVERIFY(field);
    QCOMPARE(field->field, QStringLiteral("le note"));
    notice.notes.clear();
    QCOMPARE(NoticeArchive::firstUnwritableField(notice)->field,
             QStringLiteral("il punto 4 dell'ordine del giorno"));
}

QTEST_GUILESS_MAIN(TestNoticeArchive)
#include "tst_noticearchive.moc"
