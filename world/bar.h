#pragma once
// The Rock bar: the street, the reception, the corridor of four doors, the task room and the end.
#include "runtime/control.h"

class Form1;

class BarArea {
public:
    BarArea(Form1 &form, QWidget *parent);
    Control *barvstup, *barin, *barukol, *ukolok, *no;
    LabelControl *Label3, *Label4;
private:
    Form1 &form;
};
