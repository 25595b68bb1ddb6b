#include "world/villa.h"

#include "game/form1.h"
#include "game/scene.h"

VillaArea::VillaArea(Form1 &f, QWidget *parent) : form(f) {
    vilavstup = makeFrame(parent, "vilavstup", {0, 0, 6735, 4095});
    makePicture(vilavstup, "Image90", {0, 0, 6900, 4050}, Pictures::scene("villa_square"));
    malavila = makePictureBox(vilavstup, "malavila", {0, 0, 6735, 4095}, Pictures::scene("villa_side"));
    vilain = makePictureBox(vilavstup, "vilain", {0, 0, 6735, 4095}, Pictures::scene("villa_interior"));
    prezident = makePictureBox(vilain, "prezident", {0, 0, 6855, 4095}, Pictures::scene("villa_president"));
}
