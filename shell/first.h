#pragma once
#include "runtime/control.h"
#include "runtime/windows.h"

class first : public GameWindow {
    Q_OBJECT
public:
    first();

};
