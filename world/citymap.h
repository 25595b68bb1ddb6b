#pragma once
// The city map, the hub of the game: four places to enter and four blocks of flats.
#include "runtime/control.h"

class Form1;

class CityMap {
public:
    CityMap(Form1 &form, QWidget *parent);

    // The way back from an area: the small picture of the map in the bottom-left corner of the area's
    // entrance scene. The area gives it its click handler, which calls returnToMap.
    Control *addThumbnail(QWidget *entrance, const char *name);
    // The area's top container is hidden and the map, which never went away, is seen again.
    void returnToMap(Control *areaTop);

    Control *map;
    Control *Image15; // the town picture
    LabelControl *ps, *hrad, *bar, *vila; // name labels shown on hover

private:
    Form1 &form;
};
