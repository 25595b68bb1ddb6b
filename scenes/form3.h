#pragma once
#include "runtime/control.h"
#include "runtime/windows.h"

class Form3 : public GameWindow {
    Q_OBJECT
public:
    Form3();
    Control *Frame1; // the first talk with the homeless man
    Control *Frame2; // the second talk
};
