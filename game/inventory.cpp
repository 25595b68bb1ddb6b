#include "game/inventory.h"

#include "game/form1.h"
#include "game/scene.h"

namespace {
struct ItemDef {
    Control *Inventory::*member;
    const char *name;
    int left, top;
    const char *picture;
    const char *dragIcon; // nullptr: the item's own icon
    bool held;
    bool draggable;
    const char *tag;
    CursorKind cursor = CursorKind::Take;
};

const ItemDef kItems[] = {
    {&Inventory::klicek, "klicek", 240, 0, "keys", nullptr, false, true, "Key"},
    {&Inventory::Image11, "Image11", 840, 0, "wood", nullptr, true, true, "drevo"},
    {&Inventory::cepka, "cepka", 1440, 0, "cap", nullptr, true, true, ""},
    {&Inventory::banan, "banan", 2040, 0, "banana", nullptr, false, true, "jidlo1"},
    {&Inventory::Odmerka, "Odmerka", 2640, 0, "cup", nullptr, false, true, "Odmerka"},
    {&Inventory::Pavoukva, "Pavoukva", 240, 600, "spider", nullptr, false, true, "a"},
    {&Inventory::Houbava, "Houbava", 840, 600, "sponge", nullptr, false, true, "Voda"},
    {&Inventory::Zapalkava, "Zapalkava", 1440, 600, "match", nullptr, false, true, "fire"},
    {&Inventory::c, "c", 2040, 600, "chip", nullptr, false, true, "c"},
    {&Inventory::notebook, "notebook", 2640, 600, "notebook", nullptr, false, false, "notebook"},
    {&Inventory::dopis, "dopis", 240, 1200, "letter", nullptr, false, false, "", CursorKind::Read},
    {&Inventory::spona, "spona", 840, 1200, "clip", nullptr, false, true, "sponka"},
    {&Inventory::klic, "klic", 1440, 1200, "golden_key", nullptr, false, true, "klic"},
    {&Inventory::disk, "disk", 2040, 1200, "diskette", nullptr, false, true, "game"},
    {&Inventory::musle, "musle", 2640, 1200, "shell", nullptr, false, true, "musle"},
    {&Inventory::vorna, "vorna", 240, 1800, "treasure", nullptr, false, true, "vorna"},
    {&Inventory::dynam, "dynam", 840, 1680, "dynamite", "dynamite_drag", false, true, "dynam"},
    {&Inventory::benzin, "benzin", 1440, 1680, "petrol", nullptr, false, true, "benzin"},
    {&Inventory::dynambum, "dynambum", 2520, 2160, "dynamite_lit", "dynamite_lit_drag", false, false, ""},
};

Control *makeItem(QWidget *parent, const QString &name, Twips rect, const char *picture, const char *dragIcon) {
    auto *c = new Control(parent, name, rect);
    c->setPicture(Pictures::item(picture), Control::Fit::Stretch);
    c->DragIcon = Pictures::item(dragIcon ? dragIcon : picture);
    return c;
}

// A picture store lies hidden on the game window, below the viewport.
Control *makeStore(QWidget *parent, const char *name, const char *picture) {
    Control *c = makeItem(parent, QString::fromLatin1(name), {6960, 4200, 480, 480}, picture, nullptr);
    c->hide();
    return c;
}
} // namespace

Inventory::Inventory(Form1 &f) : form(f) {
    karta = makeStore(&form, "karta", "card");
    Ohen11 = makeStore(&form, "Ohen11", "wood_burning");
    musle2 = makeStore(&form, "musle2", "shell_open");
    musle2->setMouseIcon(CursorKind::TakeLight);
    Odmerka11 = makeStore(&form, "Odmerka11", "cup_filled");
    Odmerka11->Tag = "Odmerka2";
    Image111 = makeStore(&form, "Image111", "inv_open");
    Image1112 = makeStore(&form, "Image1112", "inv_closed");

    Frame2 = makeFrame(&form, "Frame2", {3240, 4200, 3375, 2535});
    const QColor cyan(0, 255, 255);
    new LineControl(Frame2, "Line(0)", {0, 0}, {4560, 0}, cyan, 1);
    new LineControl(Frame2, "Line(1)", {0, 2520}, {4560, 2520}, cyan, 1);
    new LineControl(Frame2, "Line(2)", {0, 0}, {0, 2520}, cyan, 1);
    new LineControl(Frame2, "Line(3)", {3360, 0}, {3360, 2520}, cyan, 1);
    new LineControl(Frame2, "Line(4)", {0, 2280}, {4560, 2280}, cyan, 1);
    Command3 = new ButtonControl(Frame2, "Command3", {1080, 2280, 1215, 255}, "OK");
    QObject::connect(Command3, &QPushButton::clicked, Frame2, [this] { Command3_Click(); });

    for (const ItemDef &d : kItems) {
        Control *item = makeItem(Frame2, QString::fromLatin1(d.name), {d.left, d.top, 480, 480}, d.picture, d.dragIcon);
        item->Tag = QString::fromLatin1(d.tag);
        item->dragMode = d.draggable ? Control::DragMode::Automatic : Control::DragMode::Manual;
        item->setMouseIcon(d.name == QLatin1String("dynambum") ? CursorKind::None : d.cursor);
        item->setVisible(d.held);
        this->*d.member = item;
    }
}

QList<Control *> Inventory::items() const {
    QList<Control *> out;
    for (const ItemDef &d : kItems) out.append(this->*d.member);
    return out;
}

void Inventory::Command3_Click() {
    Frame2->setVisible(false);
    form.Command2->setPicture(Image1112->Picture());
}
