#pragma once

#include <QList>
#include <QString>

namespace veltra {

class Meeting;
class SharedState;

// The rules on proxies (art. 67 c. 1 disp. att. c.c.): with more than twenty owners a
// delegate may represent at most one fifth of the owners and one fifth of the value, and
// the administrator may never be given a proxy. Checked on the attendance while point is
// discussed (0: at the opening).
namespace ProxyCheck {

struct Finding
{
    QString delegate;
    QList<int> owners; // the owners he represents
    QString text;      // one sentence for the window and the minutes
};

QList<Finding> check(const SharedState &state, const Meeting &meeting, int point = 0);

// The owners above which the one-fifth limit applies.
constexpr int LimitFromOwners = 21;

} // namespace ProxyCheck

} // namespace veltra
