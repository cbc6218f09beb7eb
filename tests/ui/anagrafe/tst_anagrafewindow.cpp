#include "core/registry/registerfile.h"
#include "core/state/sharedstate.h"
#include "support/scriptedplatform.h"
#include "support/workwindowfixture.h"
#include "ui/anagrafe/anagrafewindow.h"
#include "ui/dati/datiwindow.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace veltra;

namespace {

const QString SampleName = QStringLiteral("Condominio Le Magnolie");

} // namespace

// The owners' register window on the sample condominium: what it shows, where its edits go,
// and the records following their owners in the condominium window.
class TestAnagrafeWindow : public QObject, public WorkWindowFixture<AnagrafeWindow>
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensOnTheSampleWithItsGapsAndDueChecks();
    void editsGoThroughTheCondominiumWindowsHistory();
    void deletedOwnerTakesHisRecordAndTheSaveKeepsThemTogether();

private:
    QTableWidget *table(const char *name) const;
    void typeInto(QTableWidget *table, int row, int column, const QString &text);

    QTemporaryDir m_folder;
    QString m_archive;
    DatiWindow *m_dati = nullptr;
};

void TestAnagrafeWindow::init()
{
    const QDir sample(QStringLiteral(VELTRA_SOURCE_DIR "/data/esempio"));
    for (const char *prefix : {"Veltra-dati-", "Veltra-anagrafe-"}) {
        const QString name = QString::fromLatin1(prefix) + SampleName;
        QFile::remove(m_folder.filePath(name));
        QVERIFY(QFile::copy(sample.filePath(name), m_folder.filePath(name)));
        QFile::setPermissions(m_folder.filePath(name), QFile::ReadOwner | QFile::WriteOwner);
    }
    m_archive = m_folder.filePath(QStringLiteral("Veltra-dati-") + SampleName);
    createState();
    m_platform->fileNames.enqueue(m_archive);
    QVERIFY(openWindow(1) == nullptr);
    m_dati = qobject_cast<DatiWindow *>(m_shell->existingWorkWindow(1));
    m_dati->openArchive();
    QCOMPARE(m_platform->messages.size(), 0);
    m_shell->showWorkWindow(10);
    m_window = qobject_cast<AnagrafeWindow *>(m_shell->existingWorkWindow(10));
    QVERIFY(m_window);
}

void TestAnagrafeWindow::cleanup()
{
    deleteWindow();
}

QTableWidget *TestAnagrafeWindow::table(const char *name) const
{
    return control<QTableWidget>(QString::fromLatin1(name));
}

void TestAnagrafeWindow::typeInto(QTableWidget *table, int row, int column, const QString &text)
{
    table->item(row, column)->setText(text);
}

// On 9 December 2026 the boiler's check of 20 October is overdue and the extinguishers' of
// 8 January falls within sixty days; the lift's of 12 March does not.
void TestAnagrafeWindow::opensOnTheSampleWithItsGapsAndDueChecks()
{
    const QString due = m_platform->lastMessage().text;
    QVERIFY2(due.contains(QStringLiteral("centrale termica")) && due.contains(QStringLiteral("scaduta")),
             qPrintable(due));
    QVERIFY(due.contains(QStringLiteral("estintori")));
    QVERIFY(!due.contains(QStringLiteral("ascensore")));
    QCOMPARE(control<QComboBox>(QStringLiteral("condomino"))->count(), 10);
    QCOMPARE(table("persone")->item(0, 2)->text(), QStringLiteral("Ferretti"));
    QCOMPARE(table("sicurezza")->rowCount(), 5);
    m_window->showOwner(9);
    QCOMPARE(control<QLabel>(QStringLiteral("stato"))->text(), QStringLiteral("scheda da completare"));
    QVERIFY(control<QLabel>(QStringLiteral("rilievi"))->text().contains(
        QStringLiteral("il codice fiscale di Caruso Giovanna")));
    // The flat's cadastral data sit on its first room; the others are marked as following it.
    m_window->showOwner(3);
    QCOMPARE(table("unita")->rowCount(), 5);
    QCOMPARE(table("unita")->item(0, 5)->text(), QStringLiteral("3"));
    QCOMPARE(control<QLabel>(QStringLiteral("stato"))->text(), QStringLiteral("scheda completa"));
}

void TestAnagrafeWindow::editsGoThroughTheCondominiumWindowsHistory()
{
    m_window->showOwner(9);
    QTableWidget *persons = table("persone");
    // Caruso Giovanna, 4 April 1961 in Bologna: CRS, GNN (four consonants: the first, third
    // and fourth), 61, D, 44, A944; the fifteen weigh 143, and 143 mod 26 = 13 gives N.
    typeInto(persons, 0, 4, QStringLiteral("crsgnn61d44a944n"));
    QCOMPARE(m_state->anagrafe.record(9).persons.first().fiscalCode, QStringLiteral("CRSGNN61D44A944N"));
    QVERIFY(m_dati->hasUnsavedChanges());
    const int shown = int(m_platform->messages.size());
    typeInto(persons, 0, 5, QStringLiteral("31/04/1961"));
    QCOMPARE(m_platform->messages.size(), shown + 1);
    QVERIFY(m_platform->lastMessage().text.contains(QString::fromUtf8("non è una data")));
    QVERIFY(!m_state->anagrafe.record(9).persons.first().birthDate.isValid());
    QCOMPARE(persons->item(0, 5)->text(), QString());
    m_dati->findChild<QAction *>(QStringLiteral("annulla"))->trigger();
    QCOMPARE(m_state->anagrafe.record(9).persons.first().fiscalCode, QString());
    // Who leaves the record is kept among its changes, dated the day.
    persons->setCurrentCell(0, 2);
    control<QPushButton>(QStringLiteral("toglipersona"))->click();
    QVERIFY(m_state->anagrafe.record(9).persons.isEmpty());
    const RegisterChange left = m_state->anagrafe.record(9).changes.value(0);
    QCOMPARE(left.date, QDate(2026, 12, 9));
    QCOMPARE(left.description, QStringLiteral("esce dalla scheda Caruso Giovanna (proprietario)"));
}

void TestAnagrafeWindow::deletedOwnerTakesHisRecordAndTheSaveKeepsThemTogether()
{
    m_dati->findChild<QPushButton *>(QStringLiteral("canc_1"))->click();
    QCOMPARE(m_state->owner(1).ownerName, QStringLiteral("Colombo Anna"));
    QCOMPARE(m_state->anagrafe.record(1).persons.first().surname, QStringLiteral("Colombo"));
    QCOMPARE(m_state->anagrafe.record(8).persons.first().surname, QStringLiteral("Caruso"));
    QVERIFY(m_state->anagrafe.record(10).isEmpty());
    m_window->findChild<QAction *>(QStringLiteral("salva"))->trigger();
    const RegisterFile::LoadResult saved =
        RegisterFile::load(m_folder.filePath(QStringLiteral("Veltra-anagrafe-") + SampleName));
    QVERIFY2(saved.isComplete(), qPrintable(saved.problem));
    QCOMPARE(saved.ownerNames.size(), 9);
    QCOMPARE(saved.ownerNames.value(1), QStringLiteral("Colombo Anna"));
    QCOMPARE(saved.records.value(1).persons.first().fiscalCode, QStringLiteral("CLMNNA71S42F205Z"));
    QVERIFY(RegisterFile::mismatches(saved, *m_state).isEmpty());
    m_dati->findChild<QAction *>(QStringLiteral("annulla"))->trigger();
    QCOMPARE(m_state->anagrafe.record(1).persons.first().surname, QStringLiteral("Ferretti"));
    QCOMPARE(m_state->anagrafe.record(2).persons.first().surname, QStringLiteral("Colombo"));
}

QTEST_MAIN(TestAnagrafeWindow)
#include "tst_anagrafewindow.moc"
