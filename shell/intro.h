#pragma once
#include "runtime/control.h"
#include "runtime/windows.h"

class intro : public GameWindow {
    Q_OBJECT
public:
    intro();

};
