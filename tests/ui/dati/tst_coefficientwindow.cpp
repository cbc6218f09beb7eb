#include "library/registry/coefficienttables.h"
#include "support/coefficientreference.h"
#include "ui/dati/coefficientwindow.h"
#include "ui/frame/twips.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

using namespace veltra;

class TestCoefficientWindow : public QObject
{
    Q_OBJECT

private slots:
    void showsRowsAndNote_data();
    void showsRowsAndNote();
    void chiudoClosesTheWindow();
};

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

void TestCoefficientWindow::chiudoClosesTheWindow()
{
    QPointer<CoefficientWindow> window =
        new CoefficientWindow(coefficientTable(CoefficientKind::Floor));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));

    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("chiudo")),
                      Qt::LeftButton);

    QTRY_VERIFY(window.isNull());
}

QTEST_MAIN(TestCoefficientWindow)
#include "tst_coefficientwindow.moc"
