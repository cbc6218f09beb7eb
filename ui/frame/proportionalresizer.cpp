#include "ui/frame/proportionalresizer.h"

#include "ui/frame/linecontrol.h"
#include "ui/frame/textfit.h"

#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLayout>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace veltra {

namespace {

// Which of the four quantities of a control follow the form.
struct ScaleRule
{
    bool left = true;
    bool top = true;
    bool width = true;
    bool height = true;
};

ScaleRule ruleOf(const QWidget *control)
{
    const QString tag = control->property("tag").toString().toUpper();
    if (!tag.startsWith(QLatin1Char('@')))
        return ScaleRule();
    return ScaleRule{tag.contains(QLatin1Char('L')), tag.contains(QLatin1Char('T')),
                     tag.contains(QLatin1Char('W')), tag.contains(QLatin1Char('H'))};
}

// Only plain containers hold controls of the form; a composite widget's children (a spin
// box's line edit, a scroll area's viewport) are its own business.
bool isPlainContainer(const QWidget *widget)
{
    const QMetaObject *type = widget->metaObject();
    return type == &QWidget::staticMetaObject || type == &QFrame::staticMetaObject
        || type == &QGroupBox::staticMetaObject;
}

void collectControls(const QWidget *parent, QList<QWidget *> &controls)
{
    for (QObject *child : parent->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget || widget->isWindow())
            continue;
        controls.append(widget);
        if (isPlainContainer(widget))
            collectControls(widget, controls);
    }
}

// Room kept on the screen for the window manager's title bar and borders, which are not
// known before the window is shown.
const QSize FrameAllowance(16, 48);
constexpr int MaxFittingPasses = 12;

int scaled(int recorded, double ratio)
{
    return int(std::lround(recorded * ratio));
}

// Redrawing stays frozen while the controls move, so the user sees one repaint.
class FrozenRedraw
{
public:
    explicit FrozenRedraw(QWidget *window)
        : m_window(window)
        , m_wasEnabled(window->updatesEnabled())
    {
        m_window->setUpdatesEnabled(false);
    }
    ~FrozenRedraw()
    {
        if (m_wasEnabled)
            m_window->setUpdatesEnabled(true);
    }
    FrozenRedraw(const FrozenRedraw &) = delete;
    FrozenRedraw &operator=(const FrozenRedraw &) = delete;

private:
    QWidget *m_window;
    bool m_wasEnabled;
};

} // namespace

ProportionalResizer::ProportionalResizer(QObject *parent)
    : QObject(parent)
{
}

ProportionalResizer::~ProportionalResizer()
{
    detach();
}

void ProportionalResizer::setSourceForm(QWidget *form)
{
    if (form == m_form)
        return;
    detach();
    m_form = form;
    m_records.clear();
    m_needsRecording = true;
    if (!m_form)
        return;
    m_window = m_form->window();
    m_form->installEventFilter(this);
    m_window->installEventFilter(this);
}

void ProportionalResizer::detach()
{
    if (m_form)
        m_form->removeEventFilter(this);
    if (m_window)
        m_window->removeEventFilter(this);
    m_window = nullptr;
}

void ProportionalResizer::SizeFormToScreen(int percent)
{
    if (!m_form)
        return;
    if (m_needsRecording)
        recordLayout();
    QWidget *window = m_form->window();
    const QRect screen = window->screen()->geometry();
    const QSize size(screen.width() * percent / 100, screen.height() * percent / 100);
    window->resize(size);
    window->move(screen.x() + (screen.width() - size.width()) / 2,
                 screen.y() + (screen.height() - size.height()) / 2);
    ResizeControls();
}

void ProportionalResizer::SizeFormToFit(const QSize &start)
{
    if (!m_form)
        return;
    if (m_needsRecording)
        recordLayout();
    QWidget *window = m_form->window();
    resizeFormTo(start);
    const QSize chrome = window->size() - m_form->size();
    const QSize limit = window->screen()->availableGeometry().size() - chrome - FrameAllowance;
    m_fittingSize = fittingFormSize(start.boundedTo(limit), limit);
    applyFittingSize();
}

// The window's minimum is its fitting size with whatever bars surround the form; a hidden
// main window does not lay its tool bar out yet, so this is done again when it is shown.
void ProportionalResizer::applyFittingSize()
{
    QWidget *window = m_form->window();
    window->setMinimumSize(0, 0);
    resizeFormTo(m_fittingSize);
    window->setMinimumSize(window->size());
    const QRect screen = window->screen()->availableGeometry();
    const QSize room = screen.size() - window->size() - FrameAllowance;
    window->move(qBound(screen.x(), window->x(), screen.x() + qMax(room.width(), 0)),
                 qBound(screen.y(), window->y(), screen.y() + qMax(room.height(), 0)));
    ResizeControls();
}

void ProportionalResizer::ResizeControls()
{
    if (!m_form || m_form->window()->isMinimized())
        return;
    if (m_needsRecording) {
        recordLayout();
        return;
    }
    scaleTo(m_form->size());
}

void ProportionalResizer::ReInitialise()
{
    if (m_form)
        recordLayout();
}

QList<QWidget *> ProportionalResizer::recordedControls() const
{
    QList<QWidget *> controls;
    for (const Record &record : m_records)
        controls.append(record.control);
    return controls;
}

bool ProportionalResizer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_form && event->type() == QEvent::Resize)
        ResizeControls();
    // Restoring a minimised window need not resize it, yet the controls skipped while it was
    // minimised must catch up with the size it has now.
    else if (watched == m_window && event->type() == QEvent::WindowStateChange)
        ResizeControls();
    else if (watched == m_window && event->type() == QEvent::Show && !m_shown) {
        m_shown = true;
        if (m_fittingSize.isValid() && m_window != m_form)
            applyFittingSize();
    }
    return QObject::eventFilter(watched, event);
}

void ProportionalResizer::scaleTo(const QSize &formSize)
{
    // A form recorded with no area gives no proportion to scale by.
    if (m_records.isEmpty() || m_referenceSize.isEmpty())
        return;
    FrozenRedraw frozen(m_form->window());
    const double ratioY = double(formSize.height()) / m_referenceSize.height();
    const double ratioX = double(formSize.width()) / m_referenceSize.width();
    for (const Record &record : qAsConst(m_records))
        scaleControl(record, ratioX, ratioY);
}

// Scales the controls to size and measures their texts; where one does not fit, the form
// grows by the share that control lacks, and is measured again, until all fit or the
// limit is reached.
QSize ProportionalResizer::fittingFormSize(QSize size, const QSize &limit)
{
    for (int pass = 0; pass < MaxFittingPasses; ++pass) {
        scaleTo(size);
        double growX = 1.0;
        double growY = 1.0;
        for (const Record &record : qAsConst(m_records)) {
            const QWidget *control = record.control;
            if (!control || control->isHidden() || control->width() <= 0 || control->height() <= 0)
                continue;
            const ScaleRule rule = ruleOf(control);
            const QSize needed = TextFit::fittingSize(control);
            if (rule.width)
                growX = qMax(growX, double(needed.width()) / control->width());
            if (rule.height)
                growY = qMax(growY, double(needed.height()) / control->height());
        }
        const QSize next = QSize(int(std::ceil(size.width() * growX)),
                                 int(std::ceil(size.height() * growY)))
                               .boundedTo(limit)
                               .expandedTo(size);
        if (next == size)
            break;
        size = next;
    }
    return size;
}

// Resizes the window so that its form gets size, whatever the menus, tool bar and status
// bar around the form take.
void ProportionalResizer::resizeFormTo(const QSize &size)
{
    QWidget *window = m_form->window();
    if (window == m_form) {
        window->resize(size);
        return;
    }
    for (int pass = 0; pass < 2; ++pass) {
        window->resize(window->size() + size - m_form->size());
        // The layout's own pass, not a bare setGeometry over the whole window: that one
        // would lay the tool bar and the form from the window's top edge, over the menu
        // bar, which only the layout's pass places and makes room for.
        if (QLayout *layout = window->layout()) {
            layout->invalidate();
            layout->activate();
        }
    }
}

void ProportionalResizer::recordLayout()
{
    m_referenceSize = m_form->size();
    m_records.clear();
    QList<QWidget *> controls;
    collectControls(m_form, controls);
    for (QWidget *control : qAsConst(controls)) {
        if (const auto *line = qobject_cast<LineControl *>(control)) {
            m_records.append({control, {line->x1(), line->y1(), line->x2(), line->y2()}});
            continue;
        }
        const QRect geometry = control->geometry();
        m_records.append(
            {control, {geometry.x(), geometry.y(), geometry.width(), geometry.height()}});
    }
    m_needsRecording = false;
}

void ProportionalResizer::scaleControl(const Record &record, double ratioX, double ratioY) const
{
    // A control destroyed since the recording is simply passed over.
    if (!record.control)
        return;
    const ScaleRule rule = ruleOf(record.control);
    if (auto *line = qobject_cast<LineControl *>(record.control)) {
        line->setEndPoints(rule.left ? scaled(record.values[0], ratioX) : line->x1(),
                           rule.top ? scaled(record.values[1], ratioY) : line->y1(),
                           rule.width ? scaled(record.values[2], ratioX) : line->x2(),
                           rule.height ? scaled(record.values[3], ratioY) : line->y2());
        return;
    }
    const QRect current = record.control->geometry();
    record.control->setGeometry(
        rule.left ? scaled(record.values[0], ratioX) : current.x(),
        rule.top ? scaled(record.values[1], ratioY) : current.y(),
        rule.width ? scaled(record.values[2], ratioX) : current.width(),
        rule.height ? scaled(record.values[3], ratioY) : current.height());
}

} // namespace veltra
