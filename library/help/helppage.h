#pragma once

#include <QString>

namespace veltra {

// One page of the on-line guide: the name of the window that shows it, its title and its
// text (lines separated by CR LF).
struct HelpPage
{
    QString window;
    QString title;
    QString text;
};

} // namespace veltra
