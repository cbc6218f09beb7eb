#include "core/state/sharedstate.h"
#include "support/scriptedplatform.h"
#include "support/workwindowfixture.h"
#include "ui/assemblea/assembleawindow.h"
#include "ui/assemblea/wrappedbutton.h"
#include "ui/frame/shell.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using namespace veltra;

namespace {

// Records the step hint the window shows while each message is on screen.
class HintWatchingPlatform : public ScriptedPlatform
{
public:
    void showMessage(MessageIcon icon, const QString &title, const QString &text) override
    {
        hintsDuringMessages << (window ? window->passo()->text() : QString());
        ScriptedPlatform::showMessage(icon, title, text);
    }

    WorkWindow *window = nullptr;
    QStringList hintsDuringMessages;
};

const QString Idle =
    QStringLiteral("cliccare su un tasto per visualizzare la maggioranza richiesta dalla legge");

} // namespace

class TestAssembleaWindow : public QObject,
                            private WorkWindowFixture<AssembleaWindow, HintWatchingPlatform>
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensWithHeadingHintAndOneButtonPerMatter();
    void buttonSevenShowsItsMajorityAndNamesTheMatter();
    void everyButtonShowsItsOwnMatter();
    void unsupportedCommandsAreDisabledAndDoNothing();
    void deleteOffersTheSpeseArchivesAndRemovesTheChosenFile();
    void printHandsOverTheMajoritiesAndSaysSo();
    void convocazioneOpensTheNoticeWindow();
    void helpCountsTheButtons();
    void ownViewEntryKeepsItsCheckMark();
    void captionsFitTheirButtons();

private:
    QAction *action(const QString &name) const;

    QTemporaryDir m_home;
};

// Printed documents go to the documents folder of a home of the test's own.
void TestAssembleaWindow::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("HOME", m_home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", m_home.path().toLocal8Bit());
}

void TestAssembleaWindow::init()
{
    createState();
    QVERIFY(openWindow(5));
    m_platform->window = m_window;
}

void TestAssembleaWindow::cleanup()
{
    deleteWindow();
}

QAction *TestAssembleaWindow::action(const QString &name) const
{
    return m_window->findChild<QAction *>(name);
}

void TestAssembleaWindow::opensWithHeadingHintAndOneButtonPerMatter()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Veltra: assemblea di condominio"));
    auto *heading = m_window->findChild<QLabel *>(QStringLiteral("Label7"));
    QVERIFY(heading);
    QCOMPARE(heading->text(), QStringLiteral("Maggioranze necessarie per le assemblee di condominio"));
    QCOMPARE(m_window->passo()->text(), Idle);
    QVERIFY(m_platform->messages.isEmpty());
    QCOMPARE(m_window->majorities().size(), 19);
    for (int n = 1; n <= 19; ++n) {
        auto *button = m_window->findChild<WrappedButton *>(QStringLiteral("cmd_%1").arg(n));
        QVERIFY(button);
        QCOMPARE(button->caption(), m_window->majorities().at(n - 1).caption);
        QVERIFY(button->caption().startsWith(QString::number(n) + QStringLiteral(")  ")));
    }
    QVERIFY(!m_window->findChild<WrappedButton *>(QStringLiteral("cmd_20")));
}

void TestAssembleaWindow::buttonSevenShowsItsMajorityAndNamesTheMatter()
{
    QTest::mouseClick(m_window->matterButton(7), Qt::LeftButton);
    QCOMPARE(m_platform->messages.size(), 1);
    const ScriptedPlatform::Message &message = m_platform->lastMessage();
    QCOMPARE(message.icon, MessageIcon::Information);
    QCOMPARE(message.title, QStringLiteral("Veltra - Normativa di riferimento"));
    QCOMPARE(message.text,
             QString::fromUtf8("Maggioranza degli intervenuti e almeno la metà del valore "
                               "dell'edificio, in prima come in seconda convocazione "
                               "(art.1136 C.C. quarto comma)."));
    QCOMPARE(m_platform->hintsDuringMessages.last(),
             QString::fromUtf8("viene visualizzata la maggioranza richiesta per la validità delle "
                               "deliberazioni di condominio riferite alla problematica n. 7"));
    QCOMPARE(m_window->passo()->text(), Idle);
}

void TestAssembleaWindow::everyButtonShowsItsOwnMatter()
{
    for (int n = 1; n <= m_window->majorities().size(); ++n) {
        m_window->matterButton(n)->click();
        QCOMPARE(m_platform->lastMessage().text, m_window->majorities().at(n - 1).text);
        QVERIFY(m_platform->hintsDuringMessages.last().endsWith(QStringLiteral("problematica n. ")
                                                                + QString::number(n)));
    }
    QCOMPARE(m_platform->messages.size(), 19);
}

// Open, save, check and clear: the window has no data of its own.
void TestAssembleaWindow::unsupportedCommandsAreDisabledAndDoNothing()
{
    for (int button : {1, 2, 18, 19}) {
        QAction *tool = m_window->toolBar()->findChild<QAction *>(QStringLiteral("button%1").arg(button));
        QVERIFY(tool);
        QVERIFY(!tool->isEnabled());
        tool->trigger();
    }
    for (const char *name : {"apri", "salva", "salvanome", "controllo", "cancella"}) {
        QAction *entry = action(QString::fromLatin1(name));
        QVERIFY2(entry, name);
        QVERIFY2(!entry->isEnabled(), name);
        entry->trigger();
    }
    QVERIFY(m_platform->messages.isEmpty());
    QVERIFY(m_platform->dialogs.isEmpty());
    QVERIFY(m_platform->documents.isEmpty());
    QCOMPARE(m_window->passo()->text(), Idle);
    QVERIFY(action(QStringLiteral("eliminare"))->isEnabled());
    QVERIFY(action(QStringLiteral("stampa"))->isEnabled());
}

void TestAssembleaWindow::deleteOffersTheSpeseArchivesAndRemovesTheChosenFile()
{
    const QString victim = m_home.filePath(QStringLiteral("Veltra-spese-Aurora"));
    QFile file(victim);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    m_platform->fileNames.enqueue(victim);
    m_window->findChild<QAction *>(QStringLiteral("eliminare"))->trigger();
    QCOMPARE(m_platform->dialogs.size(), 1);
    QCOMPARE(m_platform->dialogs.at(0).filter,
             QStringLiteral("Tutti i file (*.*)|*.*|File Veltra-spese- | Veltra-spese-*"));
    QCOMPARE(m_platform->dialogs.at(0).selectedFilter, 2);
    QVERIFY(!QFile::exists(victim));
    m_window->toolBar()->findChild<QAction *>(QStringLiteral("button3"))->trigger();
    QCOMPARE(m_platform->dialogs.size(), 2);
    QVERIFY(m_platform->messages.isEmpty());
}

void TestAssembleaWindow::printHandsOverTheMajoritiesAndSaysSo()
{
    action(QStringLiteral("stampa"))->trigger();
    QCOMPARE(m_platform->documents.size(), 1);
    QCOMPARE(m_window->passo()->text(), QStringLiteral("ho visualizzato i dati su WORD (")
                                            + QFileInfo(m_platform->documents.last()).fileName()
                                            + QLatin1Char(')'));
    m_window->toolBar()->findChild<QAction *>(QStringLiteral("button4"))->trigger();
    QCOMPARE(m_platform->documents.size(), 2);
}

void TestAssembleaWindow::convocazioneOpensTheNoticeWindow()
{
    auto *convoca = m_window->findChild<QPushButton *>(QStringLiteral("convoca"));
    QVERIFY(convoca);
    QCOMPARE(convoca->text(), QStringLiteral("&Convocaz."));
    QCOMPARE(convoca->toolTip(), QStringLiteral("cliccare per visualizzare la finestra Convocazione"));
    convoca->click();
    WorkWindow *notice = m_shell->existingWorkWindow(6);
    QVERIFY(notice);
    QVERIFY(notice->isVisible());
    QVERIFY(m_window->isVisible());
    QVERIFY(m_platform->messages.isEmpty());
}

void TestAssembleaWindow::helpCountsTheButtons()
{
    m_window->findChild<QPushButton *>(QStringLiteral("aiuto"))->click();
    const ScriptedPlatform::Message &message = m_platform->lastMessage();
    QCOMPARE(message.icon, MessageIcon::Information);
    QCOMPARE(message.title, m_state->texts.helpTitle);
    QCOMPARE(message.text.split(QLatin1Char('\n')),
             (QStringList{QString::fromUtf8("La finestra è di sola lettura:"),
                          QStringLiteral("- cliccare su uno dei 19 tasti gialli per visualizzare "
                                         "le informazioni richieste;"),
                          QStringLiteral("- visualizzare nella casella gialla in basso a quale "
                                         "situazione si riferisce l'informazione;"),
                          QStringLiteral("- cliccare sul tasto 'Guida in linea' per visualizzare "
                                         "gli articoli del Codice Civile e delle Disposizioni di "
                                         "Attuazione.")}));
}

void TestAssembleaWindow::ownViewEntryKeepsItsCheckMark()
{
    QAction *entry = action(QStringLiteral("finestra5"));
    QVERIFY(entry->isChecked());
    m_platform->answers.enqueue(false);
    entry->trigger();
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("È questa la finestra 'Assemblea': si vuole la guida della finestra?"));
    QVERIFY(entry->isChecked());
    QVERIFY(!action(QStringLiteral("finestra4"))->isChecked());
}

void TestAssembleaWindow::captionsFitTheirButtons()
{
    for (int n = 1; n <= m_window->majorities().size(); ++n) {
        QLabel *label = m_window->matterButton(n)->captionLabel();
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                 qPrintable(label->text()));
        QVERIFY(m_window->form()->rect().contains(m_window->matterButton(n)->geometry()));
    }
}

QTEST_MAIN(TestAssembleaWindow)
#include "tst_assembleawindow.moc"
