#pragma once
// The letter viewer: the picture of the letter found in the bar, with an OK button.
#include "runtime/control.h"
#include "runtime/windows.h"

class dopisek : public GameWindow {
    Q_OBJECT
  public:
    dopisek();
    Control *Image1;
    ButtonControl *Command1;
    void Command1_Click();
};

void showLetter();
