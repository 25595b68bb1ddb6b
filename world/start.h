#pragma once
// The start scenes: the crash site on the game window's own surface, the cave, the rocket's cockpit
// and the launch picture.
#include "runtime/control.h"
#include "runtime/timer.h"

class Form1;

class StartArea {
public:
    explicit StartArea(Form1 &form);

    Control *Frame1; // the cave
    Control *Raketa; // inside the rocket
    Control *Frame3; // the launch picture, parked outside the viewport
    Timer *Timer2;   // ends the launch

private:
    Form1 &form;
};
