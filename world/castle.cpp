#include "world/castle.h"

#include "game/form1.h"
#include "game/scene.h"

CastleArea::CastleArea(Form1 &f, QWidget *parent) : form(f) {
    Hrad1 = makeFrame(parent, "Hrad1", {0, 0, 6735, 4095});
    makePicture(Hrad1, "Image43", {0, 0, 6900, 4050}, Pictures::scene("castle_outside"));
    Hrad2 = makeFrame(Hrad1, "Hrad2", {0, 0, 6735, 4095});
    makePicture(Hrad2, "Image51", {0, 0, 6900, 4050}, Pictures::scene("castle_hall"));
    Hradvez = makeFrame(Hrad2, "Hradvez", {0, 0, 6735, 4095});
    makePicture(Hradvez, "Image64", {0, 0, 6900, 4050}, Pictures::scene("castle_tower"));
    Hrad3 = makeFrame(Hrad2, "Hrad3", {6480, 3960, 6735, 4095});
    makePicture(Hrad3, "Image57", {0, 0, 6900, 4050}, Pictures::scene("castle_hideout"));
}
