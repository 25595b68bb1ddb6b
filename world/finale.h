#pragma once
// The finale: the sealed door in the hill and the lighthouse beside it.
#include "runtime/control.h"

class Form1;

class FinaleArea {
public:
    FinaleArea(Form1 &form, QWidget *parent);
    Control *toend, *toend1, *MAJAK;
private:
    Form1 &form;
};
