#include "game/app.h"

#include "runtime/control.h"
#include "runtime/style.h"
#include "runtime/windows.h"
#include "shell/first.h"

#include <QApplication>

void setupApplication() {
    QApplication::setApplicationName("Zur ev Edivu");
    QApplication::setQuitOnLastWindowClosed(false); // the window registry decides when the game ends
    registerFontSubstitutions();
    applyGameStyle();
}

void startGame() {
    Windows::show<first>();
}

int runGame(int argc, char **argv) {
    QApplication app(argc, argv);
    setupApplication();
    startGame();
    return app.exec();
}
