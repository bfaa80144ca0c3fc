#pragma once

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;

// The main window's menu bar, under the names the game's items have always had; the caption
// of each is on its right. `Board` is the layout submenu. The captions stand as the game
// names them, without shortcuts: a stray key must never start a new game over one Undo
// cannot restore. Only the titles have mnemonics, the keyboard's way into them.
struct MainMenuBar {
    // Builds the menus on the window's menu bar; nothing is connected yet.
    explicit MainMenuBar(QMainWindow& window);

    QMenu* Game1;             // Game
    QAction* Start1;          // Game > Start
    QAction* SendMessage1;    // Game > Send Message
    QAction* Disconnect1;     // Game > Disconnect
    QAction* Stop1;           // Game: the separator above Exit
    QAction* Exit1;           // Game > Exit
    QMenu* Player11;          // Options
    QAction* Player12;        // Options > Players
    QAction* Player1;         // Options > Sound, checked while sound is on
    QMenu* Board;             // Options > Board
    QActionGroup* BoardGroup; // the three layouts, exactly one checked
    QAction* Standard;        // Options > Board > Standard
    QAction* American;        // Options > Board > American
    QAction* Swedish;         // Options > Board > Swedish
    QMenu* Player21;          // Help
    QAction* HelpTopics1;     // Help > Help Topics
    QAction* Networkinfod1;   // Help > System Information
    QAction* N1;              // Help: the separator above About
    QAction* AboutTessaron1;  // Help > About Tessaron
};
