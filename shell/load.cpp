#include "shell/load.h"

#include "game/scene.h"

load::load() : GameWindow("load") {
    setDesign(QStringLiteral("Loading..."), 3105, 720, Frame::ToolWindow);
    paintBackground(Qt::black);

}
