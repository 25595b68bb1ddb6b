#include "shell/intro.h"

#include "game/scene.h"

intro::intro() : GameWindow("intro") {
    setDesign(QStringLiteral("Intro"), 6645, 6765, Frame::ToolWindow);
    paintBackground(Qt::black);

}
