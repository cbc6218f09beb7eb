#include "core/assembly/noticearchive.h"
#include "core/meeting/decreefile.h"
#include "core/meeting/meetingfile.h"
#include "core/registry/condominiumarchive.h"
#include "core/state/sharedstate.h"
#include "support/pdfreader.h"
#include "support/toolprocess.h"

#include <QtTest>

using namespace veltra;

// veltra-tool on the day of the meeting: the quorum and the results from paper votes.
class TestMeetingTool : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void printsTheQuorumAndEachPointByTheCallHeld_data();
    void printsTheQuorumAndEachPointByTheCallHeld();
    void badInputIsRefusedNamingTheRow_data();
    void badInputIsRefusedNamingTheRow();
    void printsTheMeetingsDocumentsBesideItsCondominium();
    void writesTheMeetingOfThePaperVotesBesideTheNotice();
    void courtDecreesGoBesideTheArchiveAndIntoTheRegisterOfAppointments();

private:
    QString write(const QString &name, const QByteArray &bytes) const;
    QStringList esito(const QByteArray &attendance, const QByteArray &votes) const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

// Five owners of 300, 250, 200, 150 and 100 millesimi, and a notice of two points.
void TestMeetingTool::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    SharedState state;
    state.condoName = QStringLiteral("Tigli");
    const QList<int> millesimi{300, 250, 200, 150, 100};
    for (int i = 1; i <= millesimi.size(); ++i) {
        state.owner(i).ownerName = QStringLiteral("Condomino %1").arg(i);
        state.owner(i).ownerMillesimi = Cell::fromNumber(millesimi.at(i - 1));
    }
    state.ownerCount = int(millesimi.size());
    if (!CondominiumArchive::save(state, m_dir->filePath(QStringLiteral("Veltra-dati-Tigli"))))
        qFatal("condominium not written");
    MeetingNotice notice;
    notice.setAgendaPoint(1, QStringLiteral("rendiconto"));
    notice.setAgendaPoint(2, QStringLiteral("cappotto termico"));
    if (!NoticeArchive::save(notice, m_dir->filePath(QStringLiteral("Veltra-avvisi-Tigli"))))
        qFatal("notice not written");
}

QString TestMeetingTool::write(const QString &name, const QByteArray &bytes) const
{
    QFile file(m_dir->filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("file not written");
    return file.fileName();
}

QStringList TestMeetingTool::esito(const QByteArray &attendance, const QByteArray &votes) const
{
    return {QStringLiteral("esito"), QStringLiteral("--dati"), m_dir->filePath(QStringLiteral("Veltra-dati-Tigli")),
            QStringLiteral("--avviso"), m_dir->filePath(QStringLiteral("Veltra-avvisi-Tigli")),
            QStringLiteral("--presenze"), write(QStringLiteral("presenze.csv"), attendance),
            QStringLiteral("--voti"), write(QStringLiteral("voti.csv"), votes)};
}

// Owners 1 and 3 present, owner 2 by delegate, 4 absent, 5 not listed: 3 heads, 750.
const QByteArray AttendanceCsv = "1;presente\r\n2;delegato;Neri Paolo\r\n3;presente;\r\n4;assente\r\n";
// Point 1 (ordinary): 1 and 3 for (500), 2 against. Point 2 (art. 1120 c. 1): 1 and 2 for
// (550), 3 abstains.
const QByteArray Votes = "1;5;1;F\n1;5;2;C\n1;5;3;f\n\n2;10;1;F\n2;10;2;F\n2;10;3;A\n";

void TestMeetingTool::printsTheQuorumAndEachPointByTheCallHeld_data()
{
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QStringList>("rows");
    // First call: 3 of 5 heads and 750 of 1000 constitute it; point 1 needs 2 heads and 500,
    // point 2 needs 2 heads and 666,667.
    QTest::newRow("first call") << QStringList()
        << QStringList{QStringLiteral("costituzione;3;750,000;costituita"),
                       QStringLiteral("1;5;2;500,000;1;250,000;0;0,000;approvata;art. 1136 c. 2 c.c."),
                       QStringLiteral("2;10;2;550,000;0;0,000;1;200,000;respinta;art. 1120 c. 1 e art. 1136 c. 5 c.c.")};
    // Second call: point 1 needs a third of the value only.
    QTest::newRow("second call") << QStringList{QStringLiteral("--seconda")}
        << QStringList{QStringLiteral("costituzione;3;750,000;costituita"),
                       QStringLiteral("1;5;2;500,000;1;250,000;0;0,000;approvata;art. 1136 c. 3 c.c."),
                       QStringLiteral("2;10;2;550,000;0;0,000;1;200,000;respinta;art. 1120 c. 1 e art. 1136 c. 5 c.c.")};
}

void TestMeetingTool::printsTheQuorumAndEachPointByTheCallHeld()
{
    QFETCH(QStringList, extra);
    QFETCH(QStringList, rows);
    const ToolRun run = runTool(esito(AttendanceCsv, Votes) + extra);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts), rows);

    // Owner 3 leaving the first call's attendance takes it to 2 heads and 550.
    const ToolRun fewer = runTool(esito("1;presente\n2;delegato;Neri Paolo\n", "1;5;1;F\n") + extra);
    QCOMPARE(fewer.out.section(QLatin1Char('\n'), 0, 0),
             extra.isEmpty() ? QStringLiteral("costituzione;2;550,000;non costituita")
                             : QStringLiteral("costituzione;2;550,000;costituita"));
}

void TestMeetingTool::badInputIsRefusedNamingTheRow_data()
{
    QTest::addColumn<QByteArray>("attendance");
    QTest::addColumn<QByteArray>("votes");
    QTest::addColumn<QString>("error");
    QTest::newRow("owner not in the registry") << QByteArray("1;presente\n6;presente\n") << Votes
        << QStringLiteral("presenze.csv: riga 2: \"6\" non è il numero di un condomino");
    QTest::newRow("delegate of an owner present") << QByteArray("1;presente;Neri Paolo\n") << Votes
        << QStringLiteral("presenze.csv: riga 1: il condomino n. 1 non è rappresentato ma ha un delegato");
    QTest::newRow("unknown matter") << AttendanceCsv << QByteArray("1;5;1;F\n\n1;99;2;F\n")
        << QStringLiteral("voti.csv: riga 3: la materia \"99\" non è nella tabella");
    QTest::newRow("vote of an absent owner") << AttendanceCsv << QByteArray("1;5;1;F\n1;5;4;C\n")
        << QString::fromUtf8("voti.csv: riga 2: il condomino n. 4 è assente al punto 1");
    QTest::newRow("point not on the agenda") << AttendanceCsv << QByteArray("3;5;1;F\n")
        << QStringLiteral("voti.csv: riga 1: il punto \"3\" non è nell'ordine del giorno");
    QTest::newRow("two votes of one owner") << AttendanceCsv << QByteArray("1;5;1;F\n1;5;1;C\n")
        << QString::fromUtf8("voti.csv: riga 2: il condomino n. 1 ha già votato sul punto 1");
}

void TestMeetingTool::badInputIsRefusedNamingTheRow()
{
    QFETCH(QByteArray, attendance);
    QFETCH(QByteArray, votes);
    QFETCH(QString, error);
    const ToolRun run = runTool(esito(attendance, votes));
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, QString());
    QVERIFY2(run.err.contains(error), qPrintable(run.err));
    QCOMPARE(run.err.count(QLatin1Char('\n')), 1);
}

void TestMeetingTool::printsTheMeetingsDocumentsBesideItsCondominium()
{
    const QString sample = QStringLiteral(VELTRA_SOURCE_DIR "/data/esempio/");
    const QString meeting = m_dir->filePath(QStringLiteral("Veltra-seduta-Condominio Le Magnolie- 2026-04-15"));
    QVERIFY(QFile::copy(sample + QStringLiteral("Veltra-seduta-Condominio Le Magnolie- 2026-04-15"), meeting));
    const QString minutes = m_dir->filePath(QStringLiteral("verbale.odt"));
    // Without the condominium archive beside it the meeting has no owners to print.
    const ToolRun alone = runTool({QStringLiteral("stampa"), QStringLiteral("verbale"), meeting, QStringLiteral("-o"), minutes});
    QCOMPARE(alone.exitCode, 3);
    QVERIFY(alone.err.contains(QStringLiteral("Veltra-dati-Condominio Le Magnolie")));
    QVERIFY(!QFile::exists(minutes));

    QVERIFY(QFile::copy(sample + QStringLiteral("Veltra-dati-Condominio Le Magnolie"),
                        m_dir->filePath(QStringLiteral("Veltra-dati-Condominio Le Magnolie"))));
    for (const QString &kind : {QStringLiteral("verbale"), QStringLiteral("foglio-presenze")}) {
        const QString output = m_dir->filePath(kind + QStringLiteral(".odt"));
        const ToolRun run = runTool({QStringLiteral("stampa"), kind, meeting, QStringLiteral("-o"), output});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        QVERIFY(QFileInfo(output).size() > 0);
    }

    // The minutes go into the register as entry 1, a correction as entry 2; a correction of
    // an entry not there is refused.
    const QString registerPath = m_dir->filePath(QStringLiteral("Veltra-verbali-Condominio Le Magnolie"));
    QCOMPARE(runTool({QStringLiteral("registra-verbale"), meeting}).out,
             QStringLiteral("verbale n. 1 trascritto nel registro \"%1\"\n").arg(registerPath));
    QCOMPARE(runTool({QStringLiteral("registra-verbale"), meeting, QStringLiteral("--corregge"), QStringLiteral("1")}).exitCode, 0);
    const ToolRun missing = runTool({QStringLiteral("registra-verbale"), meeting, QStringLiteral("--corregge"), QStringLiteral("7")});
    QCOMPARE(missing.exitCode, 1);
    QVERIFY(missing.err.contains(QStringLiteral("il verbale n. 7")));
    for (const QString &kind : {QStringLiteral("registro-verbali"), QStringLiteral("registro-nomine")}) {
        const QString output = m_dir->filePath(kind + QStringLiteral(".odt"));
        const ToolRun run = runTool({QStringLiteral("stampa"), kind, registerPath, QStringLiteral("-o"), output});
        QCOMPARE(run.err, QString());
        QVERIFY(QFileInfo(output).size() > 0);
    }
}

void TestMeetingTool::writesTheMeetingOfThePaperVotesBesideTheNotice()
{
    QStringList arguments = esito(AttendanceCsv, Votes);
    arguments[0] = QStringLiteral("seduta");
    const QString path = m_dir->filePath(QStringLiteral("Veltra-seduta-Tigli- 2027-03-10"));
    const ToolRun badDay = runTool(arguments + QStringList{QStringLiteral("--data"), QStringLiteral("31/02/2027")});
    QCOMPARE(badDay.exitCode, 2);
    QVERIFY(!QFile::exists(path));

    const ToolRun run = runTool(arguments + QStringList{QStringLiteral("--data"), QStringLiteral("10/03/2027"),
                                                        QStringLiteral("--seconda"), QStringLiteral("--luogo"),
                                                        QStringLiteral("sala del condominio"), QStringLiteral("--apertura"),
                                                        QStringLiteral("18:30")});
    QCOMPARE(run.err, QString());
    QCOMPARE(run.out, path + QLatin1Char('\n'));
    const MeetingFile::LoadResult written = MeetingFile::load(path);
    QVERIFY(written.isComplete());
    const Meeting &meeting = written.meeting;
    QCOMPARE(meeting.call, 2);
    QVERIFY(meeting.firstCallFailed);
    QCOMPARE(meeting.place, QStringLiteral("sala del condominio"));
    QCOMPARE(meeting.opening, QTime(18, 30));
    QCOMPARE(meeting.attendance(2).delegate, QStringLiteral("Neri Paolo"));
    QCOMPARE(meeting.points.size(), 2);
    QCOMPARE(meeting.points[1].text, QStringLiteral("cappotto termico"));
    QCOMPARE(meeting.points[1].matter, 10);
    QCOMPARE(meeting.points[0].vote(2), Vote::Against);
}

void TestMeetingTool::courtDecreesGoBesideTheArchiveAndIntoTheRegisterOfAppointments()
{
    QVERIFY(runTool({QStringLiteral("--help")}).out.contains(QStringLiteral("registra-decreto --dati DATI")));
    const QStringList decree = {QStringLiteral("registra-decreto"), QStringLiteral("--dati"),
                                m_dir->filePath(QStringLiteral("Veltra-dati-Tigli")), QStringLiteral("--data"),
                                QStringLiteral("12/03/2026"), QStringLiteral("--tribunale"),
                                QStringLiteral(" Tribunale  di Milano"), QStringLiteral("--estremi"),
                                QStringLiteral("R.G. 1234/2026, decreto n. 56/2026"), QStringLiteral("--amministratore"),
                                QStringLiteral("Rossi Mario")};
    const QString path = m_dir->filePath(QStringLiteral("Veltra-decreti-Tigli"));
    for (const QString &kind : {QStringLiteral("conferma"), QString()}) {
        const ToolRun wrong = runTool(decree + QStringList{QStringLiteral("--tipo"), kind});
        QCOMPARE(wrong.exitCode, 2);
        QVERIFY(!QFile::exists(path));
    }
    const ToolRun run = runTool(decree + QStringList{QStringLiteral("--tipo"), QStringLiteral("nomina")});
    QCOMPARE(run.err, QString());
    QCOMPARE(run.out, QStringLiteral("decreto di nomina del 12/03/2026 annotato in \"%1\"\n").arg(path));
    const DecreeFile::LoadResult written = DecreeFile::load(path);
    QVERIFY(written.isComplete());
    QCOMPARE(written.condoName, QStringLiteral("Tigli"));
    QCOMPARE(written.decrees.size(), 1);
    QCOMPARE(written.decrees.first().court, QStringLiteral("Tribunale di Milano"));
    QCOMPARE(written.decrees.first().kind, CourtDecree::Kind::Appointment);

    // With no register of minutes yet, the register of appointments holds the decree alone.
    const QString minutes = m_dir->filePath(QStringLiteral("Veltra-verbali-Tigli"));
    const QString output = m_dir->filePath(QStringLiteral("nomine.pdf"));
    const ToolRun printed = runTool({QStringLiteral("stampa"), QStringLiteral("registro-nomine"), minutes,
                                     QStringLiteral("-o"), output});
    QCOMPARE(printed.exitCode, 0);
    if (PdfReader::available())
        QVERIFY(PdfReader::pageTexts(output).join(QLatin1Char(' ')).simplified().contains(
            QStringLiteral("decreto di nomina di Rossi Mario, Tribunale di Milano, R.G. 1234/2026")));

    // A file of decrees that cannot be read whole is neither printed nor added to.
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    file.write("\"una riga di troppo\"\r\n");
    file.close();
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray damaged = file.readAll();
    file.close();
    const ToolRun refused = runTool(decree + QStringList{QStringLiteral("--tipo"), QStringLiteral("revoca")});
    QCOMPARE(refused.exitCode, 1);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), damaged);
    const ToolRun unprinted = runTool({QStringLiteral("stampa"), QStringLiteral("registro-nomine"), minutes,
                                       QStringLiteral("-o"), output});
    QCOMPARE(unprinted.exitCode, 3);
    QVERIFY2(unprinted.err.contains(QStringLiteral("(errore alla riga 4)")), qPrintable(unprinted.err));
}

QTEST_GUILESS_MAIN(TestMeetingTool)
#include "tst_meetingtool.moc"
