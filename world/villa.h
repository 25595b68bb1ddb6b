#pragma once
// The president's villa: the square, the side building, the interior and the president's room.
#include "runtime/control.h"

class Form1;

class VillaArea {
public:
    VillaArea(Form1 &form, QWidget *parent);
    Control *vilavstup, *malavila, *vilain, *prezident;
private:
    Form1 &form;
};
