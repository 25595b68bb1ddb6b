#pragma once
#include "runtime/control.h"
#include "runtime/windows.h"

class onetwo : public GameWindow {
    Q_OBJECT
public:
    onetwo();

};
