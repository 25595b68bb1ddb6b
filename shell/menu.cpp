#include "shell/menu.h"

#include "game/scene.h"

menu::menu() : GameWindow("menu") {
    setDesign(QStringLiteral("Main menu - Zur ev Edivu"), 3945, 2985, Frame::ToolWindow);
    paintBackground(Qt::black);
    MMControl1 = new MediaChannel(this, "MMControl1");
}
