#include "core/meeting/decreefile.h"
#include "core/meeting/meetingfile.h"
#include "core/meeting/minutesregister.h"
#include "core/registry/condominiumarchive.h"
#include "support/workwindowfixture.h"
#include "ui/seduta/decretiwindow.h"
#include "ui/seduta/sedutawindow.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

using namespace veltra;

namespace {

const QString Sample = QStringLiteral(VELTRA_SOURCE_DIR "/data/esempio/");
const QString SampleMeeting = QStringLiteral("Veltra-seduta-Condominio Le Magnolie- 2026-04-15");

} // namespace

// The meeting window on the sample condominium: figures counted again at every change,
// the quick entry of votes, the meeting file and the register of minutes.
class TestSedutaWindow : public QObject, public WorkWindowFixture<SedutaWindow>
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void attendanceChangesTheQuorumAtOnce();
    void allInFavourThenTheExceptions();
    void savesPrintsAndTranscribesTheMeeting();
    void unsavedMeetingAsksBeforeItIsGivenUp();
    void courtDecreesAreTypedSavedAndAskedAboutBeforeTheyAreGivenUp();

private:
    QComboBox *cellCombo(const QString &table, int row, int column) const
    {
        return qobject_cast<QComboBox *>(control<QTableWidget>(table)->cellWidget(row, column));
    }
    QString quorumText() const { return control<QLabel>(QStringLiteral("costituzione"))->text(); }
    QString resultText() const { return control<QLabel>(QStringLiteral("esito"))->text(); }

    QTemporaryDir m_dir;
};

void TestSedutaWindow::init()
{
    createState();
    const CondominiumArchive::LoadResult archive =
        CondominiumArchive::load(Sample + QStringLiteral("Veltra-dati-Condominio Le Magnolie"));
    QVERIFY(archive.isComplete());
    CondominiumArchive::apply(archive, *m_state);
    QVERIFY(openWindow(SedutaWindow::Number));
}

void TestSedutaWindow::cleanup()
{
    deleteWindow();
}

void TestSedutaWindow::attendanceChangesTheQuorumAtOnce()
{
    const QString csv = m_dir.filePath(QStringLiteral("presenze.csv"));
    QFile file(csv);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("2;presente\n3;presente\n4;presente\n6;presente\n7;delegato;Colombo Anna\n8;presente\n10;presente\n");
    file.close();
    m_platform->fileNames.enqueue(csv);
    control<QPushButton>(QStringLiteral("leggipresenze"))->click();
    // Owners 2, 3, 4, 6, 7, 8 and 10: 820,524 of 1000,001 millesimi.
    QVERIFY2(quorumText().startsWith(QStringLiteral("Intervenuti 7 teste, 820,524 mill. su 10 teste, 1000,001 mill.")),
             qPrintable(quorumText()));
    QVERIFY(quorumText().endsWith(QStringLiteral(": COSTITUITA")));
    QCOMPARE(m_window->meeting().attendance(7).delegate, QStringLiteral("Colombo Anna"));
    // Owner 10 (164,384) leaving takes the value to 656,140, below two thirds.
    cellCombo(QStringLiteral("presenze"), 9, 2)->setCurrentIndex(0);
    QVERIFY2(quorumText().startsWith(QStringLiteral("Intervenuti 6 teste, 656,140 mill.")), qPrintable(quorumText()));
    QVERIFY(quorumText().contains(QStringLiteral("NON COSTITUITA")));
}

void TestSedutaWindow::allInFavourThenTheExceptions()
{
    // A meeting of another condominium is not counted on these owners.
    const QString other = m_dir.filePath(QStringLiteral("Veltra-seduta-Tigli- 2027-03-10"));
    QVERIFY(MeetingFile::save(QStringLiteral("Tigli"), Meeting(), other));
    m_platform->fileNames.enqueue(other);
    m_window->openArchive();
    QVERIFY(m_platform->lastMessage().text.contains(QStringLiteral("è del condominio \"Tigli\"")));
    QCOMPARE(m_window->archiveName(), QString());
    m_platform->fileNames.enqueue(Sample + SampleMeeting);
    m_window->openArchive();
    QCOMPARE(m_window->currentPoint(), 1);
    control<QPushButton>(QStringLiteral("tuttifavorevoli"))->click();
    QVERIFY2(resultText().startsWith(QStringLiteral("F 7 teste, 820,524 mill.; C 0 teste")), qPrintable(resultText()));
    // De Luca Antonio (owner 6, 123,086) is the fourth attendee listed.
    cellCombo(QStringLiteral("voti"), 3, 1)->setCurrentIndex(2);
    QVERIFY2(resultText().startsWith(QStringLiteral("F 6 teste, 697,438 mill.; C 1 teste, 123,086 mill.")),
             qPrintable(resultText()));
    QVERIFY(resultText().contains(QStringLiteral("APPROVATA (art. 1136 c. 2 c.c.)")));
    // An expense borne by owners 2 to 4 and 6 alone: only they vote, De Luca's vote stands.
    auto *entitled = control<QLineEdit>(QStringLiteral("aventidiritto"));
    entitled->setText(QStringLiteral("6, 2-4"));
    emit entitled->editingFinished();
    QCOMPARE(m_window->meeting().points.at(0).entitled, (QList<int>{2, 3, 4, 6}));
    QCOMPARE(entitled->text(), QStringLiteral("2-4, 6"));
    auto *voters = control<QTableWidget>(QStringLiteral("voti"));
    QVERIFY(voters->rowCount() >= 1 && voters->rowCount() <= 4);
    QVERIFY2(resultText().contains(QStringLiteral("C 1 teste, 123,086 mill.")), qPrintable(resultText()));
    entitled->setText(QStringLiteral("2-40"));
    emit entitled->editingFinished();
    QVERIFY(m_platform->lastMessage().text.contains(QStringLiteral("non è un elenco di condomini")));
    QCOMPARE(m_window->meeting().points.at(0).entitled, (QList<int>{2, 3, 4, 6}));
    // Point 3 of the sample has 4 of 8 heads in favour: not a majority of the attendees.
    control<QSpinBox>(QStringLiteral("punto"))->setValue(3);
    QVERIFY2(resultText().startsWith(QStringLiteral("F 4 teste, 544,718 mill.")), qPrintable(resultText()));
    QVERIFY(resultText().contains(QStringLiteral("RESPINTA")));
}

void TestSedutaWindow::savesPrintsAndTranscribesTheMeeting()
{
    m_platform->fileNames.enqueue(Sample + SampleMeeting);
    m_window->openArchive();
    control<QPushButton>(QStringLiteral("tuttifavorevoli"))->click();
    const QString path = m_dir.filePath(SampleMeeting);
    m_platform->fileNames.enqueue(path);
    m_window->saveArchiveAs();
    const MeetingFile::LoadResult saved = MeetingFile::load(path);
    QVERIFY(saved.isComplete());
    QCOMPARE(saved.meeting.points.at(0).vote(6), Vote::For);
    QCOMPARE(saved.meeting.points.at(1).votes.size(), 8);

    m_window->printMain();
    QCOMPARE(m_platform->documents.size(), 1);
    m_window->transcribeMinutes();
    const MinutesRegister::LoadResult entries =
        MinutesRegister::load(m_dir.filePath(QStringLiteral("Veltra-verbali-Condominio Le Magnolie")));
    QVERIFY(entries.isComplete());
    QCOMPARE(entries.entries.size(), 1);
    QCOMPARE(entries.entries.first().entryDate, QStringLiteral("09/12/2026"));
}

void TestSedutaWindow::unsavedMeetingAsksBeforeItIsGivenUp()
{
    QVERIFY(!m_window->hasUnsavedChanges());
    control<QLineEdit>(QStringLiteral("presidente"))->setText(QStringLiteral("Fontana Paolo"));
    QVERIFY(m_window->hasUnsavedChanges());
    m_platform->choices.enqueue(2);
    QVERIFY(!m_window->settleUnsavedChanges());
    QCOMPARE(m_platform->lastMessage().buttons,
             (QStringList{"Salva", "Non salvare", "Annulla"}));
    m_platform->choices.enqueue(0);
    m_platform->fileNames.enqueue(m_dir.filePath(QStringLiteral("Veltra-seduta-Condominio Le Magnolie- 2026-12-09")));
    QVERIFY(m_window->settleUnsavedChanges());
    QVERIFY(!m_window->hasUnsavedChanges());
}

void TestSedutaWindow::courtDecreesAreTypedSavedAndAskedAboutBeforeTheyAreGivenUp()
{
    auto *open = control<QAction>(QStringLiteral("apridecreti"));
    DecretiWindow *decrees = m_window->decretiWindow();
    // Until the meeting or the condominium has a folder, the decrees have none either.
    open->trigger();
    QVERIFY(m_platform->lastMessage().text.startsWith(QStringLiteral("Salvare prima la seduta")));
    QVERIFY(!decrees->isVisible());
    m_platform->fileNames.enqueue(m_dir.filePath(SampleMeeting));
    m_window->saveArchiveAs();
    open->trigger();
    QVERIFY(decrees->isVisible());

    auto *table = control<QTableWidget>(QStringLiteral("tabelladecreti"));
    control<QPushButton>(QStringLiteral("aggiungi"))->click();
    const QStringList typed = {QStringLiteral("31/02/2026"), QStringLiteral("Tribunale di Milano"),
                               QStringLiteral("R.G. 1234/2026"), QString(), QStringLiteral(" Rossi  Mario ")};
    for (int column = 0; column < typed.size(); ++column) {
        if (!typed.at(column).isEmpty())
            table->item(0, column)->setText(typed.at(column));
    }
    qobject_cast<QComboBox *>(table->cellWidget(0, 3))->setCurrentIndex(1);
    const QString path = m_dir.filePath(QStringLiteral("Veltra-decreti-Condominio Le Magnolie"));
    QVERIFY(!decrees->save());
    QCOMPARE(m_platform->lastMessage().text, QStringLiteral("Riga 1: \"31/02/2026\" non è una data GG/MM/AAAA."));
    QVERIFY(!QFile::exists(path));
    table->item(0, 0)->setText(QStringLiteral("28/02/2026"));
    control<QPushButton>(QStringLiteral("salva"))->click();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\"VELTRA-DECRETI\",1\r\n\"Condominio Le Magnolie\",1\r\n"
                                        "\"28/02/2026\",\"Tribunale di Milano\",\"R.G. 1234/2026\",\"revoca\",\"Rossi Mario\",\"\"\r\n"));
    file.close();

    // A note typed and not saved: closing asks; "Annulla" keeps the window, "Non salvare"
    // gives the note up.
    table->item(0, 5)->setText(QStringLiteral("su ricorso di un condomino"));
    QVERIFY(m_window->hasUnsavedChanges());
    m_platform->choices.enqueue(2);
    decrees->close();
    QVERIFY(decrees->isVisible());
    QCOMPARE(m_platform->lastMessage().buttons, (QStringList{"Salva", "Non salvare", "Annulla"}));
    m_platform->choices.enqueue(1);
    decrees->close();
    QVERIFY(!decrees->isVisible());
    QVERIFY(!m_window->hasUnsavedChanges());
    open->trigger();
    QCOMPARE(table->item(0, 5)->text(), QString());

    // The meeting window asks for the decrees as for its own data, and saving them leaves the
    // unchanged meeting alone.
    table->item(0, 5)->setText(QStringLiteral("su ricorso di un condomino"));
    const int dialogs = int(m_platform->dialogs.size());
    m_platform->choices.enqueue(0);
    QVERIFY(m_window->settleUnsavedChanges());
    QCOMPARE(m_platform->dialogs.size(), dialogs);
    const DecreeFile::LoadResult saved = DecreeFile::load(path);
    QVERIFY(saved.isComplete());
    QCOMPARE(saved.decrees.first().note, QStringLiteral("su ricorso di un condomino"));

    // A file that cannot be read whole is not shown, and stays as it is.
    decrees->close();
    QVERIFY(file.open(QIODevice::Append));
    file.write("\"una riga di troppo\"\r\n");
    file.close();
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray damaged = file.readAll();
    file.close();
    open->trigger();
    QVERIFY(!decrees->isVisible());
    QVERIFY2(m_platform->lastMessage().text.contains(QStringLiteral("alla riga 4")), qPrintable(m_platform->lastMessage().text));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), damaged);
}

QTEST_MAIN(TestSedutaWindow)
#include "tst_sedutawindow.moc"
