#pragma once
#include "runtime/control.h"
#include "runtime/windows.h"

class credits : public GameWindow {
    Q_OBJECT
public:
    credits();

};
