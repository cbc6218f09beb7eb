#include "core/state/sharedstate.h"
#include "support/scriptedplatform.h"
#include "ui/frame/shell.h"
#include "ui/frame/splashwindow.h"
#include "ui/frame/startwindow.h"
#include "ui/frame/workwindow.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

using namespace veltra;

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void splashPlaysTuneAndShowsTitles();
    void clickOnSplashPausesTuneAndGivesWayToChooser();
    void keyOnSplashClosesItAndTheTune();
    void chooserOpensTheWindowOfEachProcedure_data();
    void chooserOpensTheWindowOfEachProcedure();
    void choosingOffersTheCondominiumArchiveFirst_data();
    void choosingOffersTheCondominiumArchiveFirst();
    void sameProcedureCanBeChosenTwice();
    void indexOutsideTheTableOpensTheCondominiumWindow();
    void statusBarFollowsTheMouse_data();
    void statusBarFollowsTheMouse();
    void chooserHelpListsItsInstructions();
    void exitAnsweredNoLeavesEverything();
    void exitAnsweredYesClosesAllAndShowsClosingScreen();

private:
    StartWindow *openChooser();

    SharedState *m_state = nullptr;
    ScriptedPlatform *m_platform = nullptr;
    Shell *m_shell = nullptr;
};

void TestStartup::init()
{
    m_state = new SharedState;
    m_platform = new ScriptedPlatform;
    m_shell = new Shell(*m_state, *m_platform, QStringLiteral(VELTRA_SOURCE_DIR "/assets"));
    m_shell->start();
}

void TestStartup::cleanup()
{
    delete m_shell;
    delete m_platform;
    delete m_state;
}

// A radio button takes a click on its indicator or caption, not on the blank beyond it.
static void clickOption(StartWindow *chooser, int index)
{
    QRadioButton *option = chooser->option(index);
    QTest::mouseClick(option, Qt::LeftButton, Qt::NoModifier, QPoint(8, option->height() / 2));
}

StartWindow *TestStartup::openChooser()
{
    QTest::mouseClick(m_shell->splash(), Qt::LeftButton);
    return m_shell->startWindow();
}

void TestStartup::splashPlaysTuneAndShowsTitles()
{
    SplashWindow *splash = m_shell->splash();
    QVERIFY(splash->isVisible());
    QCOMPARE(m_platform->player.commands.size(), 2);
    QVERIFY(m_platform->player.commands.at(0).startsWith(QLatin1String("open ")));
    QVERIFY(m_platform->player.commands.at(0).endsWith(QLatin1String("sigla.wav")));
    QCOMPARE(m_platform->player.commands.at(1), QStringLiteral("play"));
    QCOMPARE(splash->label(2)->text(), QStringLiteral("                        presenta"));
    QCOMPARE(splash->label(3)->text(), QStringLiteral("Veltra"));
    QCOMPARE(splash->label(4)->text(), QStringLiteral("gestione di condomini"));
    QCOMPARE(splash->label(5)->text(), QStringLiteral("EDIZIONE PROFESSIONALE - VERSIONE 3.08.05"));
    QCOMPARE(m_state->texts.checkTitle,
             QStringLiteral("Veltra: controllo dati immessi nella finestra attiva"));
}

void TestStartup::clickOnSplashPausesTuneAndGivesWayToChooser()
{
    QTest::mouseClick(m_shell->splash()->label(3), Qt::LeftButton);
    StartWindow *chooser = m_shell->startWindow();
    QVERIFY(chooser);
    QVERIFY(chooser->isVisible());
    QVERIFY(!m_shell->splash()->isVisible());
    QCOMPARE(m_platform->player.commands.last(), QStringLiteral("pause"));
}

void TestStartup::keyOnSplashClosesItAndTheTune()
{
    QPointer<SplashWindow> splash = m_shell->splash();
    QTest::keyClick(splash, Qt::Key_A);
    QCOMPARE(m_platform->player.commands.last(), QStringLiteral("close"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!splash);
    QVERIFY(!m_shell->startWindow());
}

void TestStartup::chooserOpensTheWindowOfEachProcedure_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("window");
    const QStringList names = {"dati", "spese", "conduttore", "pagamenti", "assemblea",
                               "convocazione", "sentenze", "regolamento", "modelli"};
    for (int k = 1; k <= 9; ++k)
        QTest::addRow("%d", k) << k << names.at(k - 1);
}

void TestStartup::chooserOpensTheWindowOfEachProcedure()
{
    QFETCH(int, index);
    QFETCH(QString, window);
    StartWindow *chooser = openChooser();
    clickOption(chooser, index);
    WorkWindow *opened = m_shell->existingWorkWindow(index);
    QVERIFY(opened);
    QCOMPARE(opened->objectName(), window);
    QVERIFY(opened->isVisible());
    QVERIFY(m_shell->existingWorkWindow(1)); // the condominium archive is offered first
    QVERIFY(!chooser->option(index)->isChecked());
}

void TestStartup::choosingOffersTheCondominiumArchiveFirst_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("expensesToo");
    for (int k = 1; k <= 9; ++k)
        QTest::addRow("%d", k) << k << (k == 2 || k == 4);
}

// The condominium open dialog comes first; for expenses and payments the expense window's
// open command follows, which asks for the management type while none is chosen.
void TestStartup::choosingOffersTheCondominiumArchiveFirst()
{
    QFETCH(int, index);
    QFETCH(bool, expensesToo);
    StartWindow *chooser = openChooser();
    m_platform->messages.clear();
    clickOption(chooser, index);

    QCOMPARE(m_platform->dialogs.size(), 1);
    const FileDialogRequest &dialog = m_platform->dialogs.first();
    QCOMPARE(dialog.title, QStringLiteral("Apri file"));
    QCOMPARE(dialog.filter, QStringLiteral("Tutti i file (*.*) | *.*|File Veltra-dati- | Veltra-dati-*"));
    QCOMPARE(dialog.selectedFilter, 2);
    QVERIFY(dialog.proposedName.isEmpty());
    if (!expensesToo) {
        QVERIFY(m_platform->messages.isEmpty());
        return;
    }
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages.first().icon, MessageIcon::Critical);
    QCOMPARE(m_platform->messages.first().text,
             QStringLiteral("Scegliere il tipo di gestione (preventivi o spese)."));
    QCOMPARE(m_platform->messages.first().title, m_state->texts.checkTitle);
}

void TestStartup::sameProcedureCanBeChosenTwice()
{
    StartWindow *chooser = openChooser();
    clickOption(chooser, 7);
    WorkWindow *rulings = m_shell->existingWorkWindow(7);
    rulings->hide();
    clickOption(chooser, 7);
    QVERIFY(rulings->isVisible());
    QCOMPARE(m_shell->existingWorkWindow(7), rulings);
}

void TestStartup::indexOutsideTheTableOpensTheCondominiumWindow()
{
    m_shell->chooseProcedure(WorkWindowCount + 1);
    QVERIFY(m_shell->existingWorkWindow(1)->isVisible());
    for (int k = 2; k <= 9; ++k)
        QVERIFY(!m_shell->existingWorkWindow(k));
}

// The mouse travels over the window as the window system reports it: onto each option,
// then onto the background between the options and the buttons.
void TestStartup::statusBarFollowsTheMouse_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("status");
    QTest::newRow("1") << 1 << "Apre una finestra per la redazione delle tabelle millesimali.";
    QTest::newRow("4") << 4
                       << "Apre una finestra per la gestione dei pagamenti delle spese da parte "
                          "dei condomini.";
    QTest::newRow("9") << 9
                       << "Apre una finestra per la stampa di numerosi modelli utili per il "
                          "condominio.";
}

void TestStartup::statusBarFollowsTheMouse()
{
    QFETCH(int, k);
    QFETCH(QString, status);
    StartWindow *chooser = openChooser();
    QVERIFY(QTest::qWaitForWindowExposed(chooser));
    const QString background = QStringLiteral("Elenca le procedure previste nel software.");
    auto moveTo = [chooser](const QWidget *widget, const QPoint &point) {
        QTest::mouseMove(chooser->windowHandle(), widget->mapTo(chooser, point));
        QCoreApplication::processEvents();
    };
    QRadioButton *option = chooser->option(k);
    QWidget *form = chooser->centralWidget();
    const QPoint blank(form->width() / 2, (option->geometry().bottom()
                                           + chooser->option(k == 9 ? 8 : k + 1)->geometry().top())
                                              / 2);
    moveTo(form, QPoint(2, form->height() - 2));
    QCOMPARE(chooser->statusBar()->currentMessage(), background);
    moveTo(option, QPoint(8, option->height() / 2));
    QCOMPARE(chooser->statusBar()->currentMessage(), status);
    moveTo(option, QPoint(option->width() - 4, option->height() / 2));
    QCOMPARE(chooser->statusBar()->currentMessage(), status);
    moveTo(form, blank);
    QCOMPARE(chooser->statusBar()->currentMessage(), background);
}

void TestStartup::chooserHelpListsItsInstructions()
{
    StartWindow *chooser = openChooser();
    QTest::mouseClick(chooser->findChild<QPushButton *>(QStringLiteral("aiuto")), Qt::LeftButton);
    const ScriptedPlatform::Message &message = m_platform->lastMessage();
    QCOMPARE(message.icon, MessageIcon::Information);
    QCOMPARE(message.title, QStringLiteral("Veltra: aiuto in linea"));
    QCOMPARE(message.text.split(QLatin1Char('\n')).size(), 2);
    QVERIFY(message.text.startsWith(QLatin1String("- Scegliere l'argomento")));
}

void TestStartup::exitAnsweredNoLeavesEverything()
{
    StartWindow *chooser = openChooser();
    m_shell->showWorkWindow(3);
    m_platform->answers.enqueue(false);
    QTest::mouseClick(chooser->findChild<QPushButton *>(QStringLiteral("cmdesci")), Qt::LeftButton);
    const ScriptedPlatform::Message &question = m_platform->lastMessage();
    QCOMPARE(question.icon, MessageIcon::Question);
    QCOMPARE(question.title, QStringLiteral("Attenzione: i dati non archiviati andranno persi !"));
    QCOMPARE(question.text, QStringLiteral("Vuoi uscire da Veltra?"));
    QVERIFY(chooser->isVisible());
    QVERIFY(m_shell->existingWorkWindow(3)->isVisible());
}

void TestStartup::exitAnsweredYesClosesAllAndShowsClosingScreen()
{
    openChooser();
    m_shell->showWorkWindow(2);
    m_shell->workWindow(5); // loaded but hidden
    m_platform->answers.enqueue(true);
    // Under a running event loop, where closing the last window shown ends the run: the
    // closing screen must stand before the others close.
    bool stillRunning = false;
    QTimer::singleShot(0, this, [this, &stillRunning] {
        m_shell->existingWorkWindow(2)->findChild<QAction *>(QStringLiteral("esci"))->trigger();
        QTimer::singleShot(100, this, [&stillRunning] {
            stillRunning = true;
            QCoreApplication::exit(0);
        });
    });
    QCoreApplication::exec();
    QVERIFY(stillRunning);
    QVERIFY(!m_shell->startWindow());
    for (int k = 1; k <= 9; ++k)
        QVERIFY(!m_shell->existingWorkWindow(k));
    SplashWindow *splash = m_shell->splash();
    QVERIFY(splash->isVisible());
    QCOMPARE(splash->label(2)->text(), QStringLiteral("          elaborazione eseguita con"));
    QCOMPARE(m_platform->player.commands.last(), QStringLiteral("play"));
    QTest::mouseClick(splash, Qt::LeftButton);
    QVERIFY(m_shell->startWindow()->isVisible());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
