#include "shell/first.h"

#include "game/scene.h"

first::first() : GameWindow("first") {
    setDesign(QStringLiteral(""), 6375, 3270, Frame::Borderless);
    paintBackground(Qt::black);

}
