#include "shell/onetwo.h"

#include "game/scene.h"

onetwo::onetwo() : GameWindow("onetwo") {
    setDesign(QStringLiteral("Intro"), 6645, 6765, Frame::ToolWindow);
    paintBackground(Qt::black);

}
