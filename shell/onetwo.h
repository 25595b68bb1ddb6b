#pragma once
// The outro after the sealed door is blown open: four slides, the last being the credits, where the
// show stops. Closing it brings the main menu back.
#include "runtime/control.h"
#include "runtime/timer.h"
#include "runtime/windows.h"

class onetwo : public GameWindow {
    Q_OBJECT
  public:
    onetwo();

    void Form_Load() override;
    void Form_Unload() override;

    Control *Image3;                                    // the main picture
    Control *Image2_0, *Image2_1, *Image2_2, *Image2_3; // the slides' stores
    Control *Image2(int index) const;
    Control *Image4; // the title banner
    Control *Image1; // the studio logo
    LineControl *Line1, *Line2;
    Timer *Timer1;
    Timer *Timer2;
    int slide = 0;

    void Timer1_Timer();
    void Timer2_Timer();
};
