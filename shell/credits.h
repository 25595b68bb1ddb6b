#pragma once
// The credits: who made the game, then, once, an invitation to write to the makers with the button
// for their web pages.
#include "runtime/control.h"
#include "runtime/timer.h"
#include "runtime/windows.h"

class credits : public GameWindow {
    Q_OBJECT
  public:
    credits();

    void Form_Load() override;

    Control *Image3;   // the main picture
    Control *Image2_1; // store of the second picture
    Control *Image4;   // the title banner
    Control *Image1;   // the studio logo
    LineControl *Line1, *Line2;
    ButtonControl *Command1; // the web address
    ButtonControl *Command2; // "Zpět"
    Timer *Timer1;
    Timer *Timer2;
    int slide = 0;

    void Timer1_Timer();
    void Timer2_Timer();
    void Command1_Click();
    void Command2_Click();
};
