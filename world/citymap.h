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
    Control *Image15;                     // the town picture
    Control *Image22;                     // the police station
    Control *Image23;                     // the castle ruin
    Control *Image24;                     // the Rock bar
    Control *Image25;                     // the president's villa
    Control *Image16, *Image17, *Image20; // blocks of flats
    Control *Image21;
    LabelControl *ps, *hrad, *bar, *vila; // name labels shown on hover

    void Image15_MouseMove();
    void Image22_Click();
    void Image23_Click();
    void Image24_Click();
    void Image25_Click();

  private:
    Form1 &form;
};
