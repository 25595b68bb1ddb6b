#include "world/police.h"

#include "game/form1.h"
#include "game/scene.h"

PoliceArea::PoliceArea(Form1 &f, QWidget *parent) : form(f) {
    police = makeFrame(parent, "police", {0, 0, 6735, 4095});
    makePicture(police, "Image26", {0, 0, 6900, 4050}, Pictures::scene("police_street"));
    police2 = makeFrame(police, "police2", {0, 0, 6735, 4095});
    makePicture(police2, "Image31", {-240, 0, 6900, 4050}, Pictures::scene("police_inside"));
    hause = makeFrame(police2, "hause", {0, 0, 6735, 4095});
    makePicture(hause, "Image34", {0, 0, 6900, 4050}, Pictures::scene("police_yard"));
    Label2 = new LabelControl(hause, "Label2", {4200, 2400, 375, 135}, "0");
    Label2->hide();
}
