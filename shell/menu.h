#pragma once
// The main menu: a new game, the story with the task, the credits and the way out. It plays its own
// music on a channel of its own and stays open behind every window it opens.
#include "runtime/control.h"
#include "runtime/mediachannel.h"
#include "runtime/windows.h"

class menu : public GameWindow {
    Q_OBJECT
  public:
    menu();

    void Form_Load() override;
    void Form_Unload() override;

    Control *Image1;          // the title banner, at natural size and cut by the window's edges
    ButtonControl *Command8;  // "Pokračovat", on top, only while a saved game waits
    ButtonControl *Command1;  // "Nová Hra", the default button
    ButtonControl *Command7;  // "Intro a úkol hry"
    ButtonControl *Command6;  // "Credits"
    ButtonControl *Command5;  // "Exit"
    MediaChannel *MMControl1; // the menu channel

    void Command1_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    // Shows "Pokračovat" while a saved game waits and no game is open; the window grows by its row.
    void offerContinue();

  protected:
    void keyPressEvent(QKeyEvent *event) override;
};
