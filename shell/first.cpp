#include "shell/first.h"

#include "game/scene.h"
#include "shell/menu.h"

first::first() : GameWindow("first") {
    setDesign(QString(), 6375, 3270, Frame::Borderless);
    paintBackground(Qt::black);
    Theme::setArrowCursor(this, false);

    Image1 = makePicture(this, "Image1", {840, 240, 4665, 930}, Pictures::ui("studio_logo"));
    Label1 = new LabelControl(this, "Label1", {1680, 1320, 3135, 495}, tr("Uvádí adventuru"));
    Label1->setStyle(QColor(255, 255, 0), Qt::black, designFont("Comic Sans MS", 18, true), false);
    Image2 = makePicture(this, "Image2", {480, 2040, 5400, 915}, Pictures::ui("title_banner"));

    const QColor green(0, 255, 0);
    Line1 = new LineControl(this, "Line1", {0, 0}, {6360, 0}, green, 3);
    Line2 = new LineControl(this, "Line2", {0, 3240}, {6360, 3240}, green, 3);
    Line3 = new LineControl(this, "Line3", {0, 3240}, {0, 0}, green, 3);
    Line4 = new LineControl(this, "Line4", {6360, 3240}, {6360, 0}, green, 3);

    Timer1 = new Timer(this, 3600, true, [this] { Timer1_Timer(); });
}

void first::Timer1_Timer() {
    // The menu comes up before the splash goes: were the splash unloaded first, for a moment no
    // window would be open and the program would end.
    Windows::show<menu>();
    Windows::unload(this);
}
