#include "world/bar.h"

#include "game/form1.h"
#include "game/scene.h"

BarArea::BarArea(Form1 &f, QWidget *parent) : form(f) {
    barvstup = makeFrame(parent, "barvstup", {0, 0, 6735, 4095});
    makePicture(barvstup, "Image66", {0, 0, 6900, 4050}, Pictures::scene("bar_street"));
    barin = makeFrame(barvstup, "barin", {0, 0, 6735, 4095});
    makePicture(barin, "Image73", {0, 0, 6900, 4050}, Pictures::scene("bar_reception"));
    Label3 = new LabelControl(barin, "Label3", {5400, 1320, 375, 255});
    Label3->hide();
    Label4 = new LabelControl(barin, "Label4", {1560, 600, 375, 255});
    Label4->hide();
    barukol = makeFrame(barin, "barukol", {6240, 3840, 6735, 4095});
    makePicture(barukol, "Image80", {0, 0, 6900, 4050}, Pictures::scene("bar_corridor"));
    ukolok = makeFrame(barukol, "ukolok", {6240, 3840, 6735, 4095});
    makePicture(ukolok, "Image86", {0, 0, 6900, 4050}, Pictures::scene("bar_taskroom"));
    no = makeFrame(barukol, "no", {6360, 3840, 6735, 4095});
    makePicture(no, "Image85", {-120, 0, 6900, 4050}, Pictures::scene("bar_death"));
    no->show(); // not hidden, only parked so that just a corner of it lies inside the corridor
}
