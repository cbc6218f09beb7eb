#include "core/state/sharedstate.h"
#include "support/officereader.h"
#include "support/registryfixture.h"
#include "support/scriptedplatform.h"
#include "ui/dati/datiwindow.h"
#include "ui/frame/shell.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <sys/stat.h>

using namespace veltra;
using RegistryFixture::addOwner;
using RegistryFixture::makeUnit;

namespace {

// Two owners on floors 1 and 2, one unit each, heating by radiant surface.
const QByteArray GoodArchive =
    "\"Aurora\",2,2\r\n"
    "\"Rossi\",\"via Roma 1\",\"1\",1,500\r\n"
    "\"camera\",\"20\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"60\"\r\n"
    "\"Bianchi\",\"via Roma 1\",\"2\",1,500\r\n"
    "\"cucina\",\"20\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"40\"\r\n";

} // namespace

// The archive commands of the condominium window, its data check and its printouts' start.
class TestDatiWindowArchive : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void openShowsArchiveAndMarksHeatingOption();
    void openedArchiveRecomputesMillesimiTypedOver();
    void openTruncatedFileAnsweredYesLoadsWhatWasRead();
    void openTruncatedFileAnsweredNoKeepsCurrentData();
    void wrongFileAnsweredYesKeepsNothingOfThePreviousCondominium();
    void cancelledOpenLeavesNoArchiveName();
    void saveWithoutOwnersIsRefusedByTheCheck();
    void saveWithMissingDatumWritesNothing();
    void saveWithQuoteIsRefusedNamingTheField();
    void saveWritesArchiveAndSaveAgainUsesItsName();
    void saveAsCancelledKeepsTheArchiveName();
    void saveThatCannotBeWrittenTellsOnceAndKeepsOldFile();
    void pathThatIsNoFileIsNamedAndNeverSavedThrough_data();
    void pathThatIsNoFileIsNamedAndNeverSavedThrough();
    void saveOverAFileChangedElsewhereAsks();
    void checkCommandConfirmsCompleteData();
    void printWithoutOwnersSaysNothingToPrint();
    void printMovesOwnerListByPages();
    void rowPrintButtonPrintsOneSheetAndIsForgotten();
    void everyOwnerPrintIsRefusedWithTheCheckMessage();
    void saveDialogProposesTheArchiveNameAndAddsThePrefix();
    void failedSaveLeavesTheWorkingFolder();

private:
    QString writeFile(const QString &name, const QByteArray &content) const;
    void typeSomething();
    void fillComplete();
    void trigger(const QString &caption);

    QTemporaryDir m_dir;
    SharedState *m_state = nullptr;
    ScriptedPlatform *m_platform = nullptr;
    Shell *m_shell = nullptr;
    DatiWindow *m_window = nullptr;
};

// Printed documents go to the documents folder of a home of the test's own.
void TestDatiWindowArchive::initTestCase()
{
    QVERIFY(m_dir.isValid());
    qputenv("HOME", m_dir.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", m_dir.path().toLocal8Bit());
}

void TestDatiWindowArchive::init()
{
    m_state = new SharedState;
    m_state->initSharedStrings();
    m_platform = new ScriptedPlatform;
    m_shell = new Shell(*m_state, *m_platform, QStringLiteral(VELTRA_SOURCE_DIR "/assets"));
    m_shell->showWorkWindow(1);
    m_window = qobject_cast<DatiWindow *>(m_shell->existingWorkWindow(1));
    QVERIFY(m_window);
}

void TestDatiWindowArchive::cleanup()
{
    delete m_shell;
    delete m_platform;
    delete m_state;
}

QString TestDatiWindowArchive::writeFile(const QString &name, const QByteArray &content) const
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestDatiWindowArchive::typeSomething()
{
    QTest::keyClicks(m_window->findChild<QLineEdit *>(QStringLiteral("nome")),
                     QStringLiteral("Corte"));
    QTest::keyClicks(m_window->findChild<QLineEdit *>(QStringLiteral("nomcond_1")),
                     QStringLiteral("Neri"));
}

void TestDatiWindowArchive::fillComplete()
{
    m_state->condoName = QStringLiteral("Aurora");
    addOwner(*m_state, QStringLiteral("Rossi"), QStringLiteral("1"), {makeUnit(QStringLiteral("20"))});
    addOwner(*m_state, QStringLiteral("Bianchi"), QStringLiteral("2"), {makeUnit(QStringLiteral("30"))});
    m_window->refreshOwnerRows();
    m_window->findChild<QRadioButton *>(QStringLiteral("Option1_1"))->click();
}

// The menu entry of that caption; the tool bar's buttons carry their tooltips as text.
void TestDatiWindowArchive::trigger(const QString &caption)
{
    for (QAction *action : m_window->findChildren<QAction *>()) {
        if (action->text() == caption && !qobject_cast<QToolBar *>(action->parent()))
            action->trigger();
    }
}

void TestDatiWindowArchive::openShowsArchiveAndMarksHeatingOption()
{
    const QString path = writeFile(QStringLiteral("Veltra-dati-Aurora"), GoodArchive);
    m_platform->fileNames.enqueue(path);
    m_window->findChild<QAction *>(QStringLiteral("apri"))->trigger();

    const FileDialogRequest &dialog = m_platform->dialogs.last();
    QCOMPARE(dialog.title, QStringLiteral("Apri file"));
    QCOMPARE(dialog.filter, QStringLiteral("Tutti i file (*.*) | *.*|File Veltra-dati- | Veltra-dati-*"));
    QCOMPARE(dialog.selectedFilter, 2);
    QCOMPARE(m_window->archiveName(), path);
    QCOMPARE(m_state->ownerCount, 2);
    QCOMPARE(m_window->findChild<QLineEdit *>(QStringLiteral("nome"))->text(), QStringLiteral("Aurora"));
    QCOMPARE(m_window->findChild<QLineEdit *>(QStringLiteral("nomcond_2"))->text(),
             QStringLiteral("Bianchi"));
    QCOMPARE(m_window->findChild<QLineEdit *>(QStringLiteral("rad_1"))->text(), QStringLiteral("60"));
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("2"));
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("mill_1"))->text(), QStringLiteral("500"));
    QCOMPARE(m_window->heatingOption(), 2);
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("Label13"))->text(),
             QStringLiteral("sup. radiante"));
    QCOMPARE(m_window->passo()->text(),
             QStringLiteral("correggere, archiviare quanto immesso, digitare ulteriori dati, "
                            "andare oltre (stampa, ripartizione spese)"));
    QVERIFY(m_platform->messages.isEmpty());
}

// Millesimi typed over in the expense window travel in the archive as texts; opening the
// archive here recomputes the tables from the surfaces, 20 and 60 square metres.
void TestDatiWindowArchive::openedArchiveRecomputesMillesimiTypedOver()
{
    const QString path = writeFile(
        QStringLiteral("Veltra-dati-Aurora"),
        "\"Aurora\",2,1\r\n"
        "\"Rossi\",\"via Roma 1\",\"1\",1,\"400\"\r\n"
        "\"camera\",\"20\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"60\"\r\n"
        "\"Bianchi\",\"via Roma 1\",\"2\",1,\"600\"\r\n"
        "\"cucina\",\"60\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\",\"40\"\r\n");
    m_platform->fileNames.enqueue(path);
    m_window->openArchive();
    QCOMPARE(m_state->owner(1).ownerMillesimi, Cell::fromNumber(250));
    QCOMPARE(m_state->owner(2).ownerMillesimi, Cell::fromNumber(750));
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("mill_1"))->text(), QStringLiteral("250"));
    QVERIFY(m_platform->messages.isEmpty());
}

void TestDatiWindowArchive::openTruncatedFileAnsweredYesLoadsWhatWasRead()
{
    typeSomething();
    const QString path =
        writeFile(QStringLiteral("Veltra-dati-rotto"), GoodArchive.left(GoodArchive.indexOf("\"Bianchi\"")));
    m_platform->choices.enqueue(1); // what was typed is not saved first
    m_platform->fileNames.enqueue(path);
    m_platform->answers.enqueue(true);
    m_window->openArchive();
    QCOMPARE(m_platform->messages.size(), 2);
    QCOMPARE(m_platform->lastMessage().title, m_state->texts.checkTitle);
    QVERIFY(m_platform->lastMessage().question);
    QVERIFY(m_platform->lastMessage().text.contains(QStringLiteral("riga 4")));
    QCOMPARE(m_state->condoName, QStringLiteral("Aurora"));
    QCOMPARE(m_state->ownerCount, 1);
    QCOMPARE(m_state->owner(1).ownerName, QStringLiteral("Rossi"));
    QCOMPARE(m_window->findChild<QLineEdit *>(QStringLiteral("nomcond_1"))->text(),
             QStringLiteral("Rossi"));
    QCOMPARE(m_window->archiveName(), path);
}

void TestDatiWindowArchive::openTruncatedFileAnsweredNoKeepsCurrentData()
{
    const QString good = writeFile(QStringLiteral("Veltra-dati-Aurora"), GoodArchive);
    m_platform->fileNames.enqueue(good);
    m_window->openArchive();
    QTest::keyClicks(m_window->findChild<QLineEdit *>(QStringLiteral("nomcond_3")),
                     QStringLiteral("Neri"));

    const QString wrong = writeFile(QStringLiteral("Veltra-spese-Aurora"), "1234,\"luce\"\r\n");
    m_platform->fileNames.enqueue(wrong);
    m_platform->answers.enqueue(false);
    m_window->openArchive();
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_state->condoName, QStringLiteral("Aurora"));
    QCOMPARE(m_state->ownerCount, 3);
    QCOMPARE(m_state->owner(3).ownerName, QStringLiteral("Neri"));
    QCOMPARE(m_window->findChild<QLineEdit *>(QStringLiteral("nomcond_3"))->text(),
             QStringLiteral("Neri"));
    // The next save goes to the archive the data came from, not to the wrong file.
    QCOMPARE(m_window->archiveName(), good);
}

// An expense file opened as a condominium archive fails in its first line: what the window
// shows afterwards comes from that file alone, not from the condominium opened before.
void TestDatiWindowArchive::wrongFileAnsweredYesKeepsNothingOfThePreviousCondominium()
{
    m_platform->fileNames.enqueue(writeFile(QStringLiteral("Veltra-dati-Aurora"), GoodArchive));
    m_window->openArchive();
    QCOMPARE(m_window->heatingOption(), 2);
    auto *frame = m_window->findChild<QGroupBox *>(QStringLiteral("Frame1"));
    QVERIFY2(frame->title().endsWith(QStringLiteral("millesimi totali: 500,000")),
             qPrintable(frame->title()));

    m_platform->fileNames.enqueue(
        writeFile(QStringLiteral("Veltra-spese-Aurora"), "1234,\"luce\"\r\n"));
    m_platform->answers.enqueue(true);
    m_window->openArchive();
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_state->ownerCount, 0);
    QCOMPARE(m_state->heatingBasis, 0);
    QCOMPARE(m_window->heatingOption(), 0);
    QVERIFY(!m_window->findChild<QRadioButton *>(QStringLiteral("Option1_1"))->isChecked());
    QVERIFY(!m_window->findChild<QRadioButton *>(QStringLiteral("Option1_2"))->isChecked());
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("Label13"))->text(),
             QStringLiteral("riscald."));
    QVERIFY2(!frame->title().contains(QStringLiteral("500")), qPrintable(frame->title()));
}

void TestDatiWindowArchive::cancelledOpenLeavesNoArchiveName()
{
    m_platform->fileNames.enqueue(writeFile(QStringLiteral("Veltra-dati-Aurora"), GoodArchive));
    m_window->openArchive();
    m_platform->fileNames.enqueue(QString());
    m_window->openArchive();
    QCOMPARE(m_window->archiveName(), QString());
    QCOMPARE(m_state->ownerCount, 2); // nothing else changes

    m_platform->fileNames.enqueue(QString());
    m_window->findChild<QAction *>(QStringLiteral("salva"))->trigger();
    QCOMPARE(m_platform->dialogs.size(), 3);
    QCOMPARE(m_platform->dialogs.last().title, QStringLiteral("Salva file"));
    QCOMPARE(m_platform->dialogs.last().filter, QStringLiteral("File Veltra-dati- | Veltra-dati-*"));
    QCOMPARE(m_platform->dialogs.last().selectedFilter, 1);
}

void TestDatiWindowArchive::saveWithoutOwnersIsRefusedByTheCheck()
{
    QTest::keyClicks(m_window->findChild<QLineEdit *>(QStringLiteral("nome")), QStringLiteral("Aurora"));
    m_window->saveArchive();
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->lastMessage().icon, MessageIcon::Exclamation);
    QCOMPARE(m_platform->lastMessage().title, m_state->texts.checkTitle);
    QVERIFY(m_platform->lastMessage().text.startsWith(QStringLiteral("Non esistono dati riconosciuti:")));
    QVERIFY(m_platform->dialogs.isEmpty());
}

void TestDatiWindowArchive::saveWithMissingDatumWritesNothing()
{
    fillComplete();
    m_state->unit(2, 1).coeffLight.clear();
    const QString path = m_dir.filePath(QStringLiteral("Veltra-dati-nuovo"));
    m_platform->fileNames.enqueue(path);
    m_window->saveArchive();
    QCOMPARE(m_platform->lastMessage().icon, MessageIcon::Critical);
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("Condomino n. 2:\n- digitare il coefficiente di luminosità del locale n. 1"));
    QVERIFY(m_platform->dialogs.isEmpty());
    QVERIFY(!QFile::exists(path));
}

void TestDatiWindowArchive::saveWithQuoteIsRefusedNamingTheField()
{
    fillComplete();
    QLineEdit *name = m_window->findChild<QLineEdit *>(QStringLiteral("nomcond_2"));
    name->clear();
    QTest::keyClicks(name, QStringLiteral("Bianchi \"Gino\""));
    const QString path = m_dir.filePath(QStringLiteral("Veltra-dati-nuovo"));
    m_platform->fileNames.enqueue(path);
    m_window->saveArchive();
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->lastMessage().title, m_state->texts.checkTitle);
    QVERIFY2(m_platform->lastMessage().text.contains(QStringLiteral("condomino n. 2")),
             qPrintable(m_platform->lastMessage().text));
    QVERIFY(m_platform->dialogs.isEmpty());
    QVERIFY(!QFile::exists(path));
}

void TestDatiWindowArchive::saveWritesArchiveAndSaveAgainUsesItsName()
{
    fillComplete();
    const QString path = m_dir.filePath(QStringLiteral("Veltra-dati-Aurora"));
    m_platform->fileNames.enqueue(path);
    m_window->saveArchive();
    QVERIFY(m_platform->messages.isEmpty());
    QCOMPARE(m_window->archiveName(), path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("\"Aurora\",2,1\r\n\"Rossi\",\"via Roma 1\",\"1\",1,400"));
    file.close();

    QLineEdit *name = m_window->findChild<QLineEdit *>(QStringLiteral("nomcond_1"));
    QTest::keyClicks(name, QStringLiteral(" Mario"));
    m_window->saveArchive();
    QCOMPARE(m_platform->dialogs.size(), 1); // no second dialog
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("\"Rossi Mario\""));
}

void TestDatiWindowArchive::saveAsCancelledKeepsTheArchiveName()
{
    fillComplete();
    const QString path = m_dir.filePath(QStringLiteral("Veltra-dati-Aurora"));
    m_platform->fileNames.enqueue(path);
    m_window->saveArchive();
    m_platform->fileNames.enqueue(QString());
    m_window->findChild<QAction *>(QStringLiteral("salvanome"))->trigger();
    QCOMPARE(m_platform->dialogs.last().title, QStringLiteral("Salva file con nome"));
    QCOMPARE(m_window->archiveName(), path);
}

void TestDatiWindowArchive::saveThatCannotBeWrittenTellsOnceAndKeepsOldFile()
{
    fillComplete();
    const QString locked = m_dir.filePath(QStringLiteral("chiusa"));
    QVERIFY(QDir().mkpath(locked));
    const QByteArray old = "contenuto precedente\r\n";
    QFile previous(locked + QStringLiteral("/Veltra-dati-Aurora"));
    QVERIFY(previous.open(QIODevice::WriteOnly));
    previous.write(old);
    previous.close();
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile probe(locked + QStringLiteral("/prova"));
    const bool folderLocked = !probe.open(QIODevice::WriteOnly);

    // A folder as target can never be written, whoever runs the test.
    const QString target = folderLocked ? previous.fileName() : locked;
    m_platform->fileNames.enqueue(target);
    m_window->saveArchive();
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                      | QFileDevice::ExeOwner);
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->lastMessage().icon, MessageIcon::Critical);
    QVERIFY(m_platform->lastMessage().text.contains(target));
    QCOMPARE(m_window->archiveName(), QString());
    QVERIFY(previous.open(QIODevice::ReadOnly));
    QCOMPARE(previous.readAll(), old);
}

void TestDatiWindowArchive::pathThatIsNoFileIsNamedAndNeverSavedThrough_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("cause");
    QTest::newRow("folder") << "folder" << QStringLiteral("è una cartella, non un file");
    QTest::newRow("dangling link") << "dangling" << QStringLiteral("collegamento interrotto");
    QTest::newRow("link loop") << "loop" << QStringLiteral("collegamento interrotto");
    QTest::newRow("pipe") << "pipe" << QStringLiteral("non è un file ordinario");
}

// The path is named with its cause; the data on screen stay, and the next save asks for a
// name instead of writing through the path (a dangling link would create its target).
void TestDatiWindowArchive::pathThatIsNoFileIsNamedAndNeverSavedThrough()
{
    QFETCH(QString, kind);
    QFETCH(QString, cause);
    fillComplete();
    const QString path = m_dir.filePath(QStringLiteral("Veltra-dati-") + kind);
    const QString target = m_dir.filePath(QStringLiteral("bersaglio-") + kind);
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(path));
    else if (kind == QLatin1String("dangling"))
        QVERIFY(QFile::link(target, path));
    else if (kind == QLatin1String("loop"))
        QVERIFY(QFile::link(path, path));
    else
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    m_platform->choices.enqueue(1); // the unsaved data are not saved before the opening
    m_platform->fileNames.enqueue(path);
    m_window->openArchive();
    QCOMPARE(m_platform->messages.size(), 2);
    QCOMPARE(m_platform->lastMessage().icon, MessageIcon::Critical);
    QVERIFY(m_platform->lastMessage().text.contains(path));
    QVERIFY2(m_platform->lastMessage().text.contains(cause), qPrintable(m_platform->lastMessage().text));
    QCOMPARE(m_window->archiveName(), QString());
    QCOMPARE(m_state->ownerCount, 2);

    m_platform->fileNames.enqueue(QString());
    m_window->saveArchive();
    QCOMPARE(m_platform->dialogs.size(), 2);
    QVERIFY(!QFile::exists(target));
}

void TestDatiWindowArchive::saveOverAFileChangedElsewhereAsks()
{
    fillComplete();
    const QString path = m_dir.filePath(QStringLiteral("Veltra-dati-Aurora"));
    m_platform->fileNames.enqueue(path);
    m_window->saveArchive();
    // Another program saves the same file, keeping its size.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QByteArray other = file.readAll();
    other.replace("Rossi", "Verdi");
    QVERIFY(file.seek(0));
    file.write(other);
    file.close();
    auto contents = [](const QString &name) {
        QFile read(name);
        return read.open(QIODevice::ReadOnly) ? read.readAll() : QByteArray();
    };

    m_platform->choices.enqueue(2); // Annulla
    m_window->saveArchive();
    QCOMPARE(m_platform->lastMessage().text.contains(QStringLiteral("modificato da un altro programma")), true);
    QCOMPARE(contents(path), other);

    const QString copy = m_dir.filePath(QStringLiteral("Veltra-dati-Aurora copia"));
    m_platform->choices.enqueue(1); // Salva con nome
    m_platform->fileNames.enqueue(copy);
    m_window->saveArchive();
    QCOMPARE(contents(path), other);
    QVERIFY(contents(copy).contains("\"Rossi\""));
    QCOMPARE(m_window->archiveName(), copy);

    // Saved by the window itself, the copy is replaced without a question.
    const int questions = m_platform->messages.size();
    m_window->saveArchive();
    QCOMPARE(m_platform->messages.size(), questions);

    m_platform->fileNames.enqueue(path);
    m_window->openArchive();
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Append));
    file.write("\r\n");
    file.close();
    m_platform->choices.enqueue(0); // Sovrascrivi
    m_window->saveArchive();
    QVERIFY(contents(path).startsWith("\"Aurora\""));
    QVERIFY(!contents(path).endsWith("\r\n\r\n"));
}

void TestDatiWindowArchive::checkCommandConfirmsCompleteData()
{
    fillComplete();
    m_window->toolBar()->findChild<QAction *>(QStringLiteral("button18"))->trigger();
    QCOMPARE(m_platform->lastMessage().icon, MessageIcon::Information);
    QCOMPARE(m_platform->lastMessage().title, m_state->texts.checkTitle);
    QCOMPARE(m_platform->lastMessage().text, QStringLiteral("I dati sono stati immessi correttamente."));
}

void TestDatiWindowArchive::printWithoutOwnersSaysNothingToPrint()
{
    m_window->setStepHint(QStringLiteral("prima"));
    m_window->printComplete();
    QCOMPARE(m_platform->lastMessage().icon, MessageIcon::Question);
    QCOMPARE(m_platform->lastMessage().text, QStringLiteral("Attenzione: non vi sono dati da stampare."));
    QVERIFY(m_platform->documents.isEmpty());
    QCOMPARE(m_window->passo()->text(), QStringLiteral("prima"));
}

void TestDatiWindowArchive::printMovesOwnerListByPages()
{
    RegistryFixture::fillRegistry(*m_state, 12, 2);
    m_window->refreshOwnerRows();
    m_platform->documentsOpen = false; // no word processor: the document stays where written
    m_window->printMillesimalTable();
    QCOMPARE(m_window->ownerTop(), 11);
    QCOMPARE(m_window->findChild<QLineEdit *>(QStringLiteral("nomcond_2"))->text(),
             QStringLiteral("Condomino 12"));
}

// Row 2 of the page that begins with owner 6 is owner 7: his sheet alone, and the next
// "&dati condomini" prints every owner again.
void TestDatiWindowArchive::rowPrintButtonPrintsOneSheetAndIsForgotten()
{
    RegistryFixture::fillRegistry(*m_state, 8, 1);
    m_window->refreshOwnerRows();
    m_window->findChild<QScrollBar *>(QStringLiteral("VScroll1"))->setValue(6);
    QTest::mouseClick(m_window->findChild<QPushButton *>(QStringLiteral("stamp_2")),
                      Qt::LeftButton);
    QCOMPARE(m_window->printOwner(), 0);
    QCOMPARE(m_platform->documents.size(), 1);
    QVERIFY(m_window->passo()->text().startsWith(QStringLiteral("ho visualizzato i dati su WORD")));

    for (QAction *action : m_window->findChildren<QAction *>()) {
        if (action->text() == QStringLiteral("&dati condomini"))
            action->trigger();
    }
    QCOMPARE(m_platform->documents.size(), 2);
    if (!OfficeReader::available())
        QSKIP("LibreOffice is not installed");
    OfficeReader reader;
    const QStringList texts = reader.texts(m_platform->documents);
    const QString heading = QStringLiteral("Tabella analitica del condomino n. %1");
    QCOMPARE(texts.value(0).count(QStringLiteral("Tabella analitica del condomino n.")), 1);
    QVERIFY(texts.value(0).contains(heading.arg(7)));
    QVERIFY(texts.value(0).contains(QStringLiteral("Condomino 7")));
    QCOMPARE(texts.value(1).count(QStringLiteral("Tabella analitica del condomino n.")), 8);
    QVERIFY(texts.value(1).contains(heading.arg(1)));
    QVERIFY(texts.value(1).contains(heading.arg(8)));
}

// A surface of 20 digits swallows every millesimo; no owner printout may carry that, and each
// tells the user what the check tells him. The blank data form needs no data.
void TestDatiWindowArchive::everyOwnerPrintIsRefusedWithTheCheckMessage()
{
    fillComplete();
    QLineEdit *surface = m_window->findChild<QLineEdit *>(QStringLiteral("sup_1"));
    surface->clear();
    QTest::keyClicks(surface, QStringLiteral("12345678901234567890"));
    m_window->checkData();
    QCOMPARE(m_platform->messages.size(), 1);
    const ScriptedPlatform::Message check = m_platform->lastMessage();
    QCOMPARE(check.icon, MessageIcon::Critical);
    QVERIFY2(check.text.startsWith(QStringLiteral("Condomino n. 1:\n")), qPrintable(check.text));

    m_window->setStepHint(QStringLiteral("prima"));
    const QStringList prints = {QStringLiteral("solo tabella &millesimi"),
                                QStringLiteral("&dati condomini"), QStringLiteral("stampa completa")};
    for (const QString &print : prints)
        trigger(print);
    m_window->toolBar()->findChild<QAction *>(QStringLiteral("button4"))->trigger();
    QTest::mouseClick(m_window->findChild<QPushButton *>(QStringLiteral("stamp_2")), Qt::LeftButton);
    QCOMPARE(m_platform->messages.size(), 6);
    for (int m = 1; m < 6; ++m) {
        QCOMPARE(m_platform->messages.at(m).text, check.text);
        QCOMPARE(m_platform->messages.at(m).icon, MessageIcon::Critical);
        QCOMPARE(m_platform->messages.at(m).title, m_state->texts.checkTitle);
    }
    QVERIFY(m_platform->documents.isEmpty());
    QCOMPARE(m_window->passo()->text(), QStringLiteral("prima"));

    m_platform->documentsOpen = false;
    trigger(QStringLiteral("&modello acquisizione dati"));
    QCOMPARE(m_platform->documents.size(), 1);
}

// "Salva con nome..." proposes the file the data came from, "&Salva" of a new archive the
// prefix and the condominium's name; a name typed without the prefix is saved with it.
void TestDatiWindowArchive::saveDialogProposesTheArchiveNameAndAddsThePrefix()
{
    fillComplete();
    m_platform->fileNames.enqueue(m_dir.filePath(QStringLiteral("Aurora 2027")));
    m_window->saveArchive();
    QCOMPARE(m_platform->dialogs.last().proposedName, QStringLiteral("Veltra-dati-Aurora"));
    const QString prefixed = m_dir.filePath(QStringLiteral("Veltra-dati-Aurora 2027"));
    QCOMPARE(m_window->archiveName(), prefixed);
    QVERIFY(QFileInfo::exists(prefixed));
    QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("Aurora 2027"))));
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY(m_platform->lastMessage().text.contains(prefixed));

    m_platform->fileNames.enqueue(QString());
    m_window->saveArchiveAs();
    QCOMPARE(m_platform->dialogs.last().proposedName, prefixed);

    // Over an existing file of the prefixed name the user decides; No writes nothing.
    m_platform->fileNames.enqueue(m_dir.filePath(QStringLiteral("Aurora 2027")));
    m_platform->answers.enqueue(false);
    m_window->saveArchiveAs();
    QVERIFY(m_platform->lastMessage().question);
    QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("Aurora 2027"))));
    QCOMPARE(m_window->archiveName(), prefixed);
}

void TestDatiWindowArchive::failedSaveLeavesTheWorkingFolder()
{
    fillComplete();
    const QString start = QDir::currentPath();
    const QString working = m_dir.filePath(QStringLiteral("lavoro"));
    QVERIFY(QDir().mkpath(working));
    QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("Veltra-dati-cartella"))));
    QDir::setCurrent(working);
    // A folder as target can never be written.
    m_platform->fileNames.enqueue(m_dir.filePath(QStringLiteral("Veltra-dati-cartella")));
    m_window->saveArchive();
    QCOMPARE(m_platform->lastMessage().icon, MessageIcon::Critical);
    const QString afterFailure = QDir::currentPath();

    m_platform->fileNames.enqueue(m_dir.filePath(QStringLiteral("Veltra-dati-Aurora")));
    m_window->saveArchiveAs();
    const QString afterSave = QDir::currentPath();
    QDir::setCurrent(start);
    QCOMPARE(afterFailure, QDir(working).absolutePath());
    QCOMPARE(afterSave, QDir(m_dir.path()).absolutePath());
}

QTEST_MAIN(TestDatiWindowArchive)
#include "tst_datiwindowarchive.moc"
