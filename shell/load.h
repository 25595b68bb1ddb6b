#pragma once
#include "runtime/control.h"
#include "runtime/windows.h"

class load : public GameWindow {
    Q_OBJECT
public:
    load();

};
