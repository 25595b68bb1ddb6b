#include "shell/credits.h"

#include "game/scene.h"

credits::credits() : GameWindow("credits") {
    setDesign(QStringLiteral("Credits"), 6555, 7215, Frame::ToolWindow);
    paintBackground(Qt::black);

}
