#include "core/state/sharedstate.h"
#include "ui/frame/qtplatform.h"
#include "ui/frame/shell.h"
#include "ui/frame/tipwindow.h"
#include "ui/frame/windowregistry.h"
#include "ui/frame/workwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace veltra;

namespace {

// "Label2 'tot.condomini': needs 80x15, has 76x18", one line per text that does not fit.
QString clipping(const QWidget *control, const QString &text, const QSize &needs,
                 const QSize &has)
{
    return QStringLiteral("%1 '%2': needs %3x%4, has %5x%6")
        .arg(control->objectName(), text)
        .arg(needs.width())
        .arg(needs.height())
        .arg(has.width())
        .arg(has.height());
}

// Where QLabel draws its text: inside frame and margin, less the indent on the aligned side
// (half an "x" for a framed label with no indent set).
QRect labelTextRect(const QLabel *label)
{
    const int margin = label->margin();
    QRect rect = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    const int indent = label->indent() >= 0 ? label->indent()
        : label->frameWidth() > 0 ? label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2
                                  : 0;
    if (label->alignment() & Qt::AlignLeft)
        rect.setLeft(rect.left() + indent);
    if (label->alignment() & Qt::AlignRight)
        rect.setRight(rect.right() - indent);
    if (label->alignment() & Qt::AlignTop)
        rect.setTop(rect.top() + indent);
    if (label->alignment() & Qt::AlignBottom)
        rect.setBottom(rect.bottom() - indent);
    return rect;
}

void checkLabel(const QLabel *label, QStringList &clipped)
{
    if (label->text().isEmpty() || Qt::mightBeRichText(label->text()))
        return;
    const QRect rect = labelTextRect(label);
    int flags = int(label->alignment());
    if (label->wordWrap())
        flags |= Qt::TextWordWrap;
    if (label->buddy())
        flags |= Qt::TextShowMnemonic;
    const QRect text = label->fontMetrics().boundingRect(rect, flags, label->text());
    if (!rect.contains(text))
        clipped << clipping(label, label->text(), text.size(), rect.size());
}

void checkButton(const QAbstractButton *button, QStringList &clipped)
{
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    if (qobject_cast<const QRadioButton *>(button) || qobject_cast<const QCheckBox *>(button)) {
        contents = qobject_cast<const QRadioButton *>(button) ? QStyle::SE_RadioButtonContents
                                                              : QStyle::SE_CheckBoxContents;
        flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;
    } else if (!qobject_cast<const QPushButton *>(button)) {
        return;
    }
    if (button->text().isEmpty())
        return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QRect rect = button->style()->subElementRect(contents, &option, button);
    if (!button->icon().isNull())
        rect.setLeft(rect.left() + button->iconSize().width() + 4);
    const QRect text = button->fontMetrics().boundingRect(rect, flags, button->text());
    if (!rect.contains(text))
        clipped << clipping(button, button->text(), text.size(), rect.size());
}

// The style places the title, in its own font, from the box's left edge; measured in a box
// wide enough for it, it must end inside the real one.
void checkGroupBox(const QGroupBox *box, QStringList &clipped)
{
    if (box->title().isEmpty())
        return;
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    option.rect.setWidth(1 << 16);
    const QRect title =
        box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    const int width = box->fontMetrics().horizontalAdvance(box->title());
    if (title.width() < width || title.right() >= box->width())
        clipped << clipping(box, box->title(), QSize(title.right() + 1, title.height()),
                            box->size());
}

void checkHeader(const QHeaderView *header, QStringList &clipped)
{
    if (!header->model())
        return;
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int section = 0; section < header->count(); ++section) {
        if (header->isSectionHidden(section))
            continue;
        const QString text =
            header->model()->headerData(section, header->orientation()).toString();
        const QSize needs = header->fontMetrics().size(0, text) + QSize(2 * margin, 0);
        const int has = header->sectionSize(section);
        if (header->orientation() == Qt::Horizontal ? needs.width() > has : needs.height() > has)
            clipped << clipping(header, text, needs, QSize(has, has));
    }
}

// A menu bar too narrow for its menus hides the last ones behind an extension button.
void checkMenuBar(const QMenuBar *bar, QStringList &clipped)
{
    for (QAction *action : bar->actions()) {
        const QRect place = bar->actionGeometry(action);
        if (place.isEmpty() || !bar->rect().contains(place))
            clipped << clipping(bar, action->text(), place.size(), bar->size());
    }
}

// Every visible caption, label, button, option, check box, group title, column heading and
// menu of window whose text does not fit the room it is drawn in.
QStringList clippedTexts(const QWidget *window)
{
    QStringList clipped;
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->isVisibleTo(window))
            continue;
        if (const auto *label = qobject_cast<const QLabel *>(control))
            checkLabel(label, clipped);
        else if (const auto *button = qobject_cast<const QAbstractButton *>(control))
            checkButton(button, clipped);
        else if (const auto *box = qobject_cast<const QGroupBox *>(control))
            checkGroupBox(box, clipped);
        else if (const auto *header = qobject_cast<const QHeaderView *>(control))
            checkHeader(header, clipped);
        else if (const auto *bar = qobject_cast<const QMenuBar *>(control))
            checkMenuBar(bar, clipped);
    }
    return clipped;
}

QString describe(const QWidget *window, const QStringList &clipped)
{
    return window->objectName() + QStringLiteral(": ") + clipped.join(QStringLiteral("; "));
}

} // namespace

// Every window the application opens, on the screen the run was started with, in the
// desktop's default font.
class TestTextFit : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyWindowOpensWithItsTextsWhole_data();
    void everyWindowOpensWithItsTextsWhole();
    void largerDesktopFontOpensLargerWindowsThatStillFit();
    void stepHintShowsItsWholeLine();
    void everyWorkWindowHoldsALongStepHint_data();
    void everyWorkWindowHoldsALongStepHint();
    void everyShippedTipFitsItsBox();

private:
    QList<QWidget *> openWindows() const;
    void checkOpenWindows(QStringList &failures) const;
    void watchModalDialogs();

    std::unique_ptr<SharedState> m_state;
    std::unique_ptr<QtPlatform> m_platform;
    std::unique_ptr<Shell> m_shell;
    QStringList m_dialogFailures;
    int m_dialogsSeen = 0;
};

void TestTextFit::init()
{
    m_state = std::make_unique<SharedState>();
    m_state->initSharedStrings();
    m_platform = std::make_unique<QtPlatform>();
    m_shell = std::make_unique<Shell>(*m_state, *m_platform,
                                      QStringLiteral(VELTRA_SOURCE_DIR "/data"));
    m_dialogFailures.clear();
    m_dialogsSeen = 0;
}

void TestTextFit::cleanup()
{
    m_shell.reset();
    m_platform.reset();
    m_state.reset();
    QApplication::setFont(QFont());
}

QList<QWidget *> TestTextFit::openWindows() const
{
    QList<QWidget *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && !widget->inherits("QMenu") && !widget->inherits("QTipLabel"))
            windows << widget;
    }
    return windows;
}

// A window fits when it lies on the screen's available area and every text in it fits, as
// it opens and again after the user tries to shrink it to nothing.
void TestTextFit::checkOpenWindows(QStringList &failures) const
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (QWidget *window : openWindows()) {
        if (!screen.contains(window->frameGeometry()))
            failures << QStringLiteral("%1 lies outside the screen").arg(window->objectName());
        QStringList clipped = clippedTexts(window);
        if (!clipped.isEmpty())
            failures << describe(window, clipped);
        const QSize opened = window->size();
        window->resize(1, 1);
        QCoreApplication::processEvents();
        if (window->width() < opened.width() || window->height() < opened.height())
            failures << QStringLiteral("%1 shrinks from %2x%3 to %4x%5")
                            .arg(window->objectName())
                            .arg(opened.width())
                            .arg(opened.height())
                            .arg(window->width())
                            .arg(window->height());
        clipped = clippedTexts(window);
        if (!clipped.isEmpty())
            failures << QStringLiteral("shrunk ") + describe(window, clipped);
    }
}

// Message boxes and other modal dialogs are checked where they stand and then dismissed.
void TestTextFit::watchModalDialogs()
{
    auto *watcher = new QTimer(m_shell.get());
    connect(watcher, &QTimer::timeout, this, [this] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        ++m_dialogsSeen;
        const QStringList clipped = clippedTexts(dialog);
        if (!clipped.isEmpty())
            m_dialogFailures << describe(dialog, clipped);
        dialog->reject();
    });
    watcher->start(10);
}

void TestTextFit::everyWindowOpensWithItsTextsWhole_data()
{
    QTest::addColumn<int>("entry");
    const QList<RegisteredWindow> windows = registeredWindows();
    for (int i = 0; i < windows.size(); ++i)
        QTest::newRow(qPrintable(windows.at(i).name)) << i;
}

void TestTextFit::everyWindowOpensWithItsTextsWhole()
{
    QFETCH(int, entry);
    watchModalDialogs();
    registeredWindows().at(entry).open(*m_shell);
    QCoreApplication::processEvents();
    if (openWindows().isEmpty() && m_dialogsSeen == 0)
        QSKIP("this entry opens no window yet");
    QStringList failures = m_dialogFailures;
    checkOpenWindows(failures);
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
}

// The layout follows the font, not the screen's resolution: a desktop font a third larger
// opens the condominium window wider and taller, with every text still whole.
void TestTextFit::largerDesktopFontOpensLargerWindowsThatStillFit()
{
    m_shell->showWorkWindow(1);
    const QSize usual = m_shell->workWindow(1)->size();
    m_shell.reset();

    QFont larger = QApplication::font();
    larger.setPointSizeF(larger.pointSizeF() * 4 / 3);
    QApplication::setFont(larger);
    m_shell = std::make_unique<Shell>(*m_state, *m_platform,
                                      QStringLiteral(VELTRA_SOURCE_DIR "/data"));
    m_shell->showWorkWindow(1);
    QCoreApplication::processEvents();
    const QSize grown = m_shell->workWindow(1)->size();
    QVERIFY2(grown.width() > usual.width() && grown.height() > usual.height(),
             qPrintable(QStringLiteral("%1x%2 then %3x%4")
                            .arg(usual.width())
                            .arg(usual.height())
                            .arg(grown.width())
                            .arg(grown.height())));
    QStringList failures;
    checkOpenWindows(failures);
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
}

// The longest hint of the condominium window, naming the owner whose units are still to be
// typed, wraps within the yellow box instead of being cut.
void TestTextFit::stepHintShowsItsWholeLine()
{
    m_shell->showWorkWindow(1);
    WorkWindow *dati = m_shell->workWindow(1);
    const QList<QPair<const char *, const char *>> typed = {
        {"nome", "Condominio Aurora"}, {"nomcond_1", "Rossi Mario"}, {"indir_1", "Via Roma 1"},
        {"pian_1", "0"}};
    for (const auto &[field, text] : typed) {
        auto *edit = dati->findChild<QLineEdit *>(QString::fromLatin1(field));
        QVERIFY(edit);
        QTest::keyClicks(edit, QString::fromUtf8(text));
    }
    QTest::mouseClick(dati->findChild<QRadioButton *>(QStringLiteral("Option1_1")), Qt::LeftButton,
                      {}, QPoint(8, 8));
    QCOMPARE(dati->passo()->text(),
             QStringLiteral("visualizzare (con la barra di scorrimento) alla prima riga il "
                            "condomino n. 1 e digitare i dati dei locali"));
    const QStringList clipped = clippedTexts(dati);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
}

// Any window's hint may run as long as the condominium window's longest, or a print status
// naming a file: the yellow box of every work window holds it on its two lines.
void TestTextFit::everyWorkWindowHoldsALongStepHint_data()
{
    QTest::addColumn<int>("k");
    for (int k = 1; k <= WorkWindowCount; ++k)
        QTest::newRow(qPrintable(workWindowInfo(k).name)) << k;
}

void TestTextFit::everyWorkWindowHoldsALongStepHint()
{
    QFETCH(int, k);
    m_shell->showWorkWindow(k);
    WorkWindow *window = m_shell->workWindow(k);
    window->setStepHint(QStringLiteral("visualizzare (con la barra di scorrimento) alla prima "
                                       "riga il condomino n. 500 e digitare i dati dei locali"));
    QStringList clipped;
    checkLabel(window->passo(), clipped);
    QVERIFY2(clipped.isEmpty(), qPrintable(describe(window, clipped)));
}

// The tips window opens at the size its first tip needs; the others, shown with
// "&Successivo", must fit the same box.
void TestTextFit::everyShippedTipFitsItsBox()
{
    m_shell = std::make_unique<Shell>(*m_state, *m_platform,
                                      QStringLiteral(VELTRA_SOURCE_DIR "/data"));
    m_shell->showTips(nullptr);
    QWidget *tips = m_shell->tipWindow();
    auto *text = tips->findChild<QLabel *>(QStringLiteral("lblTipText"));
    auto *next = tips->findChild<QPushButton *>(QStringLiteral("cmdNextTip"));
    QStringList seen;
    QStringList failures;
    while (!seen.contains(text->text())) {
        seen << text->text();
        const QStringList clipped = clippedTexts(tips);
        if (!clipped.isEmpty())
            failures << describe(tips, clipped);
        next->click();
    }
    QVERIFY2(seen.size() > 10, qPrintable(seen.join(QLatin1Char('\n'))));
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
}

// The screen is the offscreen platform's, sized by VELTRA_TEST_SCREEN ("1366x768" unless
// set), so that CTest runs this test once per screen size the windows must fit.
int main(int argc, char *argv[])
{
    const QString screen = qEnvironmentVariable("VELTRA_TEST_SCREEN", QStringLiteral("1366x768"));
    const QStringList size = screen.split(QLatin1Char('x'));
    if (size.size() != 2)
        return 2;
    QTemporaryDir folder;
    const QString config = folder.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return 2;
    file.write(QStringLiteral("{\"screens\": [{\"name\": \"screen\", \"x\": 0, \"y\": 0, "
                              "\"width\": %1, \"height\": %2, \"logicalDpi\": 96}]}")
                   .arg(size.at(0), size.at(1))
                   .toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    QApplication application(argc, argv);
    TestTextFit test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_textfit.moc"
