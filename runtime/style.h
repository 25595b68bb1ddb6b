#pragma once
// The game's own look for the toolkit's widgets: every push button, picture button, pop-up menu and
// message box is drawn in the colours of the art (a dark fill, the art's outline, yellow captions).
// Each widget keeps the font and the geometry it was given.
#include <QString>

// The style sheet itself, for anyone who needs to look at it.
QString gameStyleSheet();
class QWidget;
// Gives a button, a pop-up menu or a message box (with everything inside it) the game's look.
void applyGameStyle(QWidget *widget);
