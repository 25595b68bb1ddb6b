#include "world/start.h"

#include "game/form1.h"
#include "game/scene.h"

StartArea::StartArea(Form1 &f) : form(f) {
    Frame1 = makeFrame(&form, "Frame1", {0, 0, 6735, 4095});
    makePicture(Frame1, "Image6", {0, 0, 6900, 4050}, Pictures::scene("cave"));
    Raketa = makeFrame(&form, "Raketa", {0, 0, 6735, 4095});
    makePicture(Raketa, "Image10", {-120, 0, 6900, 4050}, Pictures::scene("rocket"));
    Frame3 = makeFrame(Raketa, "Frame3", {-6360, 3840, 6735, 4095});
    makePicture(Frame3, "Image47", {0, 0, 6900, 4050}, Pictures::scene("launch"));
    Timer2 = new Timer(Frame3, 4000, false);
}
