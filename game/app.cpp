#include "game/app.h"

#include "game/form1.h"
#include "runtime/control.h"
#include "runtime/windows.h"

#include <QApplication>

void setupApplication() {
    QApplication::setApplicationName("Zur ev Edivu");
    QApplication::setQuitOnLastWindowClosed(false); // the window registry decides when the game ends
    registerFontSubstitutions();
}

int runGame(int argc, char **argv) {
    QApplication app(argc, argv);
    setupApplication();
    Windows::show<Form1>();
    return app.exec();
}
