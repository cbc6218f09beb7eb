#pragma once

#include <QList>
#include <QString>

#include <functional>

namespace veltra {

class Shell;

// A kind of window the application opens, with the shell call that opens it.
struct RegisteredWindow
{
    QString name;
    std::function<void(Shell &)> open;
};

// Every kind of window: the start window, the work windows, the coefficient windows,
// the tips, the help windows and the about box. The text-fit test opens each of them, so a
// window that none of these calls opens gets an entry of its own here.
QList<RegisteredWindow> registeredWindows();

} // namespace veltra
