#include "library/registry/coefficienttables.h"
#include "support/coefficientreference.h"
#include "ui/dati/coefficientwindow.h"
#include "ui/frame/twips.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include <algorithm>

using namespace veltra;

class TestCoefficientWindow : public QObject
{
    Q_OBJECT

private slots:
    void showsRowsAndNote_data();
    void showsRowsAndNote();
    void leadersLineTheValuesUp_data();
    void leadersLineTheValuesUp();
    void chiudoAndEscCloseTheWindow();
};

namespace {

// Where a label's drawing ends on the right, and the widest run of blank pixel columns
// between its first and its last drawn one.
struct Ink
{
    int right = -1;
    int widestGap = 0;
};

Ink inkOf(QLabel *label)
{
    const QImage image = label->grab().toImage();
    const QRgb background = image.pixel(0, 0);
    Ink ink;
    int gap = 0;
    for (int x = 0; x < image.width(); ++x) {
        bool inked = false;
        for (int y = 0; y < image.height() && !inked; ++y)
            inked = image.pixel(x, y) != background;
        if (!inked) {
            ++gap;
            continue;
        }
        if (ink.right >= 0)
            ink.widestGap = qMax(ink.widestGap, gap);
        ink.right = x;
        gap = 0;
    }
    return ink;
}

} // namespace

void TestCoefficientWindow::showsRowsAndNote_data()
{
    QTest::addColumn<int>("kind");
    const QList<CoefficientReference::Window> windows = CoefficientReference::windows();
    for (int i = 0; i < windows.size(); ++i)
        QTest::newRow(qPrintable(windows.at(i).objectName)) << i;
}

void TestCoefficientWindow::showsRowsAndNote()
{
    QFETCH(int, kind);
    const CoefficientReference::Window expected = CoefficientReference::windows().at(kind);
    const CoefficientTable &table = coefficientTable(CoefficientKind(kind));
    CoefficientWindow window(table);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(window.objectName(), expected.objectName);
    QCOMPARE(window.windowTitle(), expected.title);
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("nomecondominio"))->text(),
             QStringLiteral("Criteri di valutazione dei coefficienti (Circ.Min.LL.PP. "
                            "n.12480 del 23/3/1966)"));
    // Every text the window shows, in the order of its labels: heading, column headings and
    // rows, note.
    QStringList shown;
    for (const QLabel *label : window.findChildren<QLabel *>())
        shown << label->text();
    QStringList written{QStringLiteral("Criteri di valutazione dei coefficienti (Circ.Min.LL.PP. "
                                       "n.12480 del 23/3/1966)")};
    for (const CoefficientReference::Column &column : expected.columns) {
        if (!column.heading.isEmpty())
            written << column.heading;
        written << column.rows;
    }
    written << expected.note;
    shown.sort();
    written.sort();
    QCOMPARE(shown, written);

    // After the load sequence the window stands at its own size with every control inside it.
    QCOMPARE(window.size(), Twips::toPixels(QSize(9600, 3705), window.font()));
    const auto *chiudo = window.findChild<QPushButton *>(QStringLiteral("chiudo"));
    QCOMPARE(chiudo->text(), QStringLiteral("&chiudi"));
    QCOMPARE(chiudo->toolTip(), table.closeToolTip);
    QVERIFY(window.rect().contains(chiudo->geometry()));
}

void TestCoefficientWindow::leadersLineTheValuesUp_data()
{
    QTest::addColumn<int>("kind");
    for (const CoefficientTable &table : coefficientTables()) {
        if (!table.columns.isEmpty())
            QTest::newRow(qPrintable(table.objectName)) << int(table.kind);
    }
}

// As drawn, the values of a column end on one line and the dots run from each item to its
// value, whatever the font.
void TestCoefficientWindow::leadersLineTheValuesUp()
{
    QFETCH(int, kind);
    CoefficientWindow window(coefficientTable(CoefficientKind(kind)));
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QFontMetrics metrics = window.fontMetrics();
    const int leaderGap = 2 * metrics.horizontalAdvance(QLatin1Char(' '))
        + metrics.horizontalAdvance(QLatin1Char('.'));

    for (int c = 1;; ++c) {
        const QString column = QStringLiteral("colonna%1riga").arg(c);
        QList<int> ends;
        for (QLabel *row : window.findChildren<QLabel *>()) {
            if (!row->objectName().startsWith(column))
                continue;
            const Ink ink = inkOf(row);
            QVERIFY2(ink.widestGap <= leaderGap, qPrintable(row->text()));
            ends << ink.right;
        }
        if (ends.isEmpty())
            break;
        QVERIFY2(ends.size() > 1, qPrintable(column));
        std::sort(ends.begin(), ends.end());
        QVERIFY2(ends.last() - ends.first() <= 1, qPrintable(column));
    }
}

void TestCoefficientWindow::chiudoAndEscCloseTheWindow()
{
    for (const bool byKey : {false, true}) {
        QPointer<CoefficientWindow> window =
            new CoefficientWindow(coefficientTable(CoefficientKind::Floor));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto *chiudo = window->findChild<QPushButton *>(QStringLiteral("chiudo"));
        if (byKey)
            QTest::keyClick(chiudo, Qt::Key_Escape);
        else
            QTest::mouseClick(chiudo, Qt::LeftButton);
        QTRY_VERIFY(window.isNull());
    }
}

QTEST_MAIN(TestCoefficientWindow)
#include "tst_coefficientwindow.moc"
