#include "core/state/sharedstate.h"
#include "library/rulings/rulinglibrary.h"
#include "support/reportcontents.h"
#include "support/scriptedplatform.h"
#include "support/workwindowfixture.h"
#include "ui/frame/shell.h"
#include "ui/frame/textfit.h"
#include "ui/sentenze/sentenzewindow.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using namespace veltra;

namespace {

const QString EndOfTopic =
    QStringLiteral("     ----- non esistono altre sentenze da visualizzare sull'argomento -----");
const QString NothingToPrint =
    QStringLiteral("Non vi è nulla da stampare: scegliere un argomento da visualizzare.");

} // namespace

class TestSentenzeWindow : public QObject, private WorkWindowFixture<SentenzeWindow>
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadListsTheTopicsAndTheTotal();
    void choosingATopicShowsItsFirstRuling();
    void leafingStopsOneStepPastTheLast();
    void topicWithoutRulingsShowsTheEndLineAtOnce();
    void printBeforeAnyTopicIsRefused();
    void chimneyFluesPrintedWhole();
    void printAllFromRulingFive();
    void printOfTheRulingShownFromButtonMenuAndToolbar();
    void helpListsTheFiveInstructions();
    void malformedFileIsShownAsItsMessage();

private:
    SentenzeWindow *open(const QString &folder = QStringLiteral(VELTRA_SOURCE_DIR "/data"));
    QString shown(SentenzeWindow *window) const;
    QString label(SentenzeWindow *window, const char *name) const;

    QTemporaryDir m_home;
    RulingLibrary m_shipped;
};

void TestSentenzeWindow::init()
{
    qputenv("HOME", m_home.path().toLocal8Bit());
    createState();
    m_shipped = RulingLibrary::load(QStringLiteral(VELTRA_SOURCE_DIR "/data/sentenze.txt"));
}

void TestSentenzeWindow::cleanup()
{
    deleteWindow();
}

SentenzeWindow *TestSentenzeWindow::open(const QString &folder)
{
    m_shell = new Shell(*m_state, *m_platform, folder);
    return qobject_cast<SentenzeWindow *>(m_shell->workWindow(7));
}

QString TestSentenzeWindow::shown(SentenzeWindow *window) const
{
    return window->findChild<QPlainTextEdit *>(QStringLiteral("sent"))->toPlainText();
}

QString TestSentenzeWindow::label(SentenzeWindow *window, const char *name) const
{
    return window->findChild<QLabel *>(QLatin1String(name))->text();
}

void TestSentenzeWindow::loadListsTheTopicsAndTheTotal()
{
    SentenzeWindow *window = open();
    const auto *list = window->findChild<QListWidget *>(QStringLiteral("List1"));
    QCOMPARE(list->count(), 36);
    QCOMPARE(list->item(0)->text(), QStringLiteral("   1) Abbaini, mansarde, tetto"));
    QCOMPARE(list->item(9)->text(), QStringLiteral(" 10) Assemblea"));
    QCOMPARE(list->item(35)->text(), QStringLiteral(" 36) Varie (comunione, conto corrente)"));
    window->show();
    for (int row = 0; row < list->count(); ++row)
        QVERIFY2(list->visualItemRect(list->item(row)).width() <= list->viewport()->width()
                     && list->fontMetrics().horizontalAdvance(list->item(row)->text()) < list->viewport()->width() - 8,
                 qPrintable(list->item(row)->text()));
    // 154 listed decisions less the two whose date or number is in doubt, and thirteen more
    // whose court, date and number a source states.
    QCOMPARE(label(window, "Label1"), QStringLiteral(" 165 sentenze totali"));
    QCOMPARE(window->passo()->text(),
             QStringLiteral("scegliere l'argomento di cui si vuole visualizzare le sentenze disponibili"));
    QCOMPARE(window->chosenTopic(), 0);
}

void TestSentenzeWindow::choosingATopicShowsItsFirstRuling()
{
    SentenzeWindow *window = open();
    auto *list = window->findChild<QListWidget *>(QStringLiteral("List1"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(15)).center());
    QCOMPARE(window->chosenTopic(), 16);
    QCOMPARE(label(window, "conta"), QStringLiteral("1"));
    QCOMPARE(shown(window), m_shipped.text(1, 16));
    QVERIFY(shown(window).contains(QStringLiteral("canna fumaria")));
    QCOMPARE(label(window, "Label2"), QStringLiteral("Canne fumarie"));
    QCOMPARE(list->toolTip(), QStringLiteral("argomento scelto: Canne fumarie"));
    QCOMPARE(window->passo()->text(),
             QStringLiteral("visualizzazione delle  2 sentenze relative all'argomento scelto"));
    // Every topic's title fits the label that shows it.
    window->show();
    const auto *title = window->findChild<QLabel *>(QStringLiteral("Label2"));
    for (int t = 1; t <= 36; ++t) {
        window->chooseTopic(t);
        QVERIFY2(TextFit::fittingSize(title) == title->size(), qPrintable(title->text()));
    }
}

void TestSentenzeWindow::leafingStopsOneStepPastTheLast()
{
    SentenzeWindow *window = open();
    const auto *scroll = window->findChild<QScrollBar *>(QStringLiteral("HScroll1"));
    QCOMPARE(scroll->minimum(), 1);
    QCOMPARE(scroll->maximum(), 100);
    window->chooseTopic(10);
    const int count = m_shipped.count(10);
    QVERIFY(count > 2);
    window->leafTo(count);
    QCOMPARE(label(window, "conta"), QString::number(count));
    QCOMPARE(shown(window), m_shipped.text(count, 10));
    window->leafTo(count + 1);
    QCOMPARE(shown(window), EndOfTopic);
    QCOMPARE(label(window, "conta"), QString::number(count + 1));
    window->leafTo(count + 2);
    QCOMPARE(scroll->value(), count + 1);
    window->leafTo(100);
    QCOMPARE(scroll->value(), count + 1);
    QCOMPARE(label(window, "conta"), QString::number(count + 1));
    // Choosing a topic again starts from its first ruling.
    window->chooseTopic(5);
    QCOMPARE(scroll->value(), 1);
    QCOMPARE(shown(window), m_shipped.text(1, 5));
}

void TestSentenzeWindow::topicWithoutRulingsShowsTheEndLineAtOnce()
{
    SentenzeWindow *window = open();
    QCOMPARE(m_shipped.count(2), 0);
    window->chooseTopic(2);
    QCOMPARE(shown(window), EndOfTopic);
    QCOMPARE(label(window, "conta"), QStringLiteral("1"));
    QCOMPARE(window->passo()->text(),
             QStringLiteral("visualizzazione delle  0 sentenze relative all'argomento scelto"));
    window->printAllFromShown();
    QCOMPARE(m_platform->lastMessage().text, NothingToPrint);
    QVERIFY(m_platform->documents.isEmpty());
}

void TestSentenzeWindow::printBeforeAnyTopicIsRefused()
{
    SentenzeWindow *window = open();
    window->printShownRuling();
    window->printAllFromShown();
    QCOMPARE(m_platform->messages.size(), 2);
    for (const ScriptedPlatform::Message &message : m_platform->messages) {
        QCOMPARE(message.icon, MessageIcon::Exclamation);
        QCOMPARE(message.title, m_state->texts.checkTitle);
        QCOMPARE(message.text, NothingToPrint);
    }
    QVERIFY(m_platform->documents.isEmpty());
    QCOMPARE(window->passo()->text(),
             QStringLiteral("scegliere l'argomento di cui si vuole visualizzare le sentenze disponibili"));
}

void TestSentenzeWindow::chimneyFluesPrintedWhole()
{
    SentenzeWindow *window = open();
    m_state->condoName = QStringLiteral("Aurora");
    window->chooseTopic(16);
    const ReportDocument document = window->printout(true);
    QCOMPARE(ReportContents::paragraphTexts(document),
             QStringList({QStringLiteral("Condominio: Aurora\r"),
                          QStringLiteral("\r\rSentenza n.1: Canne fumarie\r"), m_shipped.text(1, 16) + QLatin1Char('\r'),
                          QStringLiteral("\r\rSentenza n.2: Canne fumarie\r"), m_shipped.text(2, 16) + QLatin1Char('\r')}));
    QCOMPARE(document.fontName(), QStringLiteral("Century Gothic"));
    QCOMPARE(shown(window), EndOfTopic);
    QCOMPARE(label(window, "conta"), QStringLiteral("3"));
}

void TestSentenzeWindow::printAllFromRulingFive()
{
    SentenzeWindow *window = open();
    window->chooseTopic(5);
    const int count = m_shipped.count(5);
    QVERIFY(count > 5);
    window->leafTo(5);
    const QStringList texts = ReportContents::paragraphTexts(window->printout(true));
    QCOMPARE(texts.size(), 1 + 2 * (count - 4));
    QCOMPARE(texts.at(1), QStringLiteral("\r\rSentenza n.5: Amministratore\r"));
    QCOMPARE(texts.at(2), m_shipped.text(5, 5) + QLatin1Char('\r'));
    QCOMPARE(texts.last(), m_shipped.text(count, 5) + QLatin1Char('\r'));
}

void TestSentenzeWindow::printOfTheRulingShownFromButtonMenuAndToolbar()
{
    SentenzeWindow *window = open();
    window->chooseTopic(6);
    window->leafTo(2);
    const QStringList texts = ReportContents::paragraphTexts(window->printout(false));
    QCOMPARE(texts.size(), 3);
    QCOMPARE(texts.at(1), QStringLiteral("\r\rSentenza n.2: Animali\r"));
    QCOMPARE(label(window, "conta"), QStringLiteral("2"));

    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("stampiamo")), Qt::LeftButton);
    QCOMPARE(window->passo()->text(), QStringLiteral("ho visualizzato i dati su WORD (")
                                          + QFileInfo(m_platform->documents.last()).fileName()
                                          + QLatin1Char(')'));
    window->toolBar()->findChild<QAction *>(QStringLiteral("button4"))->trigger();
    const QList<QAction *> entries = window->fileMenu()->findChild<QAction *>(QStringLiteral("stampa"))->menu()->actions();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries.at(0)->text(), QStringLiteral("&Sentenza visualizzata"));
    QCOMPARE(entries.at(1)->text(), QStringLiteral("&Tutte le sentenze dell'argomento"));
    entries.at(0)->trigger();
    QCOMPARE(label(window, "conta"), QStringLiteral("2"));
    entries.at(1)->trigger();
    QCOMPARE(shown(window), EndOfTopic);
    QCOMPARE(m_platform->documents.size(), 4);
    QVERIFY(m_platform->messages.isEmpty());
}

void TestSentenzeWindow::helpListsTheFiveInstructions()
{
    SentenzeWindow *window = open();
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("aiuto")), Qt::LeftButton);
    QCOMPARE(m_platform->lastMessage().icon, MessageIcon::Information);
    QCOMPARE(m_platform->lastMessage().title, m_state->texts.helpTitle);
    const QStringList lines = m_platform->lastMessage().text.split(QLatin1Char('\r'));
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines.first(), QStringLiteral("- Scegliere uno degli argomenti elencati sulla sinistra della finestra;"));
    QCOMPARE(lines.last(), QStringLiteral("- visualizzare il numero di sentenze disponibili nella casella gialla."));
    QCOMPARE(window->findChild<QPushButton *>(QStringLiteral("aiuto"))->toolTip(),
             QStringLiteral("cliccare per visualizzare l'aiuto in linea"));
}

void TestSentenzeWindow::malformedFileIsShownAsItsMessage()
{
    QTemporaryDir folder;
    QFile file(QDir(folder.path()).filePath(QStringLiteral("sentenze.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[sentenza 1.2]\nPrincipio. - (Cassazione, 01/01/2000, n.1)\nfonte: https://x.it\n"
               "# fine del file\n");
    file.close();
    SentenzeWindow *window = open(folder.path());
    QCOMPARE(shown(window), QStringLiteral("Il file sentenze.txt non è leggibile: riga 1: attesa la sentenza 1.1."));
    QCOMPARE(label(window, "Label1"), QStringLiteral(" 0 sentenze totali"));
    window->chooseTopic(1);
    QCOMPARE(shown(window), EndOfTopic);
}

QTEST_MAIN(TestSentenzeWindow)
#include "tst_sentenzewindow.moc"
