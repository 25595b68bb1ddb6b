#include "scenes/form3.h"

#include "game/scene.h"

Form3::Form3() : GameWindow("Form3") {
    setDesign(QStringLiteral(""), 4095, 1950, Frame::BorderlessTool);
    paintBackground(Qt::black);
    Frame1 = makeFrame(this, "Frame1", {120, 120, 3855, 1695});
    Frame2 = makeFrame(this, "Frame2", {120, 120, 3855, 1695});
}
