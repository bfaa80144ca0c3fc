#include "app/MainMenuBar.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>

MainMenuBar::MainMenuBar(QMainWindow& window) {
    QMenuBar* bar = window.menuBar();
    Game1 = bar->addMenu(QCoreApplication::translate("MainMenu", "&Game"));
    Start1 = Game1->addAction(QCoreApplication::translate("MainMenu", "Start"));
    SendMessage1 = Game1->addAction(QCoreApplication::translate("MainMenu", "Send Message"));
    SendMessage1->setEnabled(false);
    Disconnect1 = Game1->addAction(QCoreApplication::translate("MainMenu", "Disconnect"));
    Disconnect1->setEnabled(false);
    Stop1 = Game1->addSeparator();
    Exit1 = Game1->addAction(QCoreApplication::translate("MainMenu", "Exit"));

    Player11 = bar->addMenu(QCoreApplication::translate("MainMenu", "&Options"));
    Player12 = Player11->addAction(QCoreApplication::translate("MainMenu", "Players"));
    Player1 = Player11->addAction(QCoreApplication::translate("MainMenu", "Sound"));
    Player1->setCheckable(true);
    Board = Player11->addMenu(QCoreApplication::translate("MainMenu", "Board"));
    BoardGroup = new QActionGroup(&window);
    BoardGroup->setExclusive(true);
    Standard = Board->addAction(QCoreApplication::translate("MainMenu", "Standard"));
    American = Board->addAction(QCoreApplication::translate("MainMenu", "American"));
    Swedish = Board->addAction(QCoreApplication::translate("MainMenu", "Swedish"));
    int tag = 1;
    for (QAction* item : {Standard, American, Swedish}) {
        item->setCheckable(true);
        item->setData(tag++);
        BoardGroup->addAction(item);
    }
    Standard->setChecked(true);

    Player21 = bar->addMenu(QCoreApplication::translate("MainMenu", "&Help"));
    HelpTopics1 = Player21->addAction(QCoreApplication::translate("MainMenu", "Help Topics"));
    Networkinfod1 = Player21->addAction(QCoreApplication::translate("MainMenu", "System Information"));
    N1 = Player21->addSeparator();
    AboutTessaron1 = Player21->addAction(QCoreApplication::translate("MainMenu", "About Tessaron"));
}
