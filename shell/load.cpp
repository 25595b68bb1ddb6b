#include "shell/load.h"

#include "game/form1.h"
#include "game/scene.h"

load::load() : GameWindow("load") {
    setDesign(QStringLiteral("Loading..."), 3105, 720, Frame::ToolWindow);
    paintBackground(Qt::black);
    setCursor(gameCursor(CursorKind::Pointer));

    Label1 = new LabelControl(this, "Label1", {120, 0, 2895, 615}, tr("Loading..."));
    Label1->setStyle(QColor(255, 0, 0), Qt::black, designFont("Comic Sans MS", 18, true), false);

    Timer1 = new Timer(this, 361, true, [this] { Timer1_Timer(); });
}

void load::Timer1_Timer() {
    // A game that is still loaded comes forward as the player left it.
    Windows::show<Form1>();
    Windows::unload(this);
}
