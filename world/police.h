#pragma once
// The police station: the street in front of it, its inside and the homeless man's yard behind it,
// each scene nested in the one before.
#include "runtime/control.h"

class Form1;

class PoliceArea {
  public:
    PoliceArea(Form1 &form, QWidget *parent);

    Control *police;  // the street in front of the station
    Control *police2; // inside the station
    Control *hause;   // the homeless man's yard

    // The street.
    Control *Image26, *Image27, *Image28, *Image29, *Image30, *Image41, *Image67;
    // Inside the station.
    Control *Image31, *Image33, *Image32, *Image36, *Image37, *Image42, *Image54;
    // The yard.
    Control *Image34, *Image35, *Image38, *Image40, *Image39;
    // The police-area counter: "0" at start, "2" once the homeless man has said what he wants, "3"
    // once his matches are taken from the castle, "9" once the acid is taken.
    LabelControl *Label2;

    void Image30_Click();
    void Image33_Click();
    void Image32_Click();
    void Image35_Click();
    void Image41_Click();
    void Image27_Click();
    void Image37_Click();
    void Image36_Click();
    void Image38_Click();
    void Image39_Click();
    void Image39_DragDrop(Control *source);
    void Image40_DragDrop(Control *source);
    void Image54_DragDrop(Control *source);

  private:
    Form1 &form;
};
