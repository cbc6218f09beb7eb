#include "ui/frame/linecontrol.h"
#include "ui/frame/proportionalresizer.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QtTest>

#include <memory>

using namespace veltra;

namespace {

// A form of 400 by 300 pixels with a control of each kind the resizer must handle.
struct Form
{
    Form()
    {
        window.resize(400, 300);
        label = new QLabel(QStringLiteral("etichetta"), &window);
        label->setGeometry(10, 20, 100, 30);
        button = new QPushButton(QStringLiteral("&chiudi"), &window);
        button->setGeometry(51, 61, 81, 41);
        line = new LineControl(10, 10, 200, 100, &window);
        group = new QGroupBox(QStringLiteral("gruppo"), &window);
        group->setGeometry(200, 150, 180, 120);
        inner = new QLineEdit(group);
        inner->setGeometry(10, 20, 100, 30);
        spin = new QSpinBox(&window);
        spin->setGeometry(300, 10, 60, 25);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        resizer.setSourceForm(&window);
        resizer.ReInitialise();
    }

    void resizeTo(int width, int height)
    {
        window.resize(width, height);
        QTRY_COMPARE(window.size(), QSize(width, height));
        QCoreApplication::processEvents();
    }

    QList<QRect> geometries() const
    {
        QList<QRect> all;
        for (QWidget *control : resizer.recordedControls())
            all.append(control->geometry());
        return all;
    }

    QWidget window;
    QLabel *label;
    QPushButton *button;
    LineControl *line;
    QGroupBox *group;
    QLineEdit *inner;
    QSpinBox *spin;
    ProportionalResizer resizer;
};

} // namespace

class TestProportionalResizer : public QObject
{
    Q_OBJECT

private slots:
    void firstCallOnlyRecords();
    void minimisedChangesNothingAndRestoringRescales();
    void doublingWidthDoublesLeftsAndWidthsOnly();
    void lineScalesBothEnds();
    void shrinkingThenEnlargingBackRestoresExactly();
    void tagRulesChooseTheQuantities();
    void controlsInsideGroupBoxScale();
    void compositeWidgetInternalsAreNotRecorded();
    void sizeFormToScreenCentresAndScales();
    void releasedResizerNoLongerFollowsResizes();
};

void TestProportionalResizer::firstCallOnlyRecords()
{
    QWidget window;
    window.resize(400, 300);
    auto *label = new QLabel(&window);
    label->setGeometry(10, 20, 100, 30);
    ProportionalResizer resizer;
    resizer.setSourceForm(&window);
    QVERIFY(resizer.needsRecording());

    window.resize(800, 600);
    resizer.ResizeControls();

    QVERIFY(!resizer.needsRecording());
    QCOMPARE(resizer.referenceSize(), QSize(800, 600));
    QCOMPARE(label->geometry(), QRect(10, 20, 100, 30));
}

void TestProportionalResizer::minimisedChangesNothingAndRestoringRescales()
{
    Form form;
    const QList<QRect> before = form.geometries();

    form.window.setWindowState(Qt::WindowMinimized);
    form.window.resize(800, 600);
    form.resizer.ResizeControls();
    QCOMPARE(form.geometries(), before);

    form.window.setWindowState(Qt::WindowNoState);
    QTRY_COMPARE(form.label->geometry(), QRect(20, 40, 200, 60));
}

void TestProportionalResizer::doublingWidthDoublesLeftsAndWidthsOnly()
{
    Form form;
    form.resizeTo(800, 300);

    QCOMPARE(form.label->geometry(), QRect(20, 20, 200, 30));
    // 51 × 2 and 81 × 2: odd values too come out exactly doubled.
    QCOMPARE(form.button->geometry(), QRect(102, 61, 162, 41));
    QCOMPARE(form.spin->geometry(), QRect(600, 10, 120, 25));
}

void TestProportionalResizer::lineScalesBothEnds()
{
    Form form;
    form.resizeTo(800, 150);

    QCOMPARE(form.line->x1(), 20);
    QCOMPARE(form.line->y1(), 5);
    QCOMPARE(form.line->x2(), 400);
    QCOMPARE(form.line->y2(), 50);
    QCOMPARE(form.line->geometry(), QRect(20, 5, 381, 46));
}

void TestProportionalResizer::shrinkingThenEnlargingBackRestoresExactly()
{
    Form form;
    const QList<QRect> before = form.geometries();

    form.resizeTo(133, 77);
    QVERIFY(form.geometries() != before);
    form.resizeTo(251, 299);
    form.resizeTo(400, 300);

    QCOMPARE(form.geometries(), before);
}

void TestProportionalResizer::tagRulesChooseTheQuantities()
{
    Form form;
    form.label->setProperty("tag", QStringLiteral("@"));
    form.button->setProperty("tag", QStringLiteral("@W"));
    form.line->setProperty("tag", QStringLiteral("@l; t"));
    form.spin->setProperty("tag", QStringLiteral("nota senza regola"));
    form.resizeTo(800, 600);

    QCOMPARE(form.label->geometry(), QRect(10, 20, 100, 30));
    QCOMPARE(form.button->geometry(), QRect(51, 61, 162, 41));
    QCOMPARE(form.line->x1(), 20);
    QCOMPARE(form.line->y1(), 20);
    QCOMPARE(form.line->x2(), 200);
    QCOMPARE(form.line->y2(), 100);
    QCOMPARE(form.spin->geometry(), QRect(600, 20, 120, 50));
}

void TestProportionalResizer::controlsInsideGroupBoxScale()
{
    Form form;
    form.resizeTo(800, 600);

    QCOMPARE(form.group->geometry(), QRect(400, 300, 360, 240));
    QCOMPARE(form.inner->geometry(), QRect(20, 40, 200, 60));
}

void TestProportionalResizer::compositeWidgetInternalsAreNotRecorded()
{
    Form form;
    const QList<QWidget *> controls = form.resizer.recordedControls();
    const QList<QWidget *> expected{form.label, form.button, form.line, form.group, form.inner,
                                    form.spin};

    QCOMPARE(controls, expected);
    QVERIFY(form.spin->findChild<QLineEdit *>());
}

void TestProportionalResizer::sizeFormToScreenCentresAndScales()
{
    QWidget window;
    window.resize(400, 300);
    auto *label = new QLabel(&window);
    label->setGeometry(100, 150, 40, 30);
    ProportionalResizer resizer;
    resizer.setSourceForm(&window);

    resizer.SizeFormToScreen(75);

    const QRect screen = window.screen()->geometry();
    const QSize size(screen.width() * 75 / 100, screen.height() * 75 / 100);
    QCOMPARE(resizer.referenceSize(), QSize(400, 300));
    QCOMPARE(window.size(), size);
    QCOMPARE(window.pos(), QPoint(screen.x() + (screen.width() - size.width()) / 2,
                                  screen.y() + (screen.height() - size.height()) / 2));
    const double ratioX = size.width() / 400.0;
    const double ratioY = size.height() / 300.0;
    QCOMPARE(label->geometry(), QRect(qRound(100 * ratioX), qRound(150 * ratioY),
                                      qRound(40 * ratioX), qRound(30 * ratioY)));
}

void TestProportionalResizer::releasedResizerNoLongerFollowsResizes()
{
    QWidget window;
    window.resize(400, 300);
    auto *label = new QLabel(&window);
    label->setGeometry(10, 20, 100, 30);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto resizer = std::make_unique<ProportionalResizer>();
    resizer->setSourceForm(&window);
    resizer->ReInitialise();

    resizer.reset();
    window.resize(800, 600);
    QTRY_COMPARE(window.size(), QSize(800, 600));

    QCOMPARE(label->geometry(), QRect(10, 20, 100, 30));
}

QTEST_MAIN(TestProportionalResizer)
#include "tst_proportionalresizer.moc"
