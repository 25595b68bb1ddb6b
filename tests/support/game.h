#pragma once
// Shortcuts the area tests share: where the player stands, what the message dialog says.
#include "runtime/control.h"

class Form1;

// The game window on the city map, as the launch of the rocket leaves it.
Form1 *openOnMap();
// Enters a place by its hotspot on the map with the real mouse; false when the map has no such hotspot.
bool enterFromMap(Form1 *form, const char *place);
// Shows the scene and every container above it, as walking there would (parked ones brought in).
void standIn(Control *scene);
// The text of the message dialog, or a null string when none is open.
QString message();
// The player reads the message and presses OK.
void dismiss();
// Opens every window of the game at once, the game window last (in front).
void openEveryWindow();
