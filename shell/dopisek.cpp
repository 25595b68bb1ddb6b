#include "shell/dopisek.h"

#include "game/scene.h"

dopisek::dopisek() : GameWindow("dopisek") {
    setDesign(QString(), 4590, 4935, Frame::Borderless);
    paintBackground(Qt::black);
    new Theme::Panel(this, Theme::Panel::Kind::Filled);
    Image1 = makePicture(this, "Image1", {0, 0, 4620, 4860}, Pictures::ui("letter"));
    // The letter lies inside the panel's rim.
    new Theme::Panel(this, Theme::Panel::Kind::Rim);
    Theme::setArrowCursor(this, false);
    const QColor green(0, 255, 0);
    new LineControl(this, "Line1(0)", {0, 0}, {0, 4920}, green, 3);
    new LineControl(this, "Line1(1)", {4560, 0}, {4560, 5040}, green, 3);
    new LineControl(this, "Line2(0)", {0, 4920}, {4560, 4920}, green, 3);
    new LineControl(this, "Line2(1)", {0, 0}, {4560, 0}, green, 3);
    for (LineControl *side : findChildren<LineControl *>())
        side->setFramePart();
    Command1 = new ButtonControl(this, "Command1", {1800, 4560, 1215, 315}, tr("OK"));
    connect(Command1, &QPushButton::clicked, this, &dopisek::Command1_Click);
}

void dopisek::Command1_Click() {
    Windows::unload(this);
}

void showLetter() {
    Windows::show<dopisek>();
}
