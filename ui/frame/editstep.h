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
    // Every row of the window's data may change.
    explicit EditStep(WorkWindow &window, QString mergeKey = QString());
    // Only the header and row `row` may change, so that only they are captured; row 0, which
    // stays empty in every window, stands for the header alone.
    EditStep(WorkWindow &window, QString mergeKey, int row);
    ~EditStep();

    EditStep(const EditStep &) = delete;
    EditStep &operator=(const EditStep &) = delete;

private:
    WorkWindow &m_window;
    const bool m_recording;
    const QString m_mergeKey;
    const int m_row = -1;
    RowSnapshot m_before;
};

} // namespace veltra
