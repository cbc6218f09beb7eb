#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSize>

class QWidget;

namespace veltra {

// Keeps the controls of a form in proportion to the form's size: every control's left edge
// and width follow the form's width, its top edge and height the form's height, always
// computed from the layout recorded once, so that repeated resizing never drifts. Fonts are
// not scaled.
//
// The controls are the form's child widgets, descending only into plain containers (QWidget,
// QFrame, QGroupBox) and never into the parts of composite widgets. A control may carry a
// dynamic property "tag" with a scaling rule: "@" followed by any of L, T, W, H (either case,
// any separators) scales only those quantities; "@" alone freezes the control; no rule means
// "@L,T,W,H". A LineControl is scaled by its end points: L moves X1, T Y1, W X2, H Y2.
//
// While a form is set, the resizer watches its resize events, and its window's return from
// the minimised state, and rescales by itself.
class ProportionalResizer : public QObject
{
    Q_OBJECT

public:
    explicit ProportionalResizer(QObject *parent = nullptr);
    ~ProportionalResizer() override;

    // The form whose controls are scaled; for a main window, its central widget.
    void setSourceForm(QWidget *form);
    QWidget *SourceForm() const { return m_form; }

    // Gives the form's window percent % of the screen's width and height, centred on the
    // screen, and rescales the controls; the layout is recorded first if it is not yet.
    void SizeFormToScreen(int percent);
    // Gives the form the size start (its design mapped to pixels), enlarged across or down
    // until the text of every control fits, yet never beyond the screen's available area;
    // the window cannot be made smaller than that. The window is kept on the screen.
    void SizeFormToFit(const QSize &start);
    // Rescales every control to the form's present size; the first call only records.
    void ResizeControls();
    // Records the layout afresh from the form as it is now.
    void ReInitialise();

    bool needsRecording() const { return m_needsRecording; }
    QSize referenceSize() const { return m_referenceSize; }
    // The controls recorded, in the order they are scaled.
    QList<QWidget *> recordedControls() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Record
    {
        QPointer<QWidget> control;
        int values[4]; // Left, Top, Width, Height; X1, Y1, X2, Y2 for a line
    };

    void recordLayout();
    void scaleTo(const QSize &formSize);
    QSize fittingFormSize(QSize size, const QSize &limit);
    void resizeFormTo(const QSize &size);
    void applyFittingSize();
    void scaleControl(const Record &record, double ratioX, double ratioY) const;
    void detach();

    QPointer<QWidget> m_form;
    QPointer<QWidget> m_window;
    QSize m_referenceSize;
    QList<Record> m_records;
    bool m_needsRecording = true;
    QSize m_fittingSize;
    bool m_shown = false;
};

} // namespace veltra
