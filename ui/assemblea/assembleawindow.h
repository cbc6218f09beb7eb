#pragma once

#include "library/assembly/majoritytable.h"
#include "ui/frame/workwindow.h"

#include <QList>

namespace veltra {

class WrappedButton;

// The assembly window `assemblea`: a read-only reference on the majorities an owners'
// assembly needs, one yellow button per matter (cmd_1, cmd_2, …) that shows the majority
// in a message, the printout of the whole table and the way to the meeting notice.
class AssembleaWindow : public WorkWindow
{
    Q_OBJECT

public:
    explicit AssembleaWindow(Shell &shell, QWidget *parent = nullptr);

    // The step hint while the window waits for a button.
    static QString idleStepHint();
    static QString majorityTitle();

    const QList<Majority> &majorities() const { return m_table.majorities; }
    // The button of matter n, from 1; nullptr outside the table.
    WrappedButton *matterButton(int n) const;

    // Shows the majority of matter n (1 to the number of matters) in a message, telling in
    // the step hint which matter it is.
    void showMajority(int n);

    void printMain() override;
    void showInstructions() override;

protected:
    void initialise() override;

private:
    void buildMatterButtons();
    void markOwnViewEntry();

    const MajorityTable::Reading &m_table;
    QList<WrappedButton *> m_buttons;
};

} // namespace veltra
