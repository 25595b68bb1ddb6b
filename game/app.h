#pragma once
#include <QByteArray>

// Starts the game: the application, its fonts, and the first window a player sees.
int runGame(int argc, char **argv);
void setupApplication(); // fonts and quit policy, shared with the tests
void startGame();        // the first window a player sees: the splash

// The windowing system the game asks Qt for, given the environment it was started in (nullptr: none
// of its own, Qt decides). In a Wayland session with an X server beside it (DISPLAY set) the game
// runs on X, where it centres and stacks its own windows as designed; Wayland itself stays the
// fallback should that X server not answer. A QT_QPA_PLATFORM of the user's own is honoured.
const char *preferredPlatform(const QByteArray &qpaPlatform, const QByteArray &display,
                              const QByteArray &waylandDisplay, const QByteArray &sessionType);
