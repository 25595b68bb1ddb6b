#pragma once
// The president's villa: the square, the side building, the interior and the president's room.
#include "runtime/control.h"

class Form1;

class VillaArea {
  public:
    VillaArea(Form1 &form, QWidget *parent);

    Control *vilavstup; // the square before the villa
    Control *malavila;  // the side building with the key cabinet
    Control *vilain;    // the interior with the aquarium
    Control *prezident; // the president's room with the teleport

    // The square.
    Control *Image90;           // its picture
    Control *Image91;           // map thumbnail
    Control *Image92, *Image93; // the tower doors
    Control *Image98;           // the main door
    // The side building.
    Control *Image94, *Image95, *Image96, *Image97;
    // The interior.
    Control *Image99;  // the aquarium; its Tag "aa" once searched
    Control *Image100; // the shell in the aquarium
    Control *Image102;
    // The president's room.
    Control *Image103; // the president
    Control *Image104; // the teleport
    Control *Image105; // the teleport's starter lock

    void Image91_Click();
    void Image93_Click();
    void Image98_Click();
    void Image98_DragOver(Control *source);
    void Image98_DragDrop(Control *source);
    void Image96_Click();
    void Image97_Click();
    void Image99_Click();
    void Image100_Click();
    void Image103_Click();
    void Image103_DragDrop(Control *source);
    void Image104_Click();
    void Image104_DragDrop(Control *source);
    void Image105_DragDrop(Control *source);

  private:
    Form1 &form;
};
