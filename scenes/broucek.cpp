#include "scenes/broucek.h"

#include "game/scene.h"

Broucek::Broucek() : GameWindow("Broucek") {
    setDesign(QStringLiteral("Broucek"), 5370, 3375, Frame::FixedSingle);
    paintBackground(Qt::black);

}
