#pragma once
// The castle ruin: outside, the hall, the tower and the homeless man's hideout.
#include "runtime/control.h"

class Form1;

class CastleArea {
public:
    CastleArea(Form1 &form, QWidget *parent);
    Control *Hrad1, *Hrad2, *Hradvez, *Hrad3;
private:
    Form1 &form;
};
