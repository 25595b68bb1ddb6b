#pragma once
// The splash: the studio presents the adventure, then the main menu takes over.
#include "runtime/control.h"
#include "runtime/timer.h"
#include "runtime/windows.h"

class first : public GameWindow {
    Q_OBJECT
  public:
    first();

    Control *Image1; // the studio logo
    LabelControl *Label1;
    Control *Image2; // the title banner
    LineControl *Line1, *Line2, *Line3, *Line4;
    Timer *Timer1;

    void Timer1_Timer();
};
