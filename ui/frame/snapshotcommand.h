#pragma once

#include "ui/frame/rowsnapshot.h"

#include <QString>
#include <QUndoCommand>

namespace veltra {

class EditHistory;
class WorkWindow;

// One step of a window's edit history: the window's data as they stood before and after
// it. Undoing puts back the "before" data, redoing the "after" data; the window is given
// the data to put back and those they replace, so that it touches only what the step
// changed. Steps with the same non-empty merge key, one after the other, become one: the
// keystrokes typed into one field.
class SnapshotCommand : public QUndoCommand
{
public:
    SnapshotCommand(WorkWindow &window, EditHistory &history, RowSnapshot before,
                    RowSnapshot after, QString mergeKey);

    int id() const override;
    bool mergeWith(const QUndoCommand *other) override;
    void undo() override;
    void redo() override;

private:
    void put(const RowSnapshot &to, const RowSnapshot &from);

    WorkWindow &m_window;
    EditHistory &m_history;
    RowSnapshot m_before;
    RowSnapshot m_after;
    const QString m_mergeKey;
    bool m_pushed = false;
};

} // namespace veltra
