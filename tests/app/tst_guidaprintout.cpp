#include "support/toolprocess.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace veltra;

class TestGuidaPrintout : public QObject
{
    Q_OBJECT

private slots:
    void wholeGuideHasEverySectionInOrder();
    void onePageByRowOrByWindowName_data();
    void onePageByRowOrByWindowName();
    void unknownPageAndExtraArgumentsAreRefused_data();
    void unknownPageAndExtraArgumentsAreRefused();

private:
    QByteArray render(const QStringList &arguments);

    QTemporaryDir m_folder;
};

QByteArray TestGuidaPrintout::render(const QStringList &arguments)
{
    const QString output = m_folder.filePath(QStringLiteral("guida.doc"));
    QFile::remove(output);
    const ToolRun run = runTool(QStringLiteral(VELTRA_TOOL_PATH),
                                QStringList{QStringLiteral("stampa"), QStringLiteral("guida")}
                                    + arguments + QStringList{QStringLiteral("-o"), output});
    if (run.exitCode != 0)
        qWarning("%s", qPrintable(run.err));
    QFile file(output);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestGuidaPrintout::wholeGuideHasEverySectionInOrder()
{
    const QByteArray rtf = render({});
    QVERIFY(rtf.startsWith("{\\rtf"));
    const QList<QByteArray> titles = {
        "Guida: MANUALE D'USO RAPIDO", "Guida: FUNZIONAMENTO DEL PROGRAMMA",
        "Guida: ARCHIVIO DATI",        "Guida: COME STAMPARE",
        "Guida: FINESTRA DATI",        "Guida: FINESTRA SPESE",
        "Guida: FINESTRA CONDUTTORE",  "Guida: FINESTRA PAGAMENTI",
        "Guida: FINESTRA ASSEMBLEA",   "Guida: FINESTRA CONVOCAZIONE",
        "Guida: FINESTRA SENTENZE",    "Guida: FINESTRA REGOLAMENTO",
        "Guida: FINESTRA MODELLI",     "Guida: FINESTRA ANAGRAFE",
        "Guida: DISPOSIZIONI DI ATTUAZIONE DEL C.C.",
        "Guida: CODICE CIVILE (Del condominio negli edifici)", "Guida: FINESTRA SEDUTA",
        "Guida: FINESTRA CONTABILIT",
    };
    qsizetype previous = -1;
    for (const QByteArray &title : titles) {
        const qsizetype at = rtf.indexOf(title);
        QVERIFY2(at > previous, title.constData());
        previous = at;
    }
    QCOMPARE(rtf.count("\\pagebb"), 17);
}

void TestGuidaPrintout::onePageByRowOrByWindowName_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QByteArray>("title");
    QTest::newRow("row 4") << QStringLiteral("4") << QByteArray("Guida: COME STAMPARE");
    QTest::newRow("window name") << QStringLiteral("guidacodice")
                                 << QByteArray("Guida: CODICE CIVILE (Del condominio negli edifici)");
    QTest::newRow("row 16") << QStringLiteral("16")
                            << QByteArray("Guida: CODICE CIVILE (Del condominio negli edifici)");
}

void TestGuidaPrintout::onePageByRowOrByWindowName()
{
    QFETCH(QString, page);
    QFETCH(QByteArray, title);
    const QByteArray rtf = render({page});
    QVERIFY(rtf.contains(title));
    QCOMPARE(rtf.count("Guida: "), 1);
    QCOMPARE(rtf.count("\\pagebb"), 0);
}

void TestGuidaPrintout::unknownPageAndExtraArgumentsAreRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("row 0") << QStringList{"0"} << 2 << QStringLiteral("non ha la pagina \"0\"");
    QTest::newRow("row 19") << QStringList{"19"} << 2 << QStringLiteral("non ha la pagina \"19\"");
    QTest::newRow("tips are no page") << QStringList{"frmTip"} << 2
                                      << QStringLiteral("non ha la pagina \"frmTip\"");
    QTest::newRow("two pages") << QStringList{"1", "2"} << 2
                               << QStringLiteral("uso: veltra-tool stampa guida [PAGINA] -o OUT");
}

void TestGuidaPrintout::unknownPageAndExtraArgumentsAreRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const QString output = m_folder.filePath(QStringLiteral("rifiutata.doc"));
    const ToolRun run = runTool(QStringLiteral(VELTRA_TOOL_PATH),
                                QStringList{QStringLiteral("stampa"), QStringLiteral("guida")}
                                    + arguments + QStringList{QStringLiteral("-o"), output});
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(run.err.count(QLatin1Char('\n')), 1);
    QVERIFY(!QFile::exists(output));
}

QTEST_APPLESS_MAIN(TestGuidaPrintout)
#include "tst_guidaprintout.moc"
