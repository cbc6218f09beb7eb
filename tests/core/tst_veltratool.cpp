#include "core/condominiumarchive.h"
#include "core/sharedstate.h"
#include "support/officereader.h"
#include "support/registryfixture.h"

#include <QtTest>

using namespace veltra;
using RegistryFixture::addOwner;
using RegistryFixture::makeUnit;

namespace {

// The tool built beside the tests; the build may pass its exact place.
QString toolPath()
{
#ifdef VELTRA_TOOL_PATH
    return QStringLiteral(VELTRA_TOOL_PATH);
#else
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../app/veltra-tool");
#endif
}

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run runTool(const QStringList &arguments)
{
    QProcess process;
    process.start(toolPath(), arguments);
    Run run;
    if (!process.waitForFinished(30000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace

class TestVeltraTool : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void printsTheMillesimalTable();
    void verifiesWithTheStoredHeatingBasis();
    void rejectsBadArgumentsAndUnreadableFiles_data();
    void rejectsBadArgumentsAndUnreadableFiles();
    void printsTheMillesimalTableToADocument();
    void printsTheCompletePrintAsRtfUnderADocName();
    void refusesToPrintACondominiumWithoutOwners();

private:
    QTemporaryDir m_folder;
    QString m_archive;
};

void TestVeltraTool::initTestCase()
{
    if (!QFileInfo::exists(toolPath()))
        QSKIP("veltra-tool is not built");
    SharedState state;
    state.condoName = QStringLiteral("Aurora");
    state.heatingBasis = 1;
    addOwner(state, QString::fromUtf8("Rossi, Niccolò"), QStringLiteral("1"),
             {makeUnit(QStringLiteral("30"))});
    addOwner(state, QStringLiteral("Bianchi"), QStringLiteral("2"),
             {makeUnit(QStringLiteral("20")), makeUnit(QStringLiteral("50"), {}, QStringLiteral("cantina"), QString())});
    m_archive = m_folder.filePath(QStringLiteral("Veltra-dati-Aurora"));
    QVERIFY(CondominiumArchive::save(state, m_archive));
    QFile expenses(m_folder.filePath(QStringLiteral("Veltra-spese-Aurora- 2001 1")));
    QVERIFY(expenses.open(QIODevice::WriteOnly));
    expenses.write("\"Aurora\",1,\"100,00\",\"luce\",\"10/01/2001\",1\r\n");
}

void TestVeltraTool::printsTheMillesimalTable()
{
    const Run run = runTool({QStringLiteral("millesimi"), m_archive});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.isEmpty());
    // Surfaces 30 and 70: 300 and 700; S = 3, floor 1 takes 333,333…, floor 2 666,666….
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(1), QString::fromUtf8("1,\"Rossi, Niccolò\",via Roma 1,1,\"300,000\","
                                            "\"333,333\",\"316,667\""));
    QCOMPARE(lines.at(2), QStringLiteral("2,Bianchi,via Roma 1,2,\"700,000\",\"666,667\","
                                         "\"683,333\""));
}

void TestVeltraTool::verifiesWithTheStoredHeatingBasis()
{
    const Run run = runTool({QStringLiteral("verifica"), m_archive});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, QStringLiteral("Condomino n. 2:\n- digitare la cubatura del locale n. 2\n"));

    SharedState state;
    CondominiumArchive::apply(CondominiumArchive::load(m_archive), state);
    state.unit(2, 2).heatingValue = QStringLiteral("80");
    const QString complete = m_folder.filePath(QStringLiteral("complete"));
    QVERIFY(CondominiumArchive::save(state, complete));
    const Run passed = runTool({QStringLiteral("verifica"), complete});
    QCOMPARE(passed.exitCode, 0);
    QCOMPARE(passed.out, QStringLiteral("I dati sono stati immessi correttamente.\n"));
}

void TestVeltraTool::rejectsBadArgumentsAndUnreadableFiles_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("no command") << QStringList() << 2;
    QTest::newRow("unknown command") << QStringList{"stampa-tutto", "x"} << 2;
    QTest::newRow("no file") << QStringList{"millesimi"} << 2;
    QTest::newRow("two files") << QStringList{"verifica", "a", "b"} << 2;
    QTest::newRow("unknown printout") << QStringList{"stampa", "bilancio", m_archive, "-o", "x.odt"} << 2;
    QTest::newRow("printout without output") << QStringList{"stampa", "millesimi", m_archive} << 2;
    QTest::newRow("printout of a missing file")
        << QStringList{"stampa", "completa", "/nonexistent/x", "-o", m_folder.filePath("x.odt")} << 3;
    QTest::newRow("missing file") << QStringList{"millesimi", "/nonexistent/Veltra-dati-x"} << 3;
    QTest::newRow("expense file")
        << QStringList{"verifica", m_folder.filePath(QStringLiteral("Veltra-spese-Aurora- 2001 1"))}
        << 3;
}

void TestVeltraTool::rejectsBadArgumentsAndUnreadableFiles()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    const Run run = runTool(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY(run.out.isEmpty());
    QCOMPARE(run.err.count(QLatin1Char('\n')), 1);
    QVERIFY(run.err.startsWith(QStringLiteral("veltra-tool: ")));
}

void TestVeltraTool::printsTheMillesimalTableToADocument()
{
    if (!OfficeReader::available())
        QSKIP("LibreOffice is not installed");
    const QString output = m_folder.filePath(QStringLiteral("tabella.odt"));
    const Run run = runTool({QStringLiteral("stampa"), QStringLiteral("millesimi"), m_archive,
                             QStringLiteral("-o"), output});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.isEmpty());
    OfficeReader reader;
    const QStringList text = reader.texts({output}).value(0).split(QLatin1Char('\n'));
    QVERIFY(text.contains(QStringLiteral("Condominio: Aurora")));
    QVERIFY(text.contains(QString::fromUtf8("Rossi, Niccolò")));
    QVERIFY(text.contains(QStringLiteral("333,333")));
    QCOMPARE(text.count(QStringLiteral("1000,000")), 3);
}

void TestVeltraTool::printsTheCompletePrintAsRtfUnderADocName()
{
    const QString output = m_folder.filePath(QStringLiteral("completa.doc"));
    const Run run = runTool({QStringLiteral("stampa"), QStringLiteral("completa"), m_archive,
                             QStringLiteral("-o"), output});
    QCOMPARE(run.exitCode, 0);
    QFile document(output);
    QVERIFY(document.open(QIODevice::ReadOnly));
    QVERIFY(document.readAll().startsWith("{\\rtf"));
}

void TestVeltraTool::refusesToPrintACondominiumWithoutOwners()
{
    SharedState state;
    state.condoName = QStringLiteral("Vuoto");
    const QString empty = m_folder.filePath(QStringLiteral("Veltra-dati-Vuoto"));
    QVERIFY(CondominiumArchive::save(state, empty));
    const QString output = m_folder.filePath(QStringLiteral("vuoto.odt"));
    const Run run = runTool({QStringLiteral("stampa"), QStringLiteral("condomini"), empty,
                             QStringLiteral("-o"), output});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.err.contains(QStringLiteral("non vi sono dati da stampare")));
    QVERIFY(!QFileInfo::exists(output));
}

QTEST_GUILESS_MAIN(TestVeltraTool)
#include "tst_veltratool.moc"
