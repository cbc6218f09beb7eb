#include "core/state/sharedstate.h"
#include "library/regulation/regulationtext.h"
#include "reports/document/reportdocument.h"
#include "support/reportcontents.h"
#include "support/scriptedplatform.h"
#include "support/workwindowfixture.h"
#include "ui/frame/shell.h"
#include "ui/regolamento/regolamentowindow.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using namespace veltra;

class TestRegolamentoWindow : public QObject, private WorkWindowFixture<RegolamentoWindow>
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadShowsTheDraftReadOnly();
    void printingTwiceGivesTheSameWholeDraft();
    void printNamesItsDocumentInTheStatus();
    void helpShowsThreeLinesWithoutIconOrTitle();
    void malformedFileIsShownAsItsMessageAndNotPrinted();

private:
    RegolamentoWindow *open(const QString &folder);

    QTemporaryDir m_home;
};

void TestRegolamentoWindow::init()
{
    // Printed documents go to the documents folder of a home of the test's own.
    qputenv("HOME", m_home.path().toLocal8Bit());
    createState();
}

void TestRegolamentoWindow::cleanup()
{
    deleteWindow();
}

RegolamentoWindow *TestRegolamentoWindow::open(const QString &folder)
{
    m_shell = new Shell(*m_state, *m_platform, folder);
    return qobject_cast<RegolamentoWindow *>(m_shell->workWindow(8));
}

void TestRegolamentoWindow::loadShowsTheDraftReadOnly()
{
    RegolamentoWindow *window = open(QStringLiteral(VELTRA_SOURCE_DIR "/data"));
    QVERIFY(window);
    const auto *text = window->findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    QVERIFY(text->isReadOnly());
    const QString draft = RegulationText::load(QStringLiteral(VELTRA_SOURCE_DIR "/data/regolamento.txt")).text();
    QCOMPARE(text->toPlainText(), QString(draft).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("Label61"))->text(),
             QStringLiteral("Bozza di regolamento di condominio"));
    QCOMPARE(window->passo()->text(),
             QStringLiteral("La stampa del regolamento avviene automaticamente su WORD, dove può essere "
                            "integrato e modificato."));
    const auto *print = window->findChild<QPushButton *>(QStringLiteral("stampa"));
    QCOMPARE(print->text(), QStringLiteral("&Stampa"));
    QCOMPARE(print->toolTip(), QStringLiteral("cliccare per esportare il documento su Word"));
    QVERIFY(window->findChild<QPushButton *>(QStringLiteral("cmdesci")));
    QVERIFY(window->findChild<QPushButton *>(QStringLiteral("forum")));
    for (int button : {1, 2, 3, 18, 19})
        QVERIFY(!window->toolBar()->findChild<QAction *>(QStringLiteral("button%1").arg(button))->isEnabled());
    QVERIFY(window->toolBar()->findChild<QAction *>(QStringLiteral("button4"))->isEnabled());
}

void TestRegolamentoWindow::printingTwiceGivesTheSameWholeDraft()
{
    RegolamentoWindow *window = open(QStringLiteral(VELTRA_SOURCE_DIR "/data"));
    m_state->condoName = QStringLiteral("Residenza Aurora");
    const QStringList first = ReportContents::paragraphTexts(window->printout());
    const QStringList second = ReportContents::paragraphTexts(window->printout());
    QCOMPARE(first, second);
    QCOMPARE(first.size(), 3);
    QCOMPARE(first.at(0), QStringLiteral("Condominio: Residenza Aurora\r\r"));
    const QString body = first.at(1);
    QCOMPARE(body, window->regulation().text() + QStringLiteral("\r\r"));
    QVERIFY(body.startsWith(QStringLiteral("Regolamento di condominio\r\n\r\nCapitolo 1°")));
    QVERIFY(body.contains(QLatin1String("\r\na)\t")));
    QVERIFY(body.contains(QLatin1String("____________________, via ____")));
    QVERIFY(body.contains(QStringLiteral("\r\n\r\nCapitolo 4° - Amministrazione\r\nArt. 9\r\n")));
}

void TestRegolamentoWindow::printNamesItsDocumentInTheStatus()
{
    RegolamentoWindow *window = open(QStringLiteral(VELTRA_SOURCE_DIR "/data"));
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("stampa")), Qt::LeftButton);
    QCOMPARE(m_platform->documents.size(), 1);
    QCOMPARE(window->passo()->text(), QStringLiteral("ho visualizzato il documento ")
                                          + QFileInfo(m_platform->documents.last()).fileName());
    window->toolBar()->findChild<QAction *>(QStringLiteral("button4"))->trigger();
    QCOMPARE(m_platform->documents.size(), 2);
    QVERIFY(m_platform->messages.isEmpty());
}

void TestRegolamentoWindow::helpShowsThreeLinesWithoutIconOrTitle()
{
    RegolamentoWindow *window = open(QStringLiteral(VELTRA_SOURCE_DIR "/data"));
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("aiuto")), Qt::LeftButton);
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->lastMessage().icon, MessageIcon::None);
    QVERIFY(m_platform->lastMessage().title.isEmpty());
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("La finestra è di sola lettura:\r- stampare la bozza di regolamento su Word;\r"
                            "- integrarla e/o modificarla e, quindi stamparla e/o archiviarla, sempre con Word."));
}

void TestRegolamentoWindow::malformedFileIsShownAsItsMessageAndNotPrinted()
{
    QTemporaryDir folder;
    QFile file(QDir(folder.path()).filePath(QStringLiteral("regolamento.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Regolamento di condominio\nArt. 1\nArt. 2\nArt. 4\n# fine del file\n");
    file.close();
    RegolamentoWindow *window = open(folder.path());
    const QString message = QStringLiteral("Il file regolamento.txt non è leggibile: riga 4: atteso \"Art. 3\".");
    QCOMPARE(window->findChild<QPlainTextEdit *>(QStringLiteral("Text1"))->toPlainText(), message);
    window->printMain();
    QVERIFY(m_platform->documents.isEmpty());
    QCOMPARE(m_platform->lastMessage().text, message);
}

QTEST_MAIN(TestRegolamentoWindow)
#include "tst_regolamentowindow.moc"
