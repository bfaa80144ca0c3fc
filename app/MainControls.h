#pragma once

class BoardSurface;
class BoardSurfaceHandler;
class QFrame;
class QLabel;
class QMainWindow;
class QProgressBar;

// The main window's client area, top to bottom: the bevel under the menu bar, the board
// surface, and the bottom line, which is the progress bar in a local game and the network
// status line (LabelState on Panel1) with a network role.
struct MainControls {
    // Builds the controls as the window's central widget; the surface reports to `handler`.
    MainControls(QMainWindow& window, BoardSurfaceHandler& handler);

    QFrame* Bevel1;
    BoardSurface* Surface;
    QFrame* Panel1;
    QLabel* LabelState;
    QProgressBar* ProgressBar;

    // Shows the network status line in place of the progress bar, or the reverse.
    void ShowNetworkStatus(bool networkRole);
};
