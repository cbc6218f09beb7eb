#pragma once

#include "ui/frame/rowsnapshot.h"

#include <QObject>
#include <QUndoStack>

class QAction;

namespace veltra {

class WorkWindow;

// The undo history of one data window since its file was opened: every edit the user makes
// is one step ("Annulla" takes it back, "Ripeti" makes it again), and the data count as
// changed while the history stands away from the point where they were last opened or
// saved. Steps nest: the edits an edit sets off in cascade belong to the step that set
// them off, and what undoing puts back records nothing.
class EditHistory : public QObject
{
    Q_OBJECT

public:
    explicit EditHistory(QObject *parent = nullptr);

    // "&Annulla" (Ctrl+Z) and "&Ripeti" (Ctrl+Y), enabled while there is a step to take.
    QAction *createUndoAction(QObject *parent);
    QAction *createRedoAction(QObject *parent);

    bool isModified() const { return !m_stack.isClean(); }
    // The data were written to their file: they count as unchanged from here.
    void markSaved();
    // Other data were opened or the window was emptied: the history starts again, unchanged.
    void restart();

    bool canUndo() const { return m_stack.canUndo(); }
    void undo() { m_stack.undo(); }
    void redo() { m_stack.redo(); }

    // Opens a step; true when it is the outermost one and recording, which is the one that
    // captures the data before and after and pushes the command.
    bool beginStep();
    void endStep();
    // Takes ownership; the command's data are already in place, so its first redo does nothing.
    void push(QUndoCommand *command);
    // The window's data as they stand. The rows that did not change since the last capture
    // are that capture's, shared: a long history holds one copy of what its steps have in
    // common, and a capture costs a comparison where nothing changed. With a row number
    // (0 or more) only the header and that row are read again: the others may be stale
    // there, but alike before and after the step, which is all a step compares.
    RowSnapshot capture(const WorkWindow &window, int row = -1);

    // Held while the window's data change otherwise than by an edit of the user (a step
    // put back, the window set up again from the shared state): those changes are no steps.
    class Unrecorded
    {
    public:
        explicit Unrecorded(EditHistory &history);
        ~Unrecorded();
        Unrecorded(const Unrecorded &) = delete;
        Unrecorded &operator=(const Unrecorded &) = delete;

    private:
        EditHistory &m_history;
        const bool m_wasUnrecorded;
    };

signals:
    void modifiedChanged(bool modified);

private:
    QUndoStack m_stack;
    RowSnapshot m_lastCapture;
    int m_depth = 0;
    bool m_unrecorded = false;
};

} // namespace veltra
