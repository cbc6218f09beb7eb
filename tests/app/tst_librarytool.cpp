#include "support/officereader.h"
#include "support/toolprocess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace veltra;

namespace {

const QString DataFolder = QStringLiteral(VELTRA_SOURCE_DIR "/data");

} // namespace

// veltra-tool on the reference library: the rulings as CSV and the library printouts.
class TestLibraryTool : public QObject
{
    Q_OBJECT

private slots:
    void rulingsAsCommaSeparatedValuesWithTheirSources();
    void printsTheRegulationTemplatesAndRulings();
    void refusesWhatItCannotPrint_data();
    void refusesWhatItCannotPrint();
    void malformedDataFileIsRefusedWithItsMessage();
    void dataFileCutShortIsRefusedByName_data();
    void dataFileCutShortIsRefusedByName();

private:
    QTemporaryDir m_dir;
};

void TestLibraryTool::rulingsAsCommaSeparatedValuesWithTheirSources()
{
    const ToolRun run = runTool({QStringLiteral("sentenze"), QStringLiteral("--dati"), DataFolder});
    QCOMPARE(run.exitCode, 0);
    const QStringList rows = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(rows.first(), QStringLiteral("argomento,numero,autorità,data,numero della decisione,fonti"));
    QCOMPARE(rows.size(), 1 + 165);
    // The first chimney-flue ruling: a wall of the building used for a flue.
    QVERIFY(rows.contains(QStringLiteral(
        "16,1,\"Cassazione civile, sez. II\",13/11/2020,25790,"
        "https://gbd.it/it/component/k2/item/63.html ; http://www.dirittoegiustizia.it/news/10/0000100876/"
        "L_appoggio_di_una_canna_fumaria_sulla_facciata_comune_e_illegittimo_se_deturpa_l_architettura_del_fabbricato.html")));
    // A decision of the United Sections, in the topic of the millesimal tables.
    QVERIFY(rows.contains(QStringLiteral(
        "34,1,\"Cassazione, Sezioni Unite civili\",09/08/2010,18477,"
        "https://foroeuropeo.it/giurisprudenza-condominio/condominio-massime-cassazione/339-tabelle-millesimali.html"
        " ; https://aziendacondominio.it/re-millesimi/101466")));
}

void TestLibraryTool::printsTheRegulationTemplatesAndRulings()
{
    const QString regulation = QDir(m_dir.path()).filePath(QStringLiteral("regolamento.odt"));
    const QString letter = QDir(m_dir.path()).filePath(QStringLiteral("modello.odt"));
    const QString rulings = QDir(m_dir.path()).filePath(QStringLiteral("sentenze.odt"));
    QCOMPARE(runTool({QStringLiteral("stampa"), QStringLiteral("regolamento"), QStringLiteral("--dati"),
                      DataFolder, QStringLiteral("-o"), regulation}).exitCode, 0);
    QCOMPARE(runTool({QStringLiteral("stampa"), QStringLiteral("modelli"), QStringLiteral("68"),
                      QStringLiteral("--dati"), DataFolder, QStringLiteral("-o"), letter}).exitCode, 0);
    QCOMPARE(runTool({QStringLiteral("stampa"), QStringLiteral("sentenze"), QStringLiteral("16"),
                      QStringLiteral("--da"), QStringLiteral("2"), QStringLiteral("--dati"), DataFolder,
                      QStringLiteral("-o"), rulings}).exitCode, 0);
    if (!OfficeReader::available())
        QSKIP("LibreOffice is not installed");
    OfficeReader reader;
    const QStringList texts = reader.texts({regulation, letter, rulings});
    const QStringList regulationLines = texts.value(0).split(QLatin1Char('\n'));
    QCOMPARE(regulationLines.value(0), QStringLiteral("Condominio: "));
    QVERIFY(regulationLines.contains(QStringLiteral("Regolamento di condominio")));
    QVERIFY(regulationLines.contains(QStringLiteral("Art. 9")));
    QVERIFY(regulationLines.contains(
        QStringLiteral("Approvato con delibera dell'assemblea n._____ del giorno________________")));
    QVERIFY(texts.value(1).contains(QStringLiteral("seconda convocazione")));
    const QStringList rulingLines = texts.value(2).split(QLatin1Char('\n'));
    QVERIFY(rulingLines.contains(QStringLiteral("Sentenza n.2: Canne fumarie")));
    QVERIFY(!rulingLines.contains(QStringLiteral("Sentenza n.1: Canne fumarie")));
}

void TestLibraryTool::refusesWhatItCannotPrint_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("template 71") << QStringList{QStringLiteral("modelli"), QStringLiteral("71")} << 2
                                 << QStringLiteral("veltra-tool: uso: veltra-tool stampa modelli N [--dati DATI] -o OUT\n");
    QTest::newRow("topic 37") << QStringList{QStringLiteral("sentenze"), QStringLiteral("37")} << 2
                              << QStringLiteral("veltra-tool: uso: veltra-tool stampa sentenze T [--da N] [--dati DATI] -o OUT\n");
    QTest::newRow("topic without rulings") << QStringList{QStringLiteral("sentenze"), QStringLiteral("2")} << 1
                                           << QStringLiteral("veltra-tool: Non vi è nulla da stampare: l'argomento 2 non ha sentenze.\n");
    QTest::newRow("from past the last") << QStringList{QStringLiteral("sentenze"), QStringLiteral("16"),
                                                       QStringLiteral("--da"), QStringLiteral("3")}
                                        << 2 << QStringLiteral("veltra-tool: l'argomento 16 ha le sentenze da 1 a 2\n");
    QTest::newRow("regulation takes no number") << QStringList{QStringLiteral("regolamento"), QStringLiteral("1")} << 2
                                                << QStringLiteral("veltra-tool: uso: veltra-tool stampa regolamento [--dati DATI] -o OUT\n");
}

void TestLibraryTool::refusesWhatItCannotPrint()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const QString output = QDir(m_dir.path()).filePath(QStringLiteral("rifiutato.odt"));
    const ToolRun run = runTool(QStringList{QStringLiteral("stampa")} + arguments
                                + QStringList{QStringLiteral("--dati"), DataFolder, QStringLiteral("-o"), output});
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.err, message);
    QVERIFY(!QFile::exists(output));
}

void TestLibraryTool::malformedDataFileIsRefusedWithItsMessage()
{
    QTemporaryDir folder;
    QFile file(QDir(folder.path()).filePath(QStringLiteral("sentenze.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[sentenza 1.1]\nSenza citazione.\nfonte: https://x.it\n# fine del file\n");
    file.close();
    const ToolRun run = runTool({QStringLiteral("sentenze"), QStringLiteral("--dati"), folder.path()});
    QCOMPARE(run.exitCode, 3);
    QCOMPARE(run.err, QStringLiteral("veltra-tool: Il file sentenze.txt non è leggibile: riga 2: la sentenza "
                                     "non termina con \" - (autorità, gg/mm/aaaa, n.numero)\".\n"));
    QVERIFY(run.out.isEmpty());
    const ToolRun missing = runTool({QStringLiteral("stampa"), QStringLiteral("regolamento"), QStringLiteral("--dati"),
                                     folder.path(), QStringLiteral("-o"), QDir(folder.path()).filePath(QStringLiteral("r.odt"))});
    QCOMPARE(missing.exitCode, 3);
    QCOMPARE(missing.err, QStringLiteral("veltra-tool: Il file regolamento.txt non è leggibile: il file manca o "
                                         "non si può aprire.\n"));
}


void TestLibraryTool::dataFileCutShortIsRefusedByName_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<double>("kept");
    QTest::addColumn<QStringList>("command");
    QTest::newRow("regulation at half") << "regolamento.txt" << 0.5 << QStringList{"stampa", "regolamento"};
    QTest::newRow("templates at 99 %") << "modelli.txt" << 0.99 << QStringList{"stampa", "modelli", "1"};
    QTest::newRow("rulings at 90 %") << "sentenze.txt" << 0.9 << QStringList{"sentenze"};
}

void TestLibraryTool::dataFileCutShortIsRefusedByName()
{
    QFETCH(QString, fileName);
    QFETCH(double, kept);
    QFETCH(QStringList, command);
    QTemporaryDir folder;
    QFile shipped(QDir(DataFolder).filePath(fileName));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    const QByteArray bytes = shipped.readAll();
    QFile cut(QDir(folder.path()).filePath(fileName));
    QVERIFY(cut.open(QIODevice::WriteOnly));
    cut.write(bytes.left(qsizetype(bytes.size() * kept)));
    cut.close();
    QStringList arguments = command;
    arguments << QStringLiteral("--dati") << folder.path();
    if (command.first() == QLatin1String("stampa"))
        arguments << QStringLiteral("-o") << QDir(folder.path()).filePath(QStringLiteral("x.odt"));
    const ToolRun run = runTool(arguments);
    QCOMPARE(run.exitCode, 3);
    QCOMPARE(run.err, QStringLiteral("veltra-tool: Il file %1 non è leggibile: il file è incompleto, manca "
                                     "l'ultima riga \"# fine del file\".\n").arg(fileName));
    QVERIFY(run.out.isEmpty());
}

QTEST_GUILESS_MAIN(TestLibraryTool)
#include "tst_librarytool.moc"
