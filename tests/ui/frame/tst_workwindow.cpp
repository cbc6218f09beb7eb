#include "core/state/sharedstate.h"
#include "support/scriptedplatform.h"
#include "ui/frame/shell.h"
#include "ui/frame/tipwindow.h"
#include "ui/frame/workwindow.h"
#include "ui/help/helpwindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace veltra;

class TestWorkWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void frameCarriesCaptionMenuTitleAndToolbar_data();
    void frameCarriesCaptionMenuTitleAndToolbar();
    void textWindowsHaveMisspeltTipsAndPlainCaptions();
    void menuBarShowsAboveTheBarsWhenTheWindowOpens();
    void selfEntryQuestionYesAndNo();
    void switchingShowsTargetAndKeepsSource();
    void greyForAllReachesWindowsNeverOpened();
    void colourDialogInGreyWindowPreselectsLastColour();
    void colourDialogCancelledChangesNothing();
    void deleteRemovesChosenFileAndNothingOnCancel();
    void deleteOffersTheWindowsPrefix_data();
    void deleteOffersTheWindowsPrefix();
    void closedWindowReopensFreshlyLoaded();
    void aboutBoxShowsTitleVersionAndYear();
    void tipsOpenOverTheWindowTheyWereAskedFrom();
    void closingWithUnsavedChangesAsksAndTheLastWindowEndsTheRun();
    void exitAsksAboutUnsavedChangesInsteadOfQuitting();
    void printFormatChosenOnceHoldsForEveryPrint();

private:
    QAction *button(WorkWindow *window, int number) const;

    SharedState *m_state = nullptr;
    ScriptedPlatform *m_platform = nullptr;
    Shell *m_shell = nullptr;
};

void TestWorkWindow::init()
{
    m_state = new SharedState;
    m_state->initSharedStrings();
    m_platform = new ScriptedPlatform;
    m_shell = new Shell(*m_state, *m_platform, QStringLiteral(VELTRA_SOURCE_DIR "/data"));
}

void TestWorkWindow::cleanup()
{
    delete m_shell;
    delete m_platform;
    delete m_state;
}

QAction *TestWorkWindow::button(WorkWindow *window, int number) const
{
    return window->toolBar()->findChild<QAction *>(QStringLiteral("button%1").arg(number));
}

void TestWorkWindow::frameCarriesCaptionMenuTitleAndToolbar_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QList<int>>("disabled");
    QTest::addColumn<QStringList>("toolTips");
    const QStringList common = {
        "apri file", "salva file", "elimina file", "stampa dati finestra",
        "visualizza finestra 'Dati'", "visualizza finestra 'Spese'",
        "visualizza finestra 'Conduttore'", "visualizza finestra 'Pagamenti'",
        "visualizza finestra 'Assemblea'", "visualizza finestra 'Convocazione'",
        "visualizza finestra 'Sentenze'", "visualizza finestra 'Regolamento'",
        "visualizza finestra 'Modelli'", "guida in linea", "suggerimenti", "supporto prodotto",
        "informazioni su Veltra", "controllo dati immessi", "cancella dati finestra",
        "uscita da Veltra"};
    QStringList dati = common;
    dati[3] = QStringLiteral("stampa completa");
    QStringList sentenze = common;
    sentenze[3] = QStringLiteral("stampa sentenza visualizzata");
    QStringList modelli = common;
    modelli[11] = QStringLiteral("visualizza finestra 'Regolamento'");
    modelli[12] = QStringLiteral("visualizza finestra 'Modelli'");
    QTest::newRow("dati") << 1 << "Veltra: tabella dati dei condomini" << QList<int>{} << dati;
    QTest::newRow("conduttore") << 3 << "Veltra: ripartizione delle spese tra locatore e conduttore"
                                << QList<int>{1, 2, 18, 19} << common;
    QTest::newRow("convocazione") << 6 << "Veltra: avviso di convocazione dell'assemblea dei condomini"
                                  << QList<int>{} << common;
    QTest::newRow("sentenze") << 7 << "Veltra: sentenze" << QList<int>{1, 2, 18, 19} << sentenze;
    QTest::newRow("modelli") << 9 << "Veltra: modelli per il condominio"
                             << QList<int>{1, 2, 3, 18, 19} << modelli;
}

// The toolbar's own buttons, in their order on it: twenty, each with its picture, tooltip
// and state.
void TestWorkWindow::frameCarriesCaptionMenuTitleAndToolbar()
{
    QFETCH(int, k);
    QFETCH(QString, caption);
    QFETCH(QList<int>, disabled);
    QFETCH(QStringList, toolTips);
    WorkWindow *window = m_shell->workWindow(k);
    // The data windows' titles carry the mark of unsaved changes, shown only while there are.
    QCOMPARE(QString(window->windowTitle()).remove(QStringLiteral("[*]")), caption);
    auto *title = qobject_cast<QToolButton *>(window->menuBar()->cornerWidget(Qt::TopRightCorner));
    QCOMPARE(title->text(), QStringLiteral("Fi&nestra n.%1 di 12").arg(k));
    QList<QAction *> buttons;
    for (QAction *action : window->toolBar()->actions()) {
        if (!action->isSeparator())
            buttons << action;
    }
    QCOMPARE(buttons.size(), 20);
    QStringList shownTips;
    for (int b = 1; b <= 20; ++b) {
        QAction *action = buttons.at(b - 1);
        QCOMPARE(action, button(window, b));
        QVERIFY(!action->icon().isNull());
        QCOMPARE(action->isEnabled(), !disabled.contains(b));
        shownTips << action->toolTip();
    }
    QCOMPARE(shownTips, toolTips);
    QCOMPARE(window->passo()->objectName(), QStringLiteral("passo"));
}

// The menu bar holds commands found nowhere else ("Salva con nome...", the print entries,
// "Colore di sfondo"): each window opens with it in view, above the tool bar and the form.
void TestWorkWindow::menuBarShowsAboveTheBarsWhenTheWindowOpens()
{
    for (int k = 1; k <= WorkWindowCount; ++k) {
        m_shell->showWorkWindow(k);
        WorkWindow *window = m_shell->existingWorkWindow(k);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QRect bar = window->menuBar()->geometry();
        QVERIFY2(window->menuBar()->isVisible() && bar.height() > 0, qPrintable(window->objectName()));
        QVERIFY(window->rect().contains(bar));
        QVERIFY2(bar.bottom() < window->toolBar()->geometry().top(), qPrintable(window->objectName()));
        QVERIFY(bar.bottom() < window->form()->geometry().top());
    }
}

void TestWorkWindow::textWindowsHaveMisspeltTipsAndPlainCaptions()
{
    WorkWindow *payments = m_shell->workWindow(4);
    QCOMPARE(button(payments, 12)->toolTip(), QStringLiteral("visualizza finestra 'Regolamento'"));
    QCOMPARE(button(payments, 13)->toolTip(), QStringLiteral("visualizza finestra 'Modelli'"));
    QCOMPARE(payments->findChild<QAction *>(QStringLiteral("apri"))->text(), QStringLiteral("&Apri..."));
    WorkWindow *regulation = m_shell->workWindow(8);
    QCOMPARE(regulation->findChild<QAction *>(QStringLiteral("apri"))->text(), QStringLiteral("Apri..."));
    QCOMPARE(regulation->findChild<QAction *>(QStringLiteral("controllo"))->text(),
             QStringLiteral("Controlla dati immessi"));
    WorkWindow *expenses = m_shell->workWindow(2);
    QCOMPARE(button(expenses, 12)->toolTip(), QStringLiteral("visualizza finestra 'Regolamento'"));
    QCOMPARE(button(m_shell->workWindow(1), 4)->toolTip(), QStringLiteral("stampa completa"));
}

void TestWorkWindow::selfEntryQuestionYesAndNo()
{
    m_shell->showWorkWindow(8);
    WorkWindow *regulation = m_shell->existingWorkWindow(8);
    m_platform->answers.enqueue(false);
    regulation->findChild<QAction *>(QStringLiteral("finestra8"))->trigger();
    QCOMPARE(m_platform->messages.size(), 1);
    const ScriptedPlatform::Message &question = m_platform->lastMessage();
    QCOMPARE(question.icon, MessageIcon::Question);
    QCOMPARE(question.title, QStringLiteral("Veltra: aiuto in linea"));
    QCOMPARE(question.text,
             QStringLiteral("È questa la finestra 'Regolamento': si vuole la guida della finestra?"));
    QVERIFY(regulation->isVisible());
    m_platform->answers.enqueue(true);
    button(regulation, 12)->trigger();
    QCOMPARE(m_platform->messages.size(), 2);
    QCOMPARE(m_platform->unscripted, 0);
    QVERIFY(m_shell->helpWindow(QStringLiteral("guidaregolamento"))->isVisible());
    for (int k = 1; k <= 9; ++k)
        QCOMPARE(bool(m_shell->existingWorkWindow(k)), k == 8);
}

void TestWorkWindow::switchingShowsTargetAndKeepsSource()
{
    m_shell->showWorkWindow(2);
    WorkWindow *expenses = m_shell->existingWorkWindow(2);
    expenses->setStepHint(QStringLiteral("passo in corso"));
    button(expenses, 9)->trigger();
    QVERIFY(m_shell->existingWorkWindow(5)->isVisible());
    QVERIFY(expenses->isVisible());
    QCOMPARE(expenses->passo()->text(), QStringLiteral("passo in corso"));
    QVERIFY(m_platform->messages.isEmpty());
}

void TestWorkWindow::greyForAllReachesWindowsNeverOpened()
{
    m_shell->showWorkWindow(3);
    WorkWindow *tenant = m_shell->existingWorkWindow(3);
    tenant->setBackgroundRgb(0x336699);
    m_platform->answers.enqueue(true);
    tenant->findChild<QAction *>(QStringLiteral("colore"))->trigger();
    QCOMPARE(m_platform->lastMessage().title, QStringLiteral("Veltra: colore di sfondo"));
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("Colori uguali e riposanti (grigio) per tutte le finestre?"));
    QCOMPARE(m_platform->lastMessage().icon, MessageIcon::None);
    QVERIFY(m_platform->colourRequests.isEmpty());
    for (int k = 1; k <= 9; ++k) {
        WorkWindow *window = m_shell->existingWorkWindow(k);
        QVERIFY(window);
        QCOMPARE(window->backgroundRgb(), 0xC0C0C0u);
        QCOMPARE(window->isVisible(), k == 3);
    }
    m_shell->showWorkWindow(9);
    QCOMPARE(m_shell->existingWorkWindow(9)->backgroundRgb(), 0xC0C0C0u);
}

void TestWorkWindow::colourDialogInGreyWindowPreselectsLastColour()
{
    WorkWindow *dati = m_shell->workWindow(1);
    dati->setBackgroundRgb(0xC0C0C0);
    m_platform->colours.enqueue(0x112233u);
    dati->chooseBackgroundColour();
    QVERIFY(m_platform->messages.isEmpty()); // already grey: straight to the dialog
    QCOMPARE(dati->backgroundRgb(), 0x112233u);
    QCOMPARE(m_state->backgroundColour, 0x112233u);

    m_platform->answers.enqueue(false); // not grey now: No goes on to the dialog
    m_platform->colours.enqueue(0x445566u);
    dati->chooseBackgroundColour();
    QCOMPARE(m_platform->colourRequests.size(), 2);
    QCOMPARE(m_platform->colourRequests.at(1), 0x112233u);
    QCOMPARE(dati->backgroundRgb(), 0x445566u);
    QVERIFY(!m_shell->existingWorkWindow(2));
}

void TestWorkWindow::colourDialogCancelledChangesNothing()
{
    WorkWindow *dati = m_shell->workWindow(1);
    dati->setBackgroundRgb(0xC0C0C0);
    m_state->backgroundColour = 0x010203;
    dati->chooseBackgroundColour(); // nothing queued: the dialog is cancelled
    QCOMPARE(dati->backgroundRgb(), 0xC0C0C0u);
    QCOMPARE(m_state->backgroundColour, 0x010203u);
}

void TestWorkWindow::deleteRemovesChosenFileAndNothingOnCancel()
{
    QTemporaryDir folder;
    const QString victim = folder.filePath(QStringLiteral("Veltra-dati-prova"));
    QFile file(victim);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    WorkWindow *dati = m_shell->workWindow(1);

    button(dati, 3)->trigger(); // cancelled
    QVERIFY(QFile::exists(victim));

    m_platform->fileNames.enqueue(victim);
    dati->findChild<QAction *>(QStringLiteral("eliminare"))->trigger();
    QVERIFY(!QFile::exists(victim));
    QCOMPARE(QDir::current().absolutePath(), QDir(folder.path()).absolutePath());

    m_platform->fileNames.enqueue(victim); // already gone: silent
    dati->deleteArchiveFile();
    QCOMPARE(m_platform->messages.size(), 0);
}

void TestWorkWindow::deleteOffersTheWindowsPrefix_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("filter");
    QTest::newRow("dati") << 1 << "Tutti i file (*.*)|*.*|File Veltra-dati- | Veltra-dati-*";
    QTest::newRow("pagamenti") << 4 << "Tutti i file (*.*)|*.*|File Veltra-spese- | Veltra-spese-*";
    QTest::newRow("convocazione") << 6 << "Tutti i file (*.*)|*.*|File Veltra-avvisi- | Veltra-avvisi-*";
}

void TestWorkWindow::deleteOffersTheWindowsPrefix()
{
    QFETCH(int, k);
    QFETCH(QString, filter);
    m_shell->workWindow(k)->deleteArchiveFile();
    QCOMPARE(m_platform->dialogs.size(), 1);
    QCOMPARE(m_platform->dialogs.at(0).filter, filter);
    QCOMPARE(m_platform->dialogs.at(0).selectedFilter, 2);
    QCOMPARE(m_platform->dialogs.at(0).title,
             QStringLiteral("Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo"));
}

void TestWorkWindow::closedWindowReopensFreshlyLoaded()
{
    m_shell->showWorkWindow(5);
    QPointer<WorkWindow> first = m_shell->existingWorkWindow(5);
    first->setStepHint(QStringLiteral("vecchio"));
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!first);
    QVERIFY(!m_shell->existingWorkWindow(5));
    m_shell->showWorkWindow(5);
    QVERIFY(m_shell->existingWorkWindow(5)->isVisible());
    QCOMPARE(m_shell->existingWorkWindow(5)->passo()->text(),
             QStringLiteral("cliccare su un tasto per visualizzare la maggioranza richiesta dalla legge"));
}

// The about box gives the version the build was made as, 3.8.5, and the year of its release.
void TestWorkWindow::aboutBoxShowsTitleVersionAndYear()
{
    button(m_shell->workWindow(1), 17)->trigger();
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("Veltra - gestione di condomini\nversione 3.08.05 del 2026"));
}

// Asked for from a window away from the screen's centre, the tips stand over that window.
void TestWorkWindow::tipsOpenOverTheWindowTheyWereAskedFrom()
{
    m_shell->showWorkWindow(4);
    WorkWindow *window = m_shell->existingWorkWindow(4);
    window->move(0, 0);
    QVERIFY(window->frameGeometry().center() != window->screen()->availableGeometry().center());
    button(window, 15)->trigger();
    QWidget *tips = m_shell->tipWindow();
    QVERIFY(tips->isVisible());
    const QPoint offset = tips->frameGeometry().center() - window->frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 1, qPrintable(QStringLiteral("%1, %2").arg(offset.x()).arg(offset.y())));
}

// The notice window closes at once while nothing changed; with a change it asks, Annulla and
// a save that did not go through keep it open, and a saved notice lets it close.
void TestWorkWindow::closingWithUnsavedChangesAsksAndTheLastWindowEndsTheRun()
{
    QSignalSpy ended(m_shell, &Shell::runEnded);
    m_shell->showWorkWindow(1);
    m_shell->showWorkWindow(6);
    QVERIFY(m_shell->existingWorkWindow(1)->close());
    QVERIFY(m_platform->messages.isEmpty());
    QCOMPARE(ended.size(), 0);

    WorkWindow *notice = m_shell->existingWorkWindow(6);
    QTest::keyClicks(notice->findChild<QLineEdit *>(QStringLiteral("numer")), QStringLiteral("7"));
    QVERIFY(notice->isWindowModified());
    m_platform->choices.enqueue(2);
    QVERIFY(!notice->close());
    QCOMPARE(m_platform->lastMessage().text, QStringLiteral("Salvare le modifiche?"));
    QCOMPARE(m_platform->lastMessage().buttons,
             (QStringList{QStringLiteral("Salva"), QStringLiteral("Non salvare"),
                          QStringLiteral("Annulla")}));
    m_platform->choices.enqueue(0);
    m_platform->fileNames.enqueue(QString());
    QVERIFY(!notice->close());
    QVERIFY(notice->isVisible());
    QCOMPARE(ended.size(), 0);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Veltra-avvisi-prova"));
    m_platform->choices.enqueue(0);
    m_platform->fileNames.enqueue(path);
    QVERIFY(notice->close());
    QVERIFY(QFile::exists(path));
    QCOMPARE(ended.size(), 1);
    QCOMPARE(m_platform->unscripted, 0);
}

// With changes the exit asks to save them, window by window, and then nothing more; Annulla
// keeps every window open.
void TestWorkWindow::exitAsksAboutUnsavedChangesInsteadOfQuitting()
{
    m_shell->showWorkWindow(1);
    m_shell->showWorkWindow(6);
    QTest::keyClicks(m_shell->existingWorkWindow(6)->findChild<QLineEdit *>(QStringLiteral("numer")),
                     QStringLiteral("7"));
    m_platform->choices.enqueue(2);
    m_shell->confirmExit();
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY(m_shell->existingWorkWindow(6)->isVisible());
    QVERIFY(m_shell->existingWorkWindow(1)->isVisible());

    m_platform->choices.enqueue(1);
    m_shell->confirmExit();
    QCOMPARE(m_platform->messages.size(), 2);
    QCOMPARE(m_platform->lastMessage().text, QStringLiteral("Salvare le modifiche?"));
    QVERIFY(!m_shell->existingWorkWindow(6));
    QVERIFY(!m_shell->existingWorkWindow(1));
    QCOMPARE(m_platform->unscripted, 0);
}

// The regulation's print hands over OpenDocument until PDF is chosen; a cancelled question
// keeps the format in use.
void TestWorkWindow::printFormatChosenOnceHoldsForEveryPrint()
{
    WorkWindow *regolamento = m_shell->workWindow(8);
    QAction *format = regolamento->findChild<QAction *>(QStringLiteral("formatostampa"));
    QAction *print = regolamento->findChild<QAction *>(QStringLiteral("stampa"));
    QVERIFY(format && print);
    print->trigger();
    QVERIFY(m_platform->documents.value(0).endsWith(QLatin1String(".odt")));

    m_platform->choices.enqueue(1);
    format->trigger();
    QCOMPARE(m_platform->lastMessage().buttons,
             QStringList({QStringLiteral("Videoscrittura (ODT)"), QStringLiteral("PDF"),
                          QStringLiteral("PDF per condomino"), QStringLiteral("Annulla")}));
    print->trigger();
    QFile pdf(m_platform->documents.value(1));
    QVERIFY(pdf.fileName().endsWith(QLatin1String(".pdf")));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QCOMPARE(pdf.read(5), QByteArray("%PDF-"));
    // The day's numbers run on across formats: the PDF never takes the first one's number.
    QVERIFY(QFileInfo(pdf).completeBaseName() > QFileInfo(m_platform->documents[0]).completeBaseName());

    format->trigger(); // nothing scripted: the question is cancelled
    print->trigger();
    QVERIFY(m_platform->documents.value(2).endsWith(QLatin1String(".pdf")));
    m_platform->choices.enqueue(0);
    format->trigger();
    print->trigger();
    QVERIFY(m_platform->documents.value(3).endsWith(QLatin1String(".odt")));
}

QTEST_MAIN(TestWorkWindow)
#include "tst_workwindow.moc"
