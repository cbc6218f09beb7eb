#pragma once

#include <QObject>
#include <QString>

namespace veltra {

// The control of the given object name on a window under test; a missing control ends the
// test run at once, since every later step on it would only crash.
template<typename T>
T *findControl(const QObject *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

} // namespace veltra
