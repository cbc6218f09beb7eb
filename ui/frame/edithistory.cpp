#include "ui/frame/edithistory.h"

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
