#include "library/registry/coefficienttables.h"
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
    for (const CoefficientTable &table : coefficientTables())
        QTest::newRow(qPrintable(table.objectName)) << int(table.kind);
}

void TestCoefficientWindow::showsRowsAndNote()
{
    QFETCH(int, kind);
    const CoefficientTable &table = coefficientTable(CoefficientKind(kind));
    CoefficientWindow window(table);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(window.objectName(), table.objectName);
    QCOMPARE(window.windowTitle(), table.title);
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("nomecondominio"))->text(),
             QStringLiteral("Criteri di valutazione dei coefficienti (Circ.Min.LL.PP. "
                            "n.12480 del 23/3/1966)"));
    QStringList shown;
    for (const QLabel *label : window.findChildren<QLabel *>())
        shown << label->text();
    for (const CoefficientColumn &column : table.columns) {
        for (const QString &row : column.rows)
            QVERIFY2(shown.contains(row), qPrintable(row));
        if (!column.heading.isEmpty())
            QVERIFY(shown.contains(column.heading));
    }
    QVERIFY(shown.contains(table.note));

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
