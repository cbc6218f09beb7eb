#include "ui/frame/tipwindow.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace veltra;

namespace {

const QString MissingFileMessage = QStringLiteral(
    "Impossibile trovare il file SuggerimentiVeltra.TXT\r\n\r\n"
    "Creare un file di testo denominato SuggerimentiVeltra.TXT utilizzando il Blocco note e "
    "inserendo un suggerimento per ogni riga. Inserire il file nella stessa directory "
    "dell'applicazione. ");

void writeTips(const QTemporaryDir &folder, const QByteArray &bytes)
{
    QFile file(QDir(folder.path()).filePath(QStringLiteral("SuggerimentiVeltra.TXT")));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QString shownTip(const TipWindow &window)
{
    return window.findChild<QLabel *>(QStringLiteral("lblTipText"))->text();
}

void click(const TipWindow &window, const char *button)
{
    QTest::mouseClick(window.findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
}

} // namespace

class TestTipWindow : public QObject
{
    Q_OBJECT

private slots:
    void threeLinesWrapAround();
    void previousStopsAtTheFirstTip();
    void hiddenWindowKeepsItsTipWhenShownAgain();
    void emptyLineIsAnEmptyTip();
    void linesEndedByLineFeedAloneAndLastLineUnended();
    void fileIsReadInTheWindowsCodePage();
    void missingFileShowsTheMessageAndButtonsDoNothing();
    void emptyFileShowsNoTip();
    void suppliedTipsFileReadsCleanly();
};

void TestTipWindow::threeLinesWrapAround()
{
    QTemporaryDir folder;
    writeTips(folder, "uno\r\ndue\r\ntre\r\n");
    TipWindow window(folder.path());
    window.load();
    QCOMPARE(window.objectName(), QStringLiteral("frmTip"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Suggerimento del giorno"));
    QCOMPARE(shownTip(window), QStringLiteral("uno"));

    QStringList seen;
    for (int i = 0; i < 3; ++i) {
        click(window, "cmdNextTip");
        seen << shownTip(window);
    }

    QCOMPARE(seen, QStringList({"due", "tre", "uno"}));
}

void TestTipWindow::previousStopsAtTheFirstTip()
{
    QTemporaryDir folder;
    writeTips(folder, "uno\r\ndue\r\ntre\r\n");
    TipWindow window(folder.path());
    window.load();

    click(window, "cmdprecedente");
    QCOMPARE(shownTip(window), QStringLiteral("uno"));
    QCOMPARE(window.currentTip(), 1);

    click(window, "cmdNextTip");
    click(window, "cmdNextTip");
    click(window, "cmdprecedente");
    QCOMPARE(shownTip(window), QStringLiteral("due"));
}

void TestTipWindow::hiddenWindowKeepsItsTipWhenShownAgain()
{
    QTemporaryDir folder;
    writeTips(folder, "uno\r\ndue\r\ntre\r\n");
    TipWindow window(folder.path());
    window.load();
    window.show();
    click(window, "cmdNextTip");

    click(window, "cmdOK");
    QVERIFY(window.isHidden());
    writeTips(folder, "altro\r\n");
    window.show();

    QCOMPARE(shownTip(window), QStringLiteral("due"));
    QCOMPARE(window.tips(), QStringList({"uno", "due", "tre"}));
}

void TestTipWindow::emptyLineIsAnEmptyTip()
{
    QTemporaryDir folder;
    writeTips(folder, "uno\r\n\r\ntre\r\n");
    TipWindow window(folder.path());
    window.load();

    click(window, "cmdNextTip");
    QCOMPARE(shownTip(window), QString());
    click(window, "cmdNextTip");
    QCOMPARE(shownTip(window), QStringLiteral("tre"));
}

void TestTipWindow::linesEndedByLineFeedAloneAndLastLineUnended()
{
    QTemporaryDir folder;
    writeTips(folder, "uno\ndue\r\ntre");
    TipWindow window(folder.path());
    window.load();

    QCOMPARE(window.tips(), QStringList({"uno", "due", "tre"}));
}

void TestTipWindow::fileIsReadInTheWindowsCodePage()
{
    QTemporaryDir folder;
    writeTips(folder, "perch\xE9 costa 10 \x80 \x96 pi\xF9 o meno\r\n");
    TipWindow window(folder.path());
    window.load();

    QCOMPARE(shownTip(window), QStringLiteral(u"perché costa 10 € – più o meno"));
}

void TestTipWindow::missingFileShowsTheMessageAndButtonsDoNothing()
{
    QTemporaryDir folder;
    TipWindow window(folder.path());
    window.load();
    QCOMPARE(shownTip(window), MissingFileMessage);

    click(window, "cmdNextTip");
    click(window, "cmdprecedente");

    QCOMPARE(shownTip(window), MissingFileMessage);
    QVERIFY(!window.loadTips(QString()));
}

void TestTipWindow::emptyFileShowsNoTip()
{
    QTemporaryDir folder;
    writeTips(folder, QByteArray());
    TipWindow window(folder.path());
    window.load();

    click(window, "cmdNextTip");
    click(window, "cmdprecedente");

    QVERIFY(window.tips().isEmpty());
    QCOMPARE(shownTip(window), QString());
}

void TestTipWindow::suppliedTipsFileReadsCleanly()
{
    TipWindow window(QStringLiteral(VELTRA_SOURCE_DIR "/data"));
    window.load();
    const QStringList &tips = window.tips();

    QVERIFY2(tips.size() >= 30 && tips.size() <= 40, qPrintable(QString::number(tips.size())));
    for (const QString &tip : tips) {
        QVERIFY2(!tip.trimmed().isEmpty(), "a blank line in the supplied tips");
        QVERIFY2(!tip.contains(QLatin1Char('\r')), qPrintable(tip));
        // UTF-8 read as the Windows code page would show "Ã" before every accented letter.
        QVERIFY2(!tip.contains(QChar(0xC3)), qPrintable(tip));
    }
    QVERIFY(tips.join(QString()).contains(QStringLiteral(u"à")));
}

QTEST_MAIN(TestTipWindow)
#include "tst_tipwindow.moc"
