#pragma once

#include <QSize>

class QWidget;

// Gives a top-level window the outer size of its design, frame and caption included.
// The window manager's frame is known only after the window is on screen (before, Qt
// reports no frame margins), so the client area is set to the outer size less the frame
// once, when the margins first appear; the user's later resizing is left alone.
// A fixed-size window stays fixed at its new client size. Without a frame, as on a
// screen without a window manager, the client area keeps the whole outer size.
void KeepOuterSize(QWidget* window, QSize outer);
