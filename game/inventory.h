#pragma once
// The inventory panel and its nineteen items. An item is held exactly when its picture is visible;
// its Tag says what it is and in which state. The picture stores hold the looks (and one tag) that
// items take on when they change.
#include "runtime/control.h"

class Form1;

class Inventory {
  public:
    explicit Inventory(Form1 &form);

    Control *Frame2;         // the panel
    ButtonControl *Command3; // OK

    // Items, by rows of the panel.
    Control *klicek, *Image11, *cepka, *banan, *Odmerka;
    Control *Pavoukva, *Houbava, *Zapalkava, *c, *notebook;
    Control *dopis, *spona, *klic, *disk, *musle;
    Control *vorna, *dynam, *benzin, *dynambum;

    // Picture stores on the game window, never shown.
    Control *karta, *Ohen11, *musle2, *Odmerka11, *Image111, *Image1112;

    // OK: the panel closes and the INV button shows the closed icon again (the launch runs it too).
    void Command3_Click();

    // One item dropped on another: each receiver accepts exactly one item tag and ignores the rest.
    void cepka_DragDrop(Control *source);
    void dynam_DragDrop(Control *source);
    void Image11_DragDrop(Control *source);
    void musle_DragDrop(Control *source);
    void notebook_DragDrop(Control *source);

    void dopis_Click();
    void musle_Click();
    void notebook_Click();

    // The items whose description follows their state; the others have a fixed text.
    void Image11_MouseMove();
    void cepka_MouseMove();
    void Odmerka_MouseMove();
    // The text each of them writes in its present state (empty: none).
    QString Image11_Text() const;
    QString cepka_Text() const;
    QString Odmerka_Text() const;

    // Every item, for tests and tools that look at the whole set.
    QList<Control *> items() const;

  private:
    Form1 &form;
};
