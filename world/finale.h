#pragma once
// The finale: the sealed door in the hill and the lighthouse beside it.
#include "runtime/control.h"

class Form1;

class FinaleArea {
  public:
    FinaleArea(Form1 &form, QWidget *parent);

    Control *toend;  // before the sealed door; it shows toend1's picture once the door is blown open
    Control *toend1; // picture store: the hill with the door blown open, never shown
    Control *MAJAK;  // inside the lighthouse, parked outside the viewport until first visited

    Control *Image107; // the sealed door
    Control *Image108; // the lighthouse
    Control *benzinek; // the petrol tank standing at the door
    Control *Image112; // the cabinet; disabled once searched
    Control *Image113, *Image114, *Image115;
    Control *Image117; // the way out of the lighthouse

    bool doorOpen() const;

    void Image107_Click();
    void Image107_DragDrop(Control *source);
    void Image108_Click();
    void Image112_Click();
    void Image117_Click();
    void lighthouse_DragDrop(Control *source); // Image112 ... Image115

  private:
    Form1 &form;
};
