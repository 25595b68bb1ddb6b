#pragma once
// The police station: the street, the station's inside and the homeless man's yard.
#include "runtime/control.h"

class Form1;

class PoliceArea {
public:
    PoliceArea(Form1 &form, QWidget *parent);
    Control *police;   // the street in front of the station
    Control *police2;  // inside the station
    Control *hause;    // the homeless man's yard
    LabelControl *Label2; // the police-area counter
private:
    Form1 &form;
};
