#pragma once
// The keyboard as a player uses it: every key goes to the window that has the focus, through real
// delivery, and the game window's focus is walked with Tab to what the player wants to use.
#include <QWidget>

namespace Keys {
// A key to the window that has the keyboard (false when none has it).
bool press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier);
// Tabs the game window's focus onto w, a hotspot, a button or an item; false when Tab never gets there.
bool focus(QWidget *w);
// Enter on w, as a click.
bool click(QWidget *w);
// Enter on the item takes it in hand, Enter on the target uses it there; I opens the inventory first.
bool use(QWidget *item, QWidget *target);
} // namespace Keys
