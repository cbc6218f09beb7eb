#pragma once

#include <QElapsedTimer>
#include <QLineEdit>
#include <QList>
#include <QTest>

#include <algorithm>
#include <functional>

namespace veltra::KeystrokeTiming {

inline double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// The median in milliseconds of runs runs of work, each timed alone.
inline double medianMilliseconds(int runs, const std::function<void()> &work)
{
    QList<double> times;
    for (int k = 0; k < runs; ++k) {
        QElapsedTimer timer;
        timer.start();
        work();
        times << timer.nsecsElapsed() / 1e6;
    }
    return median(times);
}

// One key typed into the field, then taken back: two keystrokes a round, each timed with
// its whole change handling; the median in milliseconds.
inline double keystrokeMilliseconds(QLineEdit *field, int rounds)
{
    QList<double> times;
    for (int k = 0; k < rounds; ++k) {
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(field, Qt::Key_5);
        times << timer.nsecsElapsed() / 1e6;
        timer.restart();
        QTest::keyClick(field, Qt::Key_Backspace);
        times << timer.nsecsElapsed() / 1e6;
    }
    return median(times);
}

} // namespace veltra::KeystrokeTiming
