#pragma once
// The Rock bar: the street in front of it, the reception, the corridor of four doors upstairs, the task
// room behind the right door and the end behind the three others, each nested in the one before.
#include "runtime/control.h"

class Form1;

class BarArea {
  public:
    BarArea(Form1 &form, QWidget *parent);

    Control *barvstup; // the street in front of the bar
    Control *barin;    // the reception
    Control *barukol;  // the corridor upstairs, parked until the stairs are climbed
    Control *ukolok;   // the task room, parked until the right door is opened
    Control *no;       // the end, parked with only a corner inside the corridor

    // The street.
    Control *Image66, *Image68, *Image69, *Image70, *Image71, *Image72;
    // The reception.
    Control *Image73, *Image74, *Image75, *Image76, *Image77, *Image78, *Image79;
    // The corridor's doors, numbered from the stairs.
    Control *Image80, *Image81, *Image82, *Image83, *Image84;
    // The task room: the letter, the nightstand and three things that are only looked at.
    Control *Image86, *Image87, *Image89_4, *Image88_0, *Image88_1, *Image88_2;
    Control *Image85; // the death picture

    // The reception's counters, always changed together: empty until the computer has spoken, "1"
    // while the stairs are open, "2" once they have been climbed.
    LabelControl *Label3; // the stairs
    LabelControl *Label4; // the computer

    void Image68_Click();
    void Image69_Click();
    void Image71_Click();
    void Image74_Click();
    void Image75_Click();
    void Image77_Click();
    void Image79_Click();
    void Image81_Click();
    void Image82_Click();
    void Image83_Click();
    void Image84_Click();
    void Image87_Click();

    void Image68_DragDrop(Control *source);
    void Image70_DragDrop(Control *source);
    void Image71_DragDrop(Control *source);
    void Image72_DragDrop(Control *source);
    // The computer, the desk and the sign answer every item alike.
    void reception_DragDrop(Control *source);

  private:
    void wrongDoor();
    Form1 &form;
};
