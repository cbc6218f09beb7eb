#include "ui/frame/edithistory.h"

#include "ui/frame/workwindow.h"

#include <QAction>
#include <QKeySequence>

namespace veltra {

EditHistory::EditHistory(QObject *parent)
    : QObject(parent)
{
    connect(&m_stack, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit modifiedChanged(!clean); });
}

QAction *EditHistory::createUndoAction(QObject *parent)
{
    QAction *action = m_stack.createUndoAction(parent, QStringLiteral("&Annulla"));
    action->setObjectName(QStringLiteral("annulla"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    return action;
}

QAction *EditHistory::createRedoAction(QObject *parent)
{
    QAction *action = m_stack.createRedoAction(parent, QStringLiteral("&Ripeti"));
    action->setObjectName(QStringLiteral("ripeti"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    return action;
}

void EditHistory::markSaved()
{
    m_stack.setClean();
}

void EditHistory::restart()
{
    m_stack.clear();
}

bool EditHistory::beginStep()
{
    return ++m_depth == 1 && !m_unrecorded;
}

void EditHistory::endStep()
{
    --m_depth;
}

RowSnapshot EditHistory::capture(const WorkWindow &window, int row)
{
    const int count = window.editRowCount();
    if (row >= 0 && row < count && m_lastCapture.rows.size() == count) {
        m_lastCapture.header = window.editHeader();
        if (!window.editRowIs(row, m_lastCapture.rows.at(row)))
            m_lastCapture.rows[row] = window.editRow(row);
        return m_lastCapture;
    }
    RowSnapshot snapshot;
    snapshot.header = window.editHeader();
    snapshot.rows.reserve(count);
    for (int n = 0; n < count; ++n) {
        if (n < m_lastCapture.rows.size() && window.editRowIs(n, m_lastCapture.rows.at(n)))
            snapshot.rows.append(m_lastCapture.rows.at(n));
        else
            snapshot.rows.append(window.editRow(n));
    }
    m_lastCapture = snapshot;
    return snapshot;
}

void EditHistory::push(QUndoCommand *command)
{
    m_stack.push(command);
}

EditHistory::Unrecorded::Unrecorded(EditHistory &history)
    : m_history(history)
    , m_wasUnrecorded(history.m_unrecorded)
{
    m_history.m_unrecorded = true;
}

EditHistory::Unrecorded::~Unrecorded()
{
    m_history.m_unrecorded = m_wasUnrecorded;
}

} // namespace veltra
