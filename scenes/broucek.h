#pragma once
#include "runtime/control.h"
#include "runtime/windows.h"

class Broucek : public GameWindow {
    Q_OBJECT
public:
    Broucek();

};
