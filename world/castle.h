#pragma once
// The castle ruin: the ruin from outside, the hall, the top of the tower and the homeless man's
// hideout, each nested in the scene it is reached from.
#include "runtime/control.h"

class Form1;

class CastleArea {
  public:
    CastleArea(Form1 &form, QWidget *parent);

    Control *Hrad1;   // the ruin from outside
    Control *Hrad2;   // the hall
    Control *Hradvez; // the top of the tower
    Control *Hrad3;   // the hideout, parked outside the viewport until it is found

    // Outside.
    Control *Image43, *Image44, *Image45, *Image46, *Image48;
    // The hall.
    Control *Image51, *Image49, *Image50, *Image52, *Image53, *Image55, *Image56, *Image63, *Pavouk;
    // The tower.
    Control *Image64, *Houba, *Image65;
    // The hideout.
    Control *Image57, *Zapalka, *Image62, *Image59, *Image60, *Image61, *Image58;

    void Image44_Click();
    void Image45_Click();
    void Image56_Click();
    void Image63_Click();
    void Image65_Click();
    void Image55_Click();
    void Image58_Click();
    void Pavouk_Click();
    void Houba_Click();
    void Zapalka_Click();
    void Image62_Click();
    // The portrait, the ancient tool, the signpost and the cobweb answer every item alike.
    void hall_DragDrop(Control *source);

  private:
    Form1 &form;
};
