#include "world/finale.h"

#include "game/form1.h"
#include "game/scene.h"

FinaleArea::FinaleArea(Form1 &f, QWidget *parent) : form(f) {
    toend = makePictureBox(parent, "toend", {0, 0, 6615, 4095}, Pictures::scene("finale_door"));
    toend1 = makePictureBox(toend, "toend1", {-600, 360, 1095, 615}, Pictures::scene("finale_door_open"));
    MAJAK = makePictureBox(toend, "MAJAK", {-6480, 0, 6735, 4095}, Pictures::scene("finale_lighthouse"));
}
