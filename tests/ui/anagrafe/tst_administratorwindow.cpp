#include "core/registry/administratorfile.h"
#include "core/state/sharedstate.h"
#include "support/scriptedplatform.h"
#include "ui/anagrafe/administratorwindow.h"
#include "ui/frame/shell.h"
#include "ui/frame/workwindow.h"

#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace veltra;

// "Dati dell'amministratore": offered once on the first run, checked before it is saved,
// and in force for the letters as soon as it is.
class TestAdministratorWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void offeredOnceOnTheFirstRunAndAlwaysFromTheFileMenu();
    void wrongTaxCodeIsToldAndNothingIsSaved();
    void savedDetailsReachTheStateAndTheFile();

private:
    void type(const char *field, const QString &text);
    void clickSave();

    QTemporaryDir *m_home = nullptr;
    SharedState *m_state = nullptr;
    ScriptedPlatform *m_platform = nullptr;
    Shell *m_shell = nullptr;
};

void TestAdministratorWindow::init()
{
    m_home = new QTemporaryDir;
    qputenv("HOME", m_home->path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    m_state = new SharedState;
    m_state->initSharedStrings();
    m_platform = new ScriptedPlatform;
    m_shell = new Shell(*m_state, *m_platform, QStringLiteral(VELTRA_SOURCE_DIR "/data"));
}

void TestAdministratorWindow::cleanup()
{
    delete m_shell;
    delete m_platform;
    delete m_state;
    delete m_home;
}

void TestAdministratorWindow::type(const char *field, const QString &text)
{
    m_shell->administratorWindow()->findChild<QLineEdit *>(QString::fromUtf8(field))->setText(text);
}

void TestAdministratorWindow::clickSave()
{
    m_shell->administratorWindow()->findChild<QPushButton *>(QStringLiteral("salva"))->click();
}

void TestAdministratorWindow::offeredOnceOnTheFirstRunAndAlwaysFromTheFileMenu()
{
    m_shell->showMainChooser();
    QVERIFY(m_shell->administratorWindow() && m_shell->administratorWindow()->isVisible());
    m_shell->administratorWindow()->findChild<QPushButton *>(QStringLiteral("annulla"))->click();
    QVERIFY(!m_shell->administratorWindow()->isVisible());
    // The next run, with the same preferences, goes straight to its work.
    delete m_shell;
    m_shell = new Shell(*m_state, *m_platform, QStringLiteral(VELTRA_SOURCE_DIR "/data"));
    m_shell->showMainChooser();
    QVERIFY(!m_shell->administratorWindow());
    m_shell->showWorkWindow(1);
    m_shell->existingWorkWindow(1)->findChild<QAction *>(QStringLiteral("amministratore"))->trigger();
    QVERIFY(m_shell->administratorWindow()->isVisible());
    QCOMPARE(m_platform->unscripted, 0);
}

void TestAdministratorWindow::wrongTaxCodeIsToldAndNothingIsSaved()
{
    m_shell->showAdministratorDetails();
    type("nome", QStringLiteral("Studio Rossi"));
    type("codicefiscale", QStringLiteral("RSSMRA79B11C566S"));
    clickSave();
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY(m_platform->lastMessage().text.startsWith(
        QStringLiteral("Il codice fiscale RSSMRA79B11C566S non è valido")));
    QVERIFY(m_shell->administratorWindow()->isVisible());
    QVERIFY(!QFileInfo::exists(m_shell->administratorPath()));
    QVERIFY(m_state->administrator.isEmpty());
    type("codicefiscale", QStringLiteral("RSSMRA79B11C566R"));
    type("partitaiva", QStringLiteral("06363391002"));
    clickSave();
    QVERIFY(m_platform->lastMessage().text.startsWith(QStringLiteral("La partita IVA 06363391002")));
    QVERIFY(!QFileInfo::exists(m_shell->administratorPath()));
}

void TestAdministratorWindow::savedDetailsReachTheStateAndTheFile()
{
    m_shell->showAdministratorDetails();
    type("nome", QStringLiteral("  Studio Rossi "));
    type("codicefiscale", QStringLiteral("rssmra79b11c566r"));
    type("pec", QStringLiteral("studio.rossi@pec.it"));
    clickSave();
    QVERIFY(!m_shell->administratorWindow()->isVisible());
    QCOMPARE(m_state->administrator.name, QStringLiteral("Studio Rossi"));
    QCOMPARE(m_state->administrator.fiscalCode, QStringLiteral("RSSMRA79B11C566R"));
    QString problem;
    const std::optional<AdministratorDetails> saved =
        AdministratorFile::load(m_shell->administratorPath(), &problem);
    QVERIFY(saved);
    QCOMPARE(*saved, m_state->administrator);
    QVERIFY(m_shell->administratorPath().startsWith(m_home->path()));
    // The form opens again on what is in force.
    m_shell->showAdministratorDetails();
    QCOMPARE(m_shell->administratorWindow()->findChild<QLineEdit *>(QStringLiteral("pec"))->text(),
             QStringLiteral("studio.rossi@pec.it"));
}

QTEST_MAIN(TestAdministratorWindow)
#include "tst_administratorwindow.moc"
