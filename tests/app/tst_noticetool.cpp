#include "core/assembly/noticearchive.h"
#include "core/state/sharedstate.h"
#include "support/officereader.h"
#include "support/pdfreader.h"
#include "support/registryfixture.h"
#include "support/toolprocess.h"

#include <QtTest>

using namespace veltra;

namespace {

// A notice dated the 1st of March for a first call on the 10th and a second on the 11th.
MeetingNotice validNotice()
{
    MeetingNotice notice;
    notice.subject = QStringLiteral("assemblea ordinaria");
    notice.firstCallDate = QStringLiteral("10/03/2027");
    notice.secondCallDate = QStringLiteral("11/03/2027");
    notice.noticeDate = QStringLiteral("01/03/2027");
    notice.setAgendaPoint(1, QStringLiteral("rendiconto"));
    return notice;
}

} // namespace

// veltra-tool on meeting-notice files: the check and the printed notices.
class TestNoticeTool : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void checkPassesOnlyANoticeWithNothingWrong();
    void checkOfAnUnreadableFileSaysSoInOneLine();
    void printsTwoNoticesPerOwner();
    void printRefusesWhatItCannotPrint();
    void printFollowsTheCheck();
    void lettersCarryTheAdministratorOfTheFileGiven();

private:
    QString writeNotice(const MeetingNotice &notice, const QString &name) const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestNoticeTool::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
}

QString TestNoticeTool::writeNotice(const MeetingNotice &notice, const QString &name) const
{
    const QString path = m_dir->filePath(name);
    if (!NoticeArchive::save(notice, path))
        qFatal("notice not written");
    return path;
}

void TestNoticeTool::checkPassesOnlyANoticeWithNothingWrong()
{
    const ToolRun good = runTool({QStringLiteral("controlla-avviso"),
                                  writeNotice(validNotice(), QStringLiteral("Veltra-avvisi-buono"))});
    QCOMPARE(good.exitCode, 0);
    QCOMPARE(good.out, QStringLiteral("I dati sono stati immessi correttamente.\n"));

    MeetingNotice late = validNotice();
    late.noticeDate = QStringLiteral("06/03/2027");
    late.secondCallDate = QStringLiteral("21/03/2027");
    const ToolRun bad =
        runTool({QStringLiteral("controlla-avviso"), writeNotice(late, QStringLiteral("Veltra-avvisi-tardi"))});
    QCOMPARE(bad.exitCode, 1);
    const QStringList lines = bad.out.trimmed().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines[0].contains(QStringLiteral("art. 66, terzo comma, disp. att. c.c.")));
    QVERIFY(lines[1].contains(QStringLiteral("cade 11 giorni dopo")));
}

void TestNoticeTool::checkOfAnUnreadableFileSaysSoInOneLine()
{
    const QString missing = m_dir->filePath(QStringLiteral("Veltra-avvisi-nessuno"));
    const ToolRun absent = runTool({QStringLiteral("controlla-avviso"), missing});
    QCOMPARE(absent.exitCode, 3);
    QCOMPARE(absent.err, QStringLiteral("veltra-tool: impossibile aprire il file \"%1\": il file non "
                                        "esiste\n").arg(missing));

    const ToolRun foreign = runTool(
        {QStringLiteral("controlla-avviso"), RegistryFixture::writeCondominium(m_dir->path(), 2)});
    QCOMPARE(foreign.exitCode, 3);
    QCOMPARE(foreign.err.count(QLatin1Char('\n')), 1);
    QVERIFY(foreign.err.contains(QString::fromUtf8("non è un avviso di convocazione leggibile (errore alla riga 1)")));
    QVERIFY(foreign.out.isEmpty());

    QCOMPARE(runTool({QStringLiteral("controlla-avviso")}).exitCode, 2);
}

void TestNoticeTool::printsTwoNoticesPerOwner()
{
    const QString notices = writeNotice(validNotice(), QStringLiteral("Veltra-avvisi-marzo"));
    const QString registry = RegistryFixture::writeCondominium(m_dir->path(), 3);
    const QString output = m_dir->filePath(QStringLiteral("avvisi.odt"));
    const ToolRun run = runTool({QStringLiteral("stampa"), QStringLiteral("convocazione"), notices,
                                 QStringLiteral("--dati"), registry, QStringLiteral("--copie"),
                                 QStringLiteral("2"), QStringLiteral("-o"), output});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    QVERIFY(QFileInfo(output).size() > 0);
    // One PDF per owner holds both his copies and nobody else's.
    if (PdfReader::available()) {
        const QString folder = m_dir->filePath(QStringLiteral("pdf"));
        const ToolRun perOwner = runTool({QStringLiteral("stampa"), QStringLiteral("convocazione"),
                                          notices, QStringLiteral("--dati"), registry,
                                          QStringLiteral("--copie"), QStringLiteral("2"),
                                          QStringLiteral("--per-condomino"), folder});
        QCOMPARE(perOwner.exitCode, 0);
        const QStringList files = perOwner.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(files.size(), 3);
        QCOMPARE(files[1], folder + QStringLiteral("/002 Condomino 2.pdf"));
        const QString second = PdfReader::pageTexts(files[1]).join(QLatin1Char('\n')).simplified();
        QCOMPARE(second.count(QStringLiteral("DELEGA")), 2);
        QCOMPARE(second.count(QStringLiteral("Io sottoscritto condomino Condomino 2 delego")), 2);
        QVERIFY(!second.contains(QStringLiteral("Condomino 1 delego")));
    }
    if (!OfficeReader::available())
        QSKIP("LibreOffice (soffice) is not installed");
    OfficeReader office;
    const QString text = office.texts({output}).first();
    QCOMPARE(text.count(QStringLiteral("DELEGA")), 6);
    QCOMPARE(text.count(QStringLiteral("Io sottoscritto condomino Condomino 2 delego")), 2);
}

void TestNoticeTool::printRefusesWhatItCannotPrint()
{
    const QString notices = writeNotice(validNotice(), QStringLiteral("Veltra-avvisi-marzo"));
    const QString output = m_dir->filePath(QStringLiteral("avvisi.odt"));

    const ToolRun noOwners = runTool({QStringLiteral("stampa"), QStringLiteral("convocazione"), notices,
                                      QStringLiteral("--dati"),
                                      RegistryFixture::writeCondominium(m_dir->path(), 0),
                                      QStringLiteral("-o"), output});
    QCOMPARE(noOwners.exitCode, 1);
    QCOMPARE(noOwners.err, QString::fromUtf8("veltra-tool: Non vi è nulla da stampare: prelevare i "
                                             "dati dall'archivio.\n"));

    const QString registry = RegistryFixture::writeCondominium(m_dir->path(), 2);
    const ToolRun wrongFile = runTool({QStringLiteral("stampa"), QStringLiteral("convocazione"), registry,
                                       QStringLiteral("--dati"), registry, QStringLiteral("-o"), output});
    QCOMPARE(wrongFile.exitCode, 3);
    QCOMPARE(wrongFile.err.count(QLatin1Char('\n')), 1);

    for (const QStringList &arguments :
         {QStringList{notices}, QStringList{notices, "--dati", registry, "--copie", "3"},
          QStringList{"--dati", registry}}) {
        const ToolRun misuse = runTool(QStringList{"stampa", "convocazione"} + arguments
                                       + QStringList{"-o", output});
        QCOMPARE(misuse.exitCode, 2);
        QVERIFY(misuse.err.startsWith(QStringLiteral("veltra-tool: uso: veltra-tool stampa convocazione AVVISI --dati DATI")));
    }
    QVERIFY(!QFileInfo::exists(output));
}

// A notice of three days (7th to 10th of March) is printed only with --forza, and says why
// either way; a first call on the 31st of February is never printed.
void TestNoticeTool::printFollowsTheCheck()
{
    MeetingNotice late = validNotice();
    late.noticeDate = QStringLiteral("07/03/2027");
    const QString notices = writeNotice(late, QStringLiteral("Veltra-avvisi-tardi"));
    const QString registry = RegistryFixture::writeCondominium(m_dir->path(), 2);
    const QString output = m_dir->filePath(QStringLiteral("avvisi.odt"));
    const QStringList print = {QStringLiteral("stampa"), QStringLiteral("convocazione"), notices,
                               QStringLiteral("--dati"), registry};
    const QStringList to = {QStringLiteral("-o"), output};

    const ToolRun refused = runTool(print + to);
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.err.contains(QStringLiteral("precede di 3 giorni la prima convocazione")),
             qPrintable(refused.err));
    QVERIFY(refused.err.contains(QStringLiteral("--forza")));
    QVERIFY(!QFileInfo::exists(output));
    const ToolRun check = runTool({QStringLiteral("controlla-avviso"), notices});
    QVERIFY(refused.err.contains(check.out.trimmed()));

    const ToolRun forced = runTool(print + QStringList{QStringLiteral("--forza")} + to);
    QCOMPARE(forced.exitCode, 0);
    QVERIFY(forced.err.contains(QStringLiteral("precede di 3 giorni")));
    QVERIFY(QFileInfo(output).size() > 0);
    QVERIFY(QFile::remove(output));

    late.firstCallDate = QStringLiteral("31/02/2027");
    const QString impossible = writeNotice(late, QStringLiteral("Veltra-avvisi-impossibile"));
    const ToolRun never = runTool({QStringLiteral("stampa"), QStringLiteral("convocazione"),
                                   impossible, QStringLiteral("--dati"), registry,
                                   QStringLiteral("--forza"), QStringLiteral("-o"), output});
    QCOMPARE(never.exitCode, 1);
    QVERIFY(never.err.contains(QStringLiteral("\"31/02/2027\"")));
    QVERIFY(!QFileInfo::exists(output));
}

void TestNoticeTool::lettersCarryTheAdministratorOfTheFileGiven()
{
    if (!PdfReader::available())
        QSKIP("poppler's pdftotext is not installed");
    const QString notices = writeNotice(validNotice(), QStringLiteral("Veltra-avvisi-marzo"));
    const QString registry = RegistryFixture::writeCondominium(m_dir->path(), 2);
    const QString details = m_dir->filePath(QStringLiteral("Veltra-amministratore"));
    QFile file(details);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\"Veltra-amministratore\",1\r\n"
               "\"Studio Rossi\",\"via Roma 1, Bologna\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
    file.close();
    const QString output = m_dir->filePath(QStringLiteral("avvisi.pdf"));
    const ToolRun run = runTool({QStringLiteral("stampa"), QStringLiteral("convocazione"), notices,
                                 QStringLiteral("--dati"), registry, QStringLiteral("--amministratore"),
                                 details, QStringLiteral("-o"), output});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QString text = PdfReader::pageTexts(output).join(QLatin1Char('\n')).simplified();
    QCOMPARE(text.count(QStringLiteral("via Roma 1, Bologna")), 2);
    QCOMPARE(text.count(QStringLiteral("L'amministratore: Studio Rossi")), 2);
    const ToolRun missing = runTool({QStringLiteral("stampa"), QStringLiteral("convocazione"), notices,
                                     QStringLiteral("--dati"), registry, QStringLiteral("--amministratore"),
                                     m_dir->filePath(QStringLiteral("nessuno")), QStringLiteral("-o"), output});
    QCOMPARE(missing.exitCode, 3);
    QVERIFY(missing.err.contains(QStringLiteral("non esiste")));
}

QTEST_GUILESS_MAIN(TestNoticeTool)
#include "tst_noticetool.moc"
