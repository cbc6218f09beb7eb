#include "core/state/sharedstate.h"
#include "library/help/helpguide.h"
#include "reports/document/documenthandover.h"
#include "support/scriptedplatform.h"
#include "ui/frame/shell.h"
#include "ui/frame/startwindow.h"
#include "ui/frame/tipwindow.h"
#include "ui/frame/workwindow.h"
#include "ui/help/helpcontentswindow.h"
#include "ui/help/helpwindow.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace veltra;

class TestHelpWindows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void hoveringLeavesExactlyOneEntryBold();
    void pressingAnEntryOpensItsPageAndReleasingFramesIt();
    void everyRowOpensItsWindow();
    void pageAskedForAgainComesForward();
    void everyWorkWindowOpensTheContents_data();
    void everyWorkWindowOpensTheContents();
    void menuTitleAndSelfEntryOpenTheWindowsOwnPage_data();
    void menuTitleAndSelfEntryOpenTheWindowsOwnPage();
    void startWindowGuideOpensTheContents();
    void legalTextIsHiddenAndKeepsItsScrollPosition();
    void ordinaryPageClosesAndReturnsToContents();
    void printingHowToPrintTwiceReplacesTheSavedFile();
    void printingAnOrdinaryPageSavesNothing();
    void printingTheGuideSavesItAmongTheUsersDocuments();
    void missingGuideFileIsToldAndOpensNothing();

private:
    HelpContentsWindow *contents();
    void moveOver(QWidget *widget);
    void press(QWidget *widget, QEvent::Type type);

    QTemporaryDir *m_folder = nullptr;
    SharedState *m_state = nullptr;
    ScriptedPlatform *m_platform = nullptr;
    Shell *m_shell = nullptr;
};

void TestHelpWindows::init()
{
    m_folder = new QTemporaryDir;
    QVERIFY(QFile::copy(QStringLiteral(VELTRA_SOURCE_DIR "/data/") + HelpGuide::fileName(),
                        m_folder->filePath(HelpGuide::fileName())));
    QVERIFY(QFile::copy(QStringLiteral(VELTRA_SOURCE_DIR "/data/") + TipWindow::tipsFileName(),
                        m_folder->filePath(TipWindow::tipsFileName())));
    qputenv("HOME", m_folder->path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    m_state = new SharedState;
    m_state->initSharedStrings();
    m_platform = new ScriptedPlatform;
    m_shell = new Shell(*m_state, *m_platform, m_folder->path());
}

void TestHelpWindows::cleanup()
{
    delete m_shell;
    delete m_platform;
    delete m_state;
    delete m_folder;
}

HelpContentsWindow *TestHelpWindows::contents()
{
    m_shell->showHelpContents();
    return m_shell->helpContents();
}

void TestHelpWindows::moveOver(QWidget *widget)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void TestHelpWindows::press(QWidget *widget, QEvent::Type type)
{
    QMouseEvent event(type, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

namespace {

QList<int> boldRows(HelpContentsWindow *window)
{
    QList<int> rows;
    for (int row = 1; row <= HelpContentsWindow::RowCount; ++row) {
        if (window->entryLabel(row)->font().bold())
            rows << row;
    }
    return rows;
}

} // namespace

void TestHelpWindows::hoveringLeavesExactlyOneEntryBold()
{
    HelpContentsWindow *window = contents();
    QCOMPARE(window->windowTitle(), QStringLiteral("Veltra: guida in linea"));
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("Label1"))->text(),
             QStringLiteral("Argomenti della guida"));
    QCOMPARE(window->entryLabel(1)->text(), QStringLiteral("  Manuale d'uso rapido"));
    QCOMPARE(window->entryLabel(14)->text(), QStringLiteral(" Finestra Anagrafe"));
    QCOMPARE(window->entryLabel(15)->text(), QStringLiteral(" Disposizioni di Attuazione "));
    QCOMPARE(boldRows(window), QList<int>());
    moveOver(window->entryLabel(3));
    QCOMPARE(boldRows(window), QList<int>{3});
    moveOver(window->entryLabel(4));
    QCOMPARE(boldRows(window), QList<int>{4});
    moveOver(window);
    QCOMPARE(boldRows(window), QList<int>());
}

void TestHelpWindows::pressingAnEntryOpensItsPageAndReleasingFramesIt()
{
    HelpContentsWindow *window = contents();
    QLabel *entry = window->entryLabel(7);
    press(entry, QEvent::MouseButtonPress);
    QCOMPARE(entry->frameShape(), QFrame::NoFrame);
    HelpWindow *page = m_shell->helpWindow(QStringLiteral("guidaconduttore"));
    QVERIFY(page && page->isVisible());
    QCOMPARE(page->findChild<QLabel *>(QStringLiteral("Label1"))->text(),
             QStringLiteral("FINESTRA CONDUTTORE"));
    press(entry, QEvent::MouseButtonRelease);
    QCOMPARE(entry->frameShape(), QFrame::Box);
    QCOMPARE(entry->lineWidth(), 1);
}

void TestHelpWindows::everyRowOpensItsWindow()
{
    HelpContentsWindow *window = contents();
    for (int row = 1; row <= 16; ++row) {
        const QString name = HelpGuide::windowNames().at(row - 1);
        window->findChild<QPushButton *>(QStringLiteral("puls%1").arg(row))->click();
        HelpWindow *page = m_shell->helpWindow(name);
        QVERIFY2(page && page->isVisible(), qPrintable(name));
        QCOMPARE(page->windowTitle(), QStringLiteral("Guida in linea"));
        const bool legal = row >= 15;
        QCOMPARE(bool(page->findChild<QPlainTextEdit *>(QStringLiteral("Text1"))), legal);
        QCOMPARE(bool(page->findChild<QLabel *>(QStringLiteral("Label2"))), !legal);
    }
    QVERIFY(!m_shell->tipWindow());
    window->findChild<QPushButton *>(QStringLiteral("puls17"))->click();
    QVERIFY(m_shell->tipWindow() && m_shell->tipWindow()->isVisible());
    QCOMPARE(m_platform->messages.size(), 0);
}

// A page asked for again while it is open behind another window comes forward, the same
// window and the only one of its kind.
void TestHelpWindows::pageAskedForAgainComesForward()
{
    HelpContentsWindow *window = contents();
    window->findChild<QPushButton *>(QStringLiteral("puls6"))->click();
    HelpWindow *page = m_shell->helpWindow(QStringLiteral("guidaspese"));
    QVERIFY(QTest::qWaitForWindowActive(page));
    m_shell->showWorkWindow(2);
    QVERIFY(QTest::qWaitForWindowActive(m_shell->existingWorkWindow(2)));

    window->findChild<QPushButton *>(QStringLiteral("puls6"))->click();
    QCOMPARE(m_shell->helpWindow(QStringLiteral("guidaspese")), page);
    QVERIFY(QTest::qWaitForWindowActive(page));
    int pages = 0;
    for (const QWidget *top : QApplication::topLevelWidgets())
        pages += top->objectName() == QLatin1String("guidaspese") && top->isVisible();
    QCOMPARE(pages, 1);
}

void TestHelpWindows::everyWorkWindowOpensTheContents_data()
{
    QTest::addColumn<int>("k");
    for (int k = 1; k <= 9; ++k)
        QTest::addRow("window %d", k) << k;
}

void TestHelpWindows::everyWorkWindowOpensTheContents()
{
    QFETCH(int, k);
    WorkWindow *window = m_shell->workWindow(k);
    const QList<std::function<void()>> ways = {
        [window] { window->findChild<QAction *>(QStringLiteral("guida"))->trigger(); },
        [window] { window->findChild<QPushButton *>(QStringLiteral("guidainlinea"))->click(); },
        [window] {
            window->toolBar()->findChild<QAction *>(QStringLiteral("button14"))->trigger();
        },
    };
    for (const auto &open : ways) {
        if (m_shell->helpContents())
            m_shell->helpContents()->hide();
        open();
        QVERIFY(m_shell->helpContents() && m_shell->helpContents()->isVisible());
    }
}

void TestHelpWindows::menuTitleAndSelfEntryOpenTheWindowsOwnPage_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("title");
    const QStringList titles = {"FINESTRA DATI",        "FINESTRA SPESE",     "FINESTRA CONDUTTORE",
                                "FINESTRA PAGAMENTI",   "FINESTRA ASSEMBLEA", "FINESTRA CONVOCAZIONE",
                                "FINESTRA SENTENZE",    "FINESTRA REGOLAMENTO", "FINESTRA MODELLI",
                                "FINESTRA ANAGRAFE"};
    for (int k = 1; k <= 10; ++k)
        QTest::addRow("window %d", k) << k << titles.at(k - 1);
}

void TestHelpWindows::menuTitleAndSelfEntryOpenTheWindowsOwnPage()
{
    QFETCH(int, k);
    QFETCH(QString, title);
    m_shell->showWorkWindow(k);
    WorkWindow *window = m_shell->existingWorkWindow(k);
    qobject_cast<QToolButton *>(window->menuBar()->cornerWidget(Qt::TopRightCorner))->click();
    const QString name = QStringLiteral("guida") + window->objectName();
    HelpWindow *page = m_shell->helpWindow(name);
    QVERIFY2(page && page->isVisible(), qPrintable(name));
    QCOMPARE(page->findChild<QLabel *>(QStringLiteral("Label1"))->text(), title);
    page->findChild<QPushButton *>(QStringLiteral("cmdChiudi"))->click();
    QVERIFY(!m_shell->helpWindow(name) || !m_shell->helpWindow(name)->isVisible());

    m_platform->answers.enqueue(true);
    window->findChild<QAction *>(QStringLiteral("finestra%1").arg(k))->trigger();
    QVERIFY(m_shell->helpWindow(name) && m_shell->helpWindow(name)->isVisible());
}

void TestHelpWindows::startWindowGuideOpensTheContents()
{
    m_shell->showMainChooser();
    m_shell->startWindow()->findChild<QPushButton *>(QStringLiteral("guida"))->click();
    QVERIFY(m_shell->helpContents() && m_shell->helpContents()->isVisible());
}

void TestHelpWindows::legalTextIsHiddenAndKeepsItsScrollPosition()
{
    m_shell->showHelpPage(QStringLiteral("guidacodice"));
    HelpWindow *page = m_shell->helpWindow(QStringLiteral("guidacodice"));
    auto *text = page->findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    QVERIFY(text->isReadOnly());
    QVERIFY(text->toPlainText().startsWith(QStringLiteral("Art.1117 - PARTI COMUNI DELL'EDIFICIO - ")));
    QScrollBar *bar = text->verticalScrollBar();
    QVERIFY(bar->maximum() > 10);
    bar->setValue(bar->maximum() / 2);
    const int position = bar->value();
    page->findChild<QPushButton *>(QStringLiteral("cmdChiudi"))->click();
    QVERIFY(!page->isVisible());
    m_shell->showHelpPage(QStringLiteral("guidacodice"));
    QCOMPARE(m_shell->helpWindow(QStringLiteral("guidacodice")), page);
    QCOMPARE(bar->value(), position);
}

void TestHelpWindows::ordinaryPageClosesAndReturnsToContents()
{
    m_shell->showHelpPage(QStringLiteral("guidaspese"));
    QPointer<HelpWindow> page = m_shell->helpWindow(QStringLiteral("guidaspese"));
    page->findChild<QPushButton *>(QStringLiteral("cmdSommario"))->click();
    QVERIFY(m_shell->helpContents()->isVisible());
    page->findChild<QPushButton *>(QStringLiteral("cmdChiudi"))->click();
    QTRY_VERIFY(!page);
    m_shell->helpContents()->findChild<QPushButton *>(QStringLiteral("cmdChiudi"))->click();
    QVERIFY(!m_shell->helpContents()->isVisible());
}

void TestHelpWindows::printingHowToPrintTwiceReplacesTheSavedFile()
{
    m_shell->showHelpPage(QStringLiteral("guidastampa"));
    HelpWindow *page = m_shell->helpWindow(QStringLiteral("guidastampa"));
    QVERIFY(QDir().mkpath(DocumentHandover::defaultFolder()));
    const QString saved = QDir(DocumentHandover::defaultFolder()).filePath(QStringLiteral("VeltraCOME STAMPARE.doc"));
    QFile stale(saved);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("un vecchio file");
    stale.close();
    page->findChild<QPushButton *>(QStringLiteral("stampa"))->click();
    QFile first(saved);
    QVERIFY(first.open(QIODevice::ReadOnly));
    const QByteArray firstBytes = first.readAll();
    QVERIFY(firstBytes.startsWith("{\\rtf"));
    QVERIFY(firstBytes.contains("COME STAMPARE"));
    page->findChild<QPushButton *>(QStringLiteral("stampa"))->click();
    QFile second(saved);
    QVERIFY(second.open(QIODevice::ReadOnly));
    QCOMPARE(second.readAll(), firstBytes);
    QCOMPARE(m_platform->documents.size(), 2);
    QCOMPARE(m_platform->messages.size(), 0);
}

void TestHelpWindows::printingAnOrdinaryPageSavesNothing()
{
    m_shell->showHelpPage(QStringLiteral("guidadati"));
    m_shell->helpWindow(QStringLiteral("guidadati"))->findChild<QPushButton *>(QStringLiteral("stampa"))->click();
    QCOMPARE(m_platform->documents.size(), 1);
    QCOMPARE(QDir(DocumentHandover::defaultFolder()).entryList({QStringLiteral("*.doc")}, QDir::Files), QStringList());
}

void TestHelpWindows::printingTheGuideSavesItAmongTheUsersDocuments()
{
    contents()->findChild<QPushButton *>(QStringLiteral("cmdStampa"))->click();
    const QFileInfo saved(
        QDir(DocumentHandover::defaultFolder()).filePath(QStringLiteral("Veltra-guida.doc")));
    QVERIFY(saved.isFile());
    QVERIFY(saved.size() > 20000);
    QVERIFY(saved.path().startsWith(m_folder->path() + QLatin1Char('/')));
    QCOMPARE(QDir(m_folder->path()).entryList({QStringLiteral("*.doc")}, QDir::Files), QStringList());
    QCOMPARE(m_platform->documents.size(), 1);
}

void TestHelpWindows::missingGuideFileIsToldAndOpensNothing()
{
    QVERIFY(QFile::remove(m_folder->filePath(HelpGuide::fileName())));
    m_shell->showHelpPage(QStringLiteral("guidadati"));
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY(m_platform->lastMessage().text.contains(HelpGuide::fileName()));
    QVERIFY(!m_shell->helpWindow(QStringLiteral("guidadati")));
}

QTEST_MAIN(TestHelpWindows)
#include "tst_helpwindows.moc"
