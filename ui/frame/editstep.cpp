#include "ui/frame/editstep.h"

#include "ui/frame/edithistory.h"
#include "ui/frame/snapshotcommand.h"
#include "ui/frame/workwindow.h"

namespace veltra {

EditStep::EditStep(WorkWindow &window, QString mergeKey)
    : EditStep(window, std::move(mergeKey), -1)
{
}

EditStep::EditStep(WorkWindow &window, QString mergeKey, int row)
    : m_window(window)
    , m_recording(window.editHistory()->beginStep())
    , m_mergeKey(std::move(mergeKey))
    , m_row(row)
{
    if (m_recording)
        m_before = m_window.editHistory()->capture(m_window, m_row);
}

EditStep::~EditStep()
{
    EditHistory &history = *m_window.editHistory();
    history.endStep();
    if (!m_recording)
        return;
    RowSnapshot after = history.capture(m_window, m_row);
    if (after == m_before)
        return;
    history.push(new SnapshotCommand(m_window, history, std::move(m_before), std::move(after),
                                     m_mergeKey));
}

} // namespace veltra
