#pragma once
// The whole game with the keyboard alone. In the game window a focus ring walks the scene's hotspots,
// the panel's buttons and the open inventory (runtime/focusring.h): Tab and the arrows move, Enter or
// Space clicks, Enter on an item takes it in hand and Enter on a hotspot or an item uses it there,
// Escape puts it back or closes the inventory, I opens and closes the inventory, F1 lists the keys.
// In the other windows Enter presses the button the player sees and Escape closes the story, the
// credits and the outro. Nothing here changes what the mouse does.
#include "runtime/windows.h"

class Form1;
class FocusRing;
class LabelControl;
class ButtonControl;

// Watches the whole program's input (once, from the start): the keys above, and whether the keyboard
// or the mouse was used last (a game window opened from the keyboard shows its focus at once).
void installKeyboardPlay();
// The game window's focus ring, made with the window.
FocusRing *attachKeyboard(Form1 &form);
// Whether the player's last press was a key rather than a mouse button.
bool keyboardInUse();

// The list of the keys, opened with F1.
class keyhelp : public GameWindow {
    Q_OBJECT
  public:
    keyhelp();
    LabelControl *Label1;
    ButtonControl *Command1; // OK
};
