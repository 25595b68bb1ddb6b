#pragma once
// The message dialog: a borderless black box with green text, a green frame and an OK button. It
// never blocks the game; a newer message replaces the text of the one on screen.
#include "runtime/control.h"
#include "runtime/windows.h"

class Form2 : public GameWindow {
    Q_OBJECT
  public:
    Form2();
    LabelControl *Label1;
    ButtonControl *Command1;
    void Command1_Click();
};

// Show message: the dialog is shown (created if need be) and brought forward, then its text is set.
// The text is the game's Czech original, marked QT_TRANSLATE_NOOP("Message", ...) where it is
// written, and shown in the player's language.
void showMessage(const QString &text);
// The first step alone, for the one caller that does something between showing and setting the text.
Form2 *showMessageDialog();
