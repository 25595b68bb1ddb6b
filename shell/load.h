#pragma once
// The loading screen between the story and the game.
#include "runtime/control.h"
#include "runtime/timer.h"
#include "runtime/windows.h"

class load : public GameWindow {
    Q_OBJECT
  public:
    load();

    LabelControl *Label1;
    Timer *Timer1;

    void Timer1_Timer();
};
