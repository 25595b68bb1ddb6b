#include "scenes/form4.h"

#include "game/scene.h"

Form4::Form4() : GameWindow("Form4") {
    setDesign(QStringLiteral(""), 4095, 1950, Frame::BorderlessTool);
    paintBackground(Qt::black);
    Frame1 = makeFrame(this, "Frame1", {120, 120, 3855, 1695});
}
