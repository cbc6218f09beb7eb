#pragma once

class QWidget;

namespace veltra {

// Where a small window opens on the screen.
namespace WindowPlacement {

// Moves window so that it stands centred over the window of over, yet whole on over's
// screen; nothing when over is null.
void centreOver(QWidget *window, const QWidget *over);

} // namespace WindowPlacement
} // namespace veltra
