#pragma once
// Starts the game: the application, its fonts, and the first window a player sees.
int runGame(int argc, char **argv);
void setupApplication(); // fonts and quit policy, shared with the tests
void startGame();        // the first window a player sees: the splash
