#pragma once
// The city map, the hub of the game: four places to enter and four blocks of flats.
#include "runtime/control.h"

class Form1;

class CityMap {
public:
    CityMap(Form1 &form, QWidget *parent);

    Control *map;
    Control *Image15; // the town picture
    LabelControl *ps, *hrad, *bar, *vila; // name labels shown on hover

private:
    Form1 &form;
};
