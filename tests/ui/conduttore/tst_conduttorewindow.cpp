#include "core/state/sharedstate.h"
#include "support/scriptedplatform.h"
#include "support/workwindowfixture.h"
#include "ui/conduttore/conduttorewindow.h"
#include "ui/frame/shell.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QWheelEvent>

using namespace veltra;

namespace {

// Records what the window's step hint reads while each message is on the screen.
class HintWatchingPlatform : public ScriptedPlatform
{
public:
    void showMessage(MessageIcon icon, const QString &title, const QString &text) override
    {
        hintsShown << (window ? window->passo()->text() : QString());
        ScriptedPlatform::showMessage(icon, title, text);
    }

    WorkWindow *window = nullptr;
    QStringList hintsShown;
};

} // namespace

class TestConduttoreWindow : public QObject,
                             private WorkWindowFixture<ConduttoreWindow, HintWatchingPlatform>
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensOnTheFirstTenRowsWithItsHint();
    void rowFourIsTheLandlordsWholly();
    void rowSixtyShowsTheTenantsNinetyPerCent();
    void scrollEndsOnRowsSixtyFiveToSeventyFour();
    void wheelOverTheRowsScrollsThem();
    void speseShowsTheExpenseWindow();
    void unsupportedCommandsAreDisabledAndDoNothing();
    void deleteOffersTheDatiArchivesAndRemovesTheChosenFile();
    void printHandsOverTheTableAndSaysSo();
    void failedPrintSaysHowItEndedWhileTellingWhy();
    void helpSaysWhereTheSplitComesFrom();
    void rowTextsFitTheirLabels();

private:
    QString cell(const char *name, int r) const;

    QTemporaryDir m_home;
};

void TestConduttoreWindow::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("HOME", m_home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", m_home.path().toLocal8Bit());
}

void TestConduttoreWindow::init()
{
    createState();
    QVERIFY(openWindow(3));
}

void TestConduttoreWindow::cleanup()
{
    deleteWindow();
}

QString TestConduttoreWindow::cell(const char *name, int r) const
{
    auto *label = m_window->findChild<QLabel *>(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(r));
    return label ? label->text() : QStringLiteral("(missing)");
}

void TestConduttoreWindow::opensOnTheFirstTenRowsWithItsHint()
{
    QCOMPARE(m_window->windowTitle(),
             QStringLiteral("Veltra: ripartizione delle spese tra locatore e conduttore"));
    QCOMPARE(m_window->passo()->text(),
             QStringLiteral("visualizzare la casistica presente mediante la barra di scorrimento verticale"));
    auto *scroll = m_window->findChild<QScrollBar *>(QStringLiteral("VScroll1"));
    QVERIFY(scroll);
    QCOMPARE(scroll->minimum(), 1);
    QCOMPARE(scroll->maximum(), 65);
    QCOMPARE(scroll->singleStep(), 1);
    QCOMPARE(scroll->pageStep(), 10);
    QCOMPARE(scroll->value(), 1);
    for (int r = 1; r <= 10; ++r)
        QCOMPARE(cell("num", r), QString::number(r));
    QCOMPARE(cell("tip", 1), QStringLiteral("Amministrazione"));
    QCOMPARE(cell("spes", 1), QStringLiteral("Tassa occupazione suolo pubblico per passo carrabile"));
    QCOMPARE(cell("loc", 1), QStringLiteral("0"));
    QCOMPARE(cell("con", 1), QStringLiteral("100"));
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("lbtip"))->text(), QStringLiteral("tipologia "));
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("lbcon"))->toolTip(),
             QStringLiteral("percentuale a carico del conduttore"));
}

void TestConduttoreWindow::rowFourIsTheLandlordsWholly()
{
    QCOMPARE(cell("num", 4), QStringLiteral("4"));
    QCOMPARE(cell("tip", 4), QStringLiteral("Ascensore"));
    QCOMPARE(cell("spes", 4), QStringLiteral("Installazione e manutenzione straordinaria degli impianti"));
    QCOMPARE(cell("loc", 4), QStringLiteral("100"));
    QCOMPARE(cell("con", 4), QStringLiteral("0"));
}

void TestConduttoreWindow::rowSixtyShowsTheTenantsNinetyPerCent()
{
    m_window->setTopRow(55);
    QCOMPARE(cell("num", 6), QStringLiteral("60"));
    QCOMPARE(cell("tip", 6), QStringLiteral("Portierato"));
    QCOMPARE(cell("loc", 6), QStringLiteral("10"));
    QCOMPARE(cell("con", 6), QStringLiteral("90"));
}

void TestConduttoreWindow::scrollEndsOnRowsSixtyFiveToSeventyFour()
{
    auto *scroll = m_window->findChild<QScrollBar *>(QStringLiteral("VScroll1"));
    scroll->triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(m_window->topRow(), 65);
    QCOMPARE(cell("num", 1), QStringLiteral("65"));
    QCOMPARE(cell("spes", 1), QStringLiteral("Spese per l'assunzione dell'addetto"));
    QCOMPARE(cell("num", 10), QStringLiteral("74"));
    QCOMPARE(cell("tip", 10), QStringLiteral("Sgombero neve"));
    QCOMPARE(cell("spes", 10), QStringLiteral("Spese relative al servizio, compresi i materiali d'uso"));
    QCOMPARE(cell("loc", 10), QStringLiteral("0"));
    QCOMPARE(cell("con", 10), QStringLiteral("100"));
    scroll->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCOMPARE(cell("num", 1), QStringLiteral("55"));
}

// One notch of the wheel over a row's text moves the table as far as over any list; at the
// end of the table it moves nothing.
void TestConduttoreWindow::wheelOverTheRowsScrollsThem()
{
    auto turn = [this](const char *name, int r, int notches) {
        QWidget *label = control<QLabel>(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(r));
        const QPointF centre(label->width() / 2.0, label->height() / 2.0);
        QWheelEvent event(centre, label->mapToGlobal(centre), QPoint(), QPoint(0, -120 * notches),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(label, &event);
    };
    const int lines = QApplication::wheelScrollLines();
    turn("spes", 3, 1);
    QCOMPARE(m_window->topRow(), 1 + lines);
    QCOMPARE(cell("num", 1), QString::number(1 + lines));
    turn("con", 10, -1);
    QCOMPARE(m_window->topRow(), 1);
    m_window->setTopRow(65);
    turn("tip", 1, 1);
    QCOMPARE(m_window->topRow(), 65);
}

void TestConduttoreWindow::speseShowsTheExpenseWindow()
{
    auto *spese = m_window->findChild<QPushButton *>(QStringLiteral("cmdspese"));
    QVERIFY(spese);
    QCOMPARE(spese->text(), QStringLiteral("&Spese"));
    QCOMPARE(spese->toolTip(), QStringLiteral("cliccare per visualizzare la finestra Spese"));
    spese->click();
    QVERIFY(m_shell->existingWorkWindow(2));
    QVERIFY(m_shell->existingWorkWindow(2)->isVisible());
}

void TestConduttoreWindow::unsupportedCommandsAreDisabledAndDoNothing()
{
    for (int button : {1, 2, 18, 19}) {
        QAction *tool = m_window->toolBar()->findChild<QAction *>(QStringLiteral("button%1").arg(button));
        QVERIFY(!tool->isEnabled());
        tool->trigger();
    }
    for (const char *name : {"apri", "salva", "salvanome", "controllo", "cancella"}) {
        QAction *entry = m_window->findChild<QAction *>(QString::fromLatin1(name));
        QVERIFY2(entry && !entry->isEnabled(), name);
        entry->trigger();
    }
    QVERIFY(m_platform->messages.isEmpty());
    QVERIFY(m_platform->dialogs.isEmpty());
    QCOMPARE(cell("num", 1), QStringLiteral("1"));
}

void TestConduttoreWindow::deleteOffersTheDatiArchivesAndRemovesTheChosenFile()
{
    const QString victim = m_home.filePath(QStringLiteral("Veltra-dati-Aurora"));
    QFile file(victim);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    m_platform->fileNames.enqueue(victim);
    m_window->findChild<QAction *>(QStringLiteral("eliminare"))->trigger();
    QCOMPARE(m_platform->dialogs.size(), 1);
    QCOMPARE(m_platform->dialogs.at(0).filter,
             QStringLiteral("Tutti i file (*.*)|*.*|File Veltra-dati- | Veltra-dati-*"));
    QCOMPARE(m_platform->dialogs.at(0).selectedFilter, 2);
    QVERIFY(!QFile::exists(victim));
    m_window->toolBar()->findChild<QAction *>(QStringLiteral("button3"))->trigger();
    QCOMPARE(m_platform->dialogs.size(), 2);
    QVERIFY(m_platform->messages.isEmpty());
}

void TestConduttoreWindow::printHandsOverTheTableAndSaysSo()
{
    m_window->findChild<QAction *>(QStringLiteral("stampa"))->trigger();
    QCOMPARE(m_platform->documents.size(), 1);
    QCOMPARE(m_window->passo()->text(), QStringLiteral("ho visualizzato i dati su WORD (")
                                            + QFileInfo(m_platform->documents.last()).fileName()
                                            + QLatin1Char(')'));
}

// While the user reads why a print failed, the hint already says how it ended, not that the
// word processor is still loading.
void TestConduttoreWindow::failedPrintSaysHowItEndedWhileTellingWhy()
{
    m_platform->window = m_window;
    m_platform->documentsOpen = false;
    m_window->printMain();
    const QString saved = QStringLiteral("ho salvato il documento in ")
        + QDir::toNativeSeparators(m_platform->documents.last());
    QCOMPARE(m_platform->hintsShown, QStringList{saved});
    QCOMPARE(m_window->passo()->text(), saved);

    // A file where the documents' folder should be: nothing can be written.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QVERIFY(QDir().mkpath(documents));
    QDir(documents + QStringLiteral("/Veltra")).removeRecursively();
    QFile blocker(documents + QStringLiteral("/Veltra"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    m_window->printMain();
    QCOMPARE(m_platform->hintsShown.last(), QString::fromUtf8("il documento non è stato salvato"));
    QCOMPARE(m_window->passo()->text(), QString::fromUtf8("il documento non è stato salvato"));
    QVERIFY(blocker.remove());
}

void TestConduttoreWindow::helpSaysWhereTheSplitComesFrom()
{
    m_window->findChild<QPushButton *>(QStringLiteral("aiuto"))->click();
    QCOMPARE(m_platform->lastMessage().icon, MessageIcon::Information);
    QCOMPARE(m_platform->lastMessage().title, m_state->texts.helpTitle);
    QCOMPARE(m_platform->lastMessage().text.split(QLatin1Char('\n')),
             (QStringList{QString::fromUtf8("- La finestra è di sola lettura;"),
                          QStringLiteral("- visualizzare la casistica presente nel programma con "
                                         "la barra di scorrimento verticale;"),
                          QString::fromUtf8("- la ripartizione è desunta dalla normativa vigente e "
                                            "dagli attuali accordi sindacali nazionali;"),
                          QStringLiteral("- stampare tutta la casistica se necessario.")}));
}

// Every row of the table, scrolled into view, fits its labels; so do the headings, whose
// longest words must not be cut at the column's edge.
void TestConduttoreWindow::rowTextsFitTheirLabels()
{
    for (const char *name : {"lbnum", "lbtip", "lbspes", "lbloc", "lbcon"}) {
        auto *label = m_window->findChild<QLabel *>(QLatin1String(name));
        const QRect text = label->fontMetrics().boundingRect(
            label->contentsRect(), int(label->alignment()) | Qt::TextWordWrap, label->text());
        QVERIFY2(label->contentsRect().contains(text), name);
    }
    for (int top = 1; top <= 65; top += 10) {
        m_window->setTopRow(top);
        for (int r = 1; r <= 10; ++r) {
            for (const char *name : {"num", "tip", "spes", "loc", "con"}) {
                auto *label = m_window->findChild<QLabel *>(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(r));
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                         qPrintable(label->text()));
            }
        }
    }
}

QTEST_MAIN(TestConduttoreWindow)
#include "tst_conduttorewindow.moc"
