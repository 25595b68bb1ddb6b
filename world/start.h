#pragma once
// The start scenes: the crash site on the game window's own surface, the cave, the rocket's cockpit
// and the launch picture.
#include "runtime/control.h"
#include "runtime/timer.h"

class Form1;

class StartArea {
  public:
    explicit StartArea(Form1 &form);

    // The crash site, drawn by the game window's Image1.
    Control *Image2;    // the crashed rocket
    Control *Image3;    // its door
    Control *Image4;    // the plant
    Control *Image5;    // the rock with the cave
    Control *Image7;    // the cave's entrance
    Control *Image88_3; // the sky in the top-left corner: only the look cursor

    Control *Frame1; // the cave
    Control *Image6; // its picture
    Control *Image9; // the box with the key
    Control *Image8; // the way out

    Control *Raketa;  // inside the rocket
    Control *Image10; // its picture
    Control *Image12; // the buttons
    Control *Image13; // the card slot; disabled once the card is in
    Control *Image14; // START

    Control *Frame3;  // the launch picture, parked outside the viewport
    Control *Image47; // its picture
    Timer *Timer2;    // ends the launch

    void Image2_Click();
    void Image3_Click();
    void Image7_Click();
    void Image8_Click();
    void Image9_Click();
    void Image14_Click();
    void Image2_DragDrop(Control *source);
    void Image3_DragDrop(Control *source);
    void Image4_DragDrop(Control *source);
    void Image5_DragDrop(Control *source);
    void Image12_DragDrop(Control *source);
    void Image13_DragDrop(Control *source);
    void Timer2_Timer();

  private:
    Form1 &form;
};
