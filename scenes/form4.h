#pragma once
#include "runtime/control.h"
#include "runtime/windows.h"

class Form4 : public GameWindow {
    Q_OBJECT
public:
    Form4();
    Control *Frame1; // the computer in the bar
};
