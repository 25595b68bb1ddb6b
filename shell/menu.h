#pragma once
#include "runtime/control.h"
#include "runtime/mediachannel.h"
#include "runtime/windows.h"

class menu : public GameWindow {
    Q_OBJECT
public:
    menu();
    MediaChannel *MMControl1; // the menu channel
};
