#pragma once

#include <QIcon>

namespace veltra {

// The picture of toolbar button 1 to 20 of the work windows.
QIcon toolbarPicture(int button);

} // namespace veltra
