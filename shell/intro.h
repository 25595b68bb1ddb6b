#pragma once
// The story screen: how the treasure vanished and why the player was sent. Started from "Nová Hra" it
// closes itself after seven seconds and the game loads; from "Intro a úkol hry" it waits for OK.
#include "runtime/control.h"
#include "runtime/timer.h"
#include "runtime/windows.h"

#include <array>

class intro : public GameWindow {
    Q_OBJECT
  public:
    intro();

    Control *Image3; // the story
    Control *Image4; // the title banner
    Control *Image1; // the studio logo
    LineControl *Line1, *Line2;
    ButtonControl *Command1; // OK
    Timer *Timer2;
    // The outro's pictures, carried here too as hidden stores.
    Control *Image2_0, *Image2_1, *Image2_2, *Image2_3;

    void Timer2_Timer();
    void Command1_Click();
};

// What the story, the credits and the outro share below their main picture: the title banner between
// two yellow lines and the studio logo under them.
struct StoryFooter {
    Control *Image4;
    Control *Image1;
    LineControl *Line1;
    LineControl *Line2;
};
StoryFooter addStoryFooter(QWidget *window);

// The four outro pictures as hidden picture stores at the window's lower right: what happened next,
// home and promoted, the harder task, and the credits.
std::array<Control *, 4> addOutroStores(QWidget *window);

// The font of the plain buttons (OK, "Zpět", the web address).
QFont plainButtonFont();
