#include "core/state/sharedstate.h"
#include "support/reportcontents.h"
#include "support/scriptedplatform.h"
#include "ui/frame/shell.h"
#include "ui/frame/textfit.h"
#include "ui/modelli/modelliwindow.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

using namespace veltra;

class TestModelliWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listHasSeventyLinesWithTheirSpacing();
    void choosingTheFirstAndTheLastTemplate();
    void shippedLibraryFirstAndLastTitles();
    void choosingAnEmptyEntryEmptiesTitleAndText();
    void printBeforeAnyChoiceGivesTheHeadingAlone();
    void printShowsItsStatusTexts();
    void unreadableFileIsShownAsItsMessage();

private:
    ModelliWindow *open(const QByteArray &templates);

    QTemporaryDir m_home;
    QTemporaryDir m_data;
    SharedState *m_state = nullptr;
    ScriptedPlatform *m_platform = nullptr;
    Shell *m_shell = nullptr;
};

void TestModelliWindow::init()
{
    qputenv("HOME", m_home.path().toLocal8Bit());
    m_state = new SharedState;
    m_state->initSharedStrings();
    m_platform = new ScriptedPlatform;
}

void TestModelliWindow::cleanup()
{
    delete m_shell;
    m_shell = nullptr;
    delete m_platform;
    delete m_state;
}

// Template n is titled "modello numero n" and reads "Oggetto: n" then a line with a tab.
QByteArray numberedTemplates()
{
    QByteArray bytes = "# modelli di prova\n";
    for (int n = 1; n <= 69; ++n)
        bytes += "[modello " + QByteArray::number(n) + "] modello numero " + QByteArray::number(n)
            + "\n\nOggetto: " + QByteArray::number(n) + "\n\tIl locatore/altro ____\n\n";
    return bytes;
}

ModelliWindow *TestModelliWindow::open(const QByteArray &templates)
{
    QFile file(QDir(m_data.path()).filePath(QStringLiteral("modelli.txt")));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(templates + "# fine del file\n");
    file.close();
    m_shell = new Shell(*m_state, *m_platform, m_data.path());
    return qobject_cast<ModelliWindow *>(m_shell->workWindow(9));
}

void TestModelliWindow::listHasSeventyLinesWithTheirSpacing()
{
    ModelliWindow *window = open(numberedTemplates());
    const auto *list = window->findChild<QListWidget *>(QStringLiteral("List1"));
    QCOMPARE(list->count(), 70);
    QCOMPARE(list->item(0)->text(), QStringLiteral("   1) modello numero 1"));
    QCOMPARE(list->item(8)->text(), QStringLiteral("   9) modello numero 9"));
    QCOMPARE(list->item(9)->text(), QStringLiteral(" 10) modello numero 10"));
    QCOMPARE(list->item(68)->text(), QStringLiteral(" 69) modello numero 69"));
    QCOMPARE(list->item(69)->text(), QStringLiteral(" 70) "));
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("Label61"))->text(), QStringLiteral("Modelli per il condominio"));
    QCOMPARE(window->passo()->text(),
             QStringLiteral("La stampa dei modelli avviene automaticamente su WORD, dove possono essere "
                            "integrati e modificati."));
}

void TestModelliWindow::choosingTheFirstAndTheLastTemplate()
{
    ModelliWindow *window = open(numberedTemplates());
    auto *list = window->findChild<QListWidget *>(QStringLiteral("List1"));
    const auto *title = window->findChild<QLabel *>(QStringLiteral("tit"));
    const auto *text = window->findChild<QPlainTextEdit *>(QStringLiteral("testo"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    QCOMPARE(window->chosenEntry(), 1);
    QCOMPARE(title->text(), QStringLiteral("modello numero 1"));
    QCOMPARE(list->toolTip(), QStringLiteral("modello numero 1"));
    QCOMPARE(text->toPlainText(), QStringLiteral("Oggetto: 1\n\tIl locatore/altro ____"));
    QVERIFY(text->isReadOnly());
    QCOMPARE(window->passo()->text(), QStringLiteral("scegli un altro modello o stampa con Word quello visualizzato"));
    window->chooseTemplate(69);
    QCOMPARE(title->text(), QStringLiteral("modello numero 69"));
    QCOMPARE(text->toPlainText(), QStringLiteral("Oggetto: 69\n\tIl locatore/altro ____"));
}

void TestModelliWindow::shippedLibraryFirstAndLastTitles()
{
    m_shell = new Shell(*m_state, *m_platform, QStringLiteral(VELTRA_SOURCE_DIR "/data"));
    auto *window = qobject_cast<ModelliWindow *>(m_shell->workWindow(9));
    const auto *list = window->findChild<QListWidget *>(QStringLiteral("List1"));
    QCOMPARE(list->item(0)->text(), QStringLiteral("   1) aggiornamento del canone"));
    QCOMPARE(list->item(67)->text(), QStringLiteral(" 68) verbale di assemblea di seconda convocazione"));
    QCOMPARE(list->item(68)->text(), QStringLiteral(" 69) contratto di appalto per lavori condominiali"));
    window->chooseTemplate(1);
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("tit"))->text(), QStringLiteral("aggiornamento del canone"));
    QCOMPARE(window->findChild<QPlainTextEdit *>(QStringLiteral("testo"))->toPlainText(),
             window->library().text(1).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    window->chooseTemplate(68);
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("tit"))->text(),
             QStringLiteral("verbale di assemblea di seconda convocazione"));
    // Every title, the longest included, fits the label that shows it.
    window->show();
    const auto *title = window->findChild<QLabel *>(QStringLiteral("tit"));
    for (int n = 1; n <= 69; ++n) {
        window->chooseTemplate(n);
        QVERIFY2(TextFit::fittingSize(title).height() <= title->height(), qPrintable(title->text()));
        QVERIFY2(TextFit::fittingSize(title).width() <= title->width(), qPrintable(title->text()));
    }
    // So does every line of the list, within its width, on the lines the title needs.
    const int width = list->viewport()->width();
    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    for (int row = 0; row < list->count(); ++row) {
        const QRect line = list->visualItemRect(list->item(row));
        const QRect needed = list->fontMetrics().boundingRect(
            QRect(0, 0, line.width() - 2 * margin, 1 << 20), Qt::TextWordWrap, list->item(row)->text());
        QVERIFY2(line.left() >= 0 && line.right() < width, qPrintable(list->item(row)->text()));
        QVERIFY2(needed.width() <= line.width() - 2 * margin && needed.height() <= line.height(),
                 qPrintable(list->item(row)->text()));
    }
}

void TestModelliWindow::choosingAnEmptyEntryEmptiesTitleAndText()
{
    ModelliWindow *window = open(numberedTemplates());
    window->chooseTemplate(5);
    window->chooseTemplate(70);
    QVERIFY(window->findChild<QLabel *>(QStringLiteral("tit"))->text().isEmpty());
    QVERIFY(window->findChild<QPlainTextEdit *>(QStringLiteral("testo"))->toPlainText().isEmpty());
    QCOMPARE(ReportContents::paragraphTexts(window->printout()).size(), 1);
}

void TestModelliWindow::printBeforeAnyChoiceGivesTheHeadingAlone()
{
    ModelliWindow *window = open(numberedTemplates());
    m_state->condoName = QStringLiteral("Aurora");
    QCOMPARE(ReportContents::paragraphTexts(window->printout()), QStringList({QStringLiteral("Condominio: Aurora\r\r")}));
    window->chooseTemplate(3);
    const ReportDocument first = window->printout();
    QCOMPARE(ReportContents::paragraphTexts(first),
             QStringList({QStringLiteral("Condominio: Aurora\r\r"),
                          QStringLiteral("Oggetto: 3\r\n\tIl locatore/altro ____")}));
    QCOMPARE(ReportContents::paragraphTexts(window->printout()), ReportContents::paragraphTexts(first));
    QCOMPARE(first.fontName(), QStringLiteral("Ms Sans Serif"));
}

void TestModelliWindow::printShowsItsStatusTexts()
{
    ModelliWindow *window = open(numberedTemplates());
    window->chooseTemplate(2);
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("stampa")), Qt::LeftButton);
    QCOMPARE(m_platform->documents.size(), 1);
    QCOMPARE(window->passo()->text(), QStringLiteral("ho visualizzato il documento su Word (")
                                          + QFileInfo(m_platform->documents.last()).fileName()
                                          + QLatin1Char(')'));
    // Nothing opened it: the hint tells where it was saved.
    m_platform->documentsOpen = false;
    window->printMain();
    QCOMPARE(window->passo()->text(),
             QStringLiteral("ho salvato il documento in ")
                 + QDir::toNativeSeparators(m_platform->documents.last()));
}

void TestModelliWindow::unreadableFileIsShownAsItsMessage()
{
    QByteArray shortFile = numberedTemplates();
    shortFile.truncate(shortFile.indexOf("[modello 69]"));
    ModelliWindow *window = open(shortFile);
    QCOMPARE(window->findChild<QPlainTextEdit *>(QStringLiteral("testo"))->toPlainText(),
             QStringLiteral("Il file modelli.txt non è leggibile: i modelli sono 68 invece di 69."));
    const auto *list = window->findChild<QListWidget *>(QStringLiteral("List1"));
    QCOMPARE(list->count(), 70);
    QCOMPARE(list->item(0)->text(), QStringLiteral("   1) "));
}

QTEST_MAIN(TestModelliWindow)
#include "tst_modelliwindow.moc"
