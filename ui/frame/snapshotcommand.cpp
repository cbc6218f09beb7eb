#include "ui/frame/snapshotcommand.h"

#include "ui/frame/edithistory.h"
#include "ui/frame/workwindow.h"

namespace veltra {

SnapshotCommand::SnapshotCommand(WorkWindow &window, EditHistory &history, RowSnapshot before,
                                 RowSnapshot after, QString mergeKey)
    : m_window(window)
    , m_history(history)
    , m_before(std::move(before))
    , m_after(std::move(after))
    , m_mergeKey(std::move(mergeKey))
{
}

int SnapshotCommand::id() const
{
    return m_mergeKey.isEmpty() ? -1 : 1;
}

bool SnapshotCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = dynamic_cast<const SnapshotCommand *>(other);
    if (!next || next->m_mergeKey != m_mergeKey)
        return false;
    m_after = next->m_after;
    // A field typed back to what it held is no step at all.
    setObsolete(m_after == m_before);
    return true;
}

void SnapshotCommand::undo()
{
    put(m_before, m_after);
}

void SnapshotCommand::redo()
{
    // Pushed after the edit: the data are already in place.
    if (m_pushed)
        put(m_after, m_before);
    m_pushed = true;
}

void SnapshotCommand::put(const RowSnapshot &to, const RowSnapshot &from)
{
    const EditHistory::Unrecorded unrecorded(m_history);
    m_window.restoreEdits(to, from);
}

} // namespace veltra
