#pragma once

#include "ui/frame/rowsnapshot.h"

#include <QString>

namespace veltra {

class WorkWindow;

// One edit of the user, held for the length of its handling: the outermost step of a
// cascade captures the window's data when it begins and when it ends, and pushes the
// change, if there is one, onto the window's history.
class EditStep
{
public:
    explicit EditStep(WorkWindow &window, QString mergeKey = QString());
    ~EditStep();

    EditStep(const EditStep &) = delete;
    EditStep &operator=(const EditStep &) = delete;

private:
    WorkWindow &m_window;
    const bool m_recording;
    const QString m_mergeKey;
    RowSnapshot m_before;
};

} // namespace veltra
