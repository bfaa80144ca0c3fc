#pragma once

class QWidget;

// Waiting on the window thread while the windows stay painted.
//
// The waits of animations and of start-up block the game: no click, key, close request,
// socket notification or timer runs meanwhile, so no game code runs in the middle of an
// animation. Those stay queued, in their order, for afterwards. What the window system
// asks in the meantime (expose, resize, the paints that follow) is served, so a window
// that is mapped or uncovered during the wait shows its picture at once instead of a
// black or stale area.

// Blocks for the given time, serving only the window system as above.
void WaitPainting(int milliseconds);

// Waits the same way until the top-level window is on screen (exposed) and has been
// painted, at most `limitMilliseconds`. Returns whether it is on screen.
bool WaitUntilExposed(QWidget* window, int limitMilliseconds);
