#include "app/MainMenuBar.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenuBar>

MainMenuBar::MainMenuBar(QMainWindow& window) {
    QMenuBar* bar = window.menuBar();
    Game1 = bar->addMenu("&Game");
    Start1 = Game1->addAction("Start");
    SendMessage1 = Game1->addAction("Send Message");
    SendMessage1->setEnabled(false);
    Disconnect1 = Game1->addAction("Disconnect");
    Disconnect1->setEnabled(false);
    Stop1 = Game1->addSeparator();
    Exit1 = Game1->addAction("Exit");

    Player11 = bar->addMenu("&Options");
    Player12 = Player11->addAction("Players");
    Player1 = Player11->addAction("Sound");
    Player1->setCheckable(true);
    Board = Player11->addMenu("Board");
    BoardGroup = new QActionGroup(&window);
    BoardGroup->setExclusive(true);
    Standard = Board->addAction("Standard");
    American = Board->addAction("American");
    Swedish = Board->addAction("Swedish");
    int tag = 1;
    for (QAction* item : {Standard, American, Swedish}) {
        item->setCheckable(true);
        item->setData(tag++);
        BoardGroup->addAction(item);
    }
    Standard->setChecked(true);

    Player21 = bar->addMenu("&Help");
    HelpTopics1 = Player21->addAction("Help Topics");
    Networkinfod1 = Player21->addAction("System Information");
    N1 = Player21->addSeparator();
    AboutTessaron1 = Player21->addAction("About Tessaron");
}
