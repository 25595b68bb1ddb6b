#include "game/inventory.h"

#include "game/form1.h"
#include "game/scene.h"
#include "scenes/broucek.h"
#include "shell/dopisek.h"
#include "shell/form2.h"
#include "world/villa.h"

#include <QCoreApplication>

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
    // Written to the status line at every mouse move; nullptr: none (the status line keeps its text),
    // or a handler of its own that picks the text by the item's state.
    const char *hover;
    CursorKind cursor = CursorKind::Take;
};

const ItemDef kItems[] = {
    {&Inventory::klicek, "klicek", 240, 0, "keys", nullptr, false, true, "Key",
     QT_TRANSLATE_NOOP("Status", "Jsout to klíče od loďi")},
    {&Inventory::Image11, "Image11", 840, 0, "wood", nullptr, true, true, "drevo", nullptr},
    {&Inventory::cepka, "cepka", 1440, 0, "cap", nullptr, true, true, "", nullptr},
    {&Inventory::banan, "banan", 2040, 0, "banana", nullptr, false, true, "jidlo1",
     QT_TRANSLATE_NOOP("Status", "Je to obyčejný banán")},
    {&Inventory::Odmerka, "Odmerka", 2640, 0, "cup", nullptr, false, true, "Odmerka", nullptr},
    {&Inventory::Pavoukva, "Pavoukva", 240, 600, "spider", nullptr, false, true, "a",
     QT_TRANSLATE_NOOP("Status", "Malinkatý pavouček, snaží se ti utéct")},
    {&Inventory::Houbava, "Houbava", 840, 600, "sponge", nullptr, false, true, "Voda",
     QT_TRANSLATE_NOOP("Status", "je to houba, je mokrá asi deštová voda")},
    {&Inventory::Zapalkava, "Zapalkava", 1440, 600, "match", nullptr, false, true, "fire",
     QT_TRANSLATE_NOOP("Status", "Hořící zápalka")},
    {&Inventory::c, "c", 2040, 600, "chip", nullptr, false, true, "c",
     QT_TRANSLATE_NOOP("Status", "přístupový čip do Rock Baru")},
    {&Inventory::notebook, "notebook", 2640, 600, "notebook", nullptr, false, false, "notebook",
     QT_TRANSLATE_NOOP("Status", "Notebook s podivným systémem, možná tajné materiály")},
    {&Inventory::dopis, "dopis", 240, 1200, "letter", nullptr, false, false, "",
     QT_TRANSLATE_NOOP("Status", "Dopis, je na něm něco napsáno, snad by si to měl přečíst"),
     CursorKind::Read},
    {&Inventory::spona, "spona", 840, 1200, "clip", nullptr, false, true, "sponka",
     QT_TRANSLATE_NOOP("Status", "kancelářská sponka")},
    {&Inventory::klic, "klic", 1440, 1200, "golden_key", nullptr, false, true, "klic",
     QT_TRANSLATE_NOOP("Status", "Zlatý klíč od nějakých dveří")},
    {&Inventory::disk, "disk", 2040, 1200, "diskette", nullptr, false, true, "game",
     QT_TRANSLATE_NOOP("Status", "Disketa s nápisem Hry")},
    {&Inventory::musle, "musle", 2640, 1200, "shell", nullptr, false, true, "musle",
     QT_TRANSLATE_NOOP("Status", "Je to mušle a uvnitř je vorna!")},
    {&Inventory::vorna, "vorna", 240, 1800, "treasure", nullptr, false, true, "vorna",
     QT_TRANSLATE_NOOP("Status", "Vorna, která by mohla nahradit tu ztracenou prezidentovu")},
    // The lit dynamite keeps the unlit one's description.
    {&Inventory::dynam, "dynam", 840, 1680, "dynamite", "dynamite_drag", false, true, "dynam",
     QT_TRANSLATE_NOOP("Status", "Nezápalená výbušnina")},
    {&Inventory::benzin, "benzin", 1440, 1680, "petrol", nullptr, false, true, "benzin", nullptr},
    {&Inventory::dynambum, "dynambum", 2520, 2160, "dynamite_lit", "dynamite_lit_drag", false, false, "",
     nullptr, CursorKind::None},
};

Control *makeItem(QWidget *parent, const QString &name, Twips rect, const char *picture,
                  const char *dragIcon) {
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
    auto *panel = new Theme::Panel(Frame2, Theme::Panel::Kind::Filled);
    const QColor cyan(0, 255, 255);
    new LineControl(Frame2, "Line(0)", {0, 0}, {4560, 0}, cyan, 1);
    new LineControl(Frame2, "Line(1)", {0, 2520}, {4560, 2520}, cyan, 1);
    new LineControl(Frame2, "Line(2)", {0, 0}, {0, 2520}, cyan, 1);
    new LineControl(Frame2, "Line(3)", {3360, 0}, {3360, 2520}, cyan, 1);
    new LineControl(Frame2, "Line(4)", {0, 2280}, {4560, 2280}, cyan, 1);
    Command3 = new ButtonControl(Frame2, "Command3", {1080, 2280, 1215, 255},
                                 QCoreApplication::translate("Inventory", "OK"));
    QObject::connect(Command3, &QPushButton::clicked, Frame2, [this] { Command3_Click(); });
    for (LineControl *side : Frame2->findChildren<LineControl *>())
        side->setFramePart();

    // The remastered panel has a slot under every place an item shows (the lit dynamite's store is
    // never shown) and a gold line above the OK button.
    QList<QRect> places;
    for (const ItemDef &d : kItems)
        if (d.member != &Inventory::dynambum) places.append(Twips{d.left, d.top, 480, 480}.toPixels());
    panel->setSlots(places, px(2280));

    for (const ItemDef &d : kItems) {
        Control *item =
            makeItem(Frame2, QString::fromLatin1(d.name), {d.left, d.top, 480, 480}, d.picture, d.dragIcon);
        item->Tag = QString::fromUtf8(d.tag);
        item->dragMode = d.draggable ? Control::DragMode::Automatic : Control::DragMode::Manual;
        item->setMouseIcon(d.cursor);
        item->setVisible(d.held);
        if (d.hover) {
            const QString text = QString::fromUtf8(d.hover);
            item->hoverText = [text] { return text; };
            item->onMouseMove = [this, text] { form.setStatus(text); };
        }
        this->*d.member = item;
    }

    Image11->hoverText = [this] { return Image11_Text(); };
    cepka->hoverText = [this] { return cepka_Text(); };
    Odmerka->hoverText = [this] { return Odmerka_Text(); };
    Image11->onMouseMove = [this] { Image11_MouseMove(); };
    cepka->onMouseMove = [this] { cepka_MouseMove(); };
    Odmerka->onMouseMove = [this] { Odmerka_MouseMove(); };

    cepka->onDragDrop = [this](Control *source) { cepka_DragDrop(source); };
    dynam->onDragDrop = [this](Control *source) { dynam_DragDrop(source); };
    Image11->onDragDrop = [this](Control *source) { Image11_DragDrop(source); };
    musle->onDragDrop = [this](Control *source) { musle_DragDrop(source); };
    notebook->onDragDrop = [this](Control *source) { notebook_DragDrop(source); };

    dopis->onClick = [this] { dopis_Click(); };
    musle->onClick = [this] { musle_Click(); };
    notebook->onClick = [this] { notebook_Click(); };
}

QList<Control *> Inventory::items() const {
    QList<Control *> out;
    for (const ItemDef &d : kItems)
        out.append(this->*d.member);
    return out;
}

void Inventory::Command3_Click() {
    Frame2->setVisible(false);
    form.Command2->setPicture(Image1112->Picture());
}

// --- descriptions that follow the item's state ---------------------------------------------------

QString Inventory::Image11_Text() const {
    if (Image11->Tag == "drevo" || Image11->Tag == "drivko")
        return QT_TRANSLATE_NOOP("Status",
                                 "Je to nějaké dřevo, možná, že po zapálení by výborně hořelo nebo může "
                                 "sloužit k odštípnutí nějakého předmětu");
    if (Image11->Picture() == Ohen11->Picture())
        return QT_TRANSLATE_NOOP("Status", "Je to hořící dřívko, které chtěl ten bezdomovec");
    return {};
}

QString Inventory::cepka_Text() const {
    if (cepka->Tag.isEmpty())
        return QT_TRANSLATE_NOOP("Status",
                                 "Je to pravá VEX baseballová čepice, vytvořená z plátná a krytá v zadu "
                                 "nějakou železnou destičkou");
    if (cepka->Tag == "karta")
        return QT_TRANSLATE_NOOP(
            "Status",
            "Je to železný předmět v podobě kredtit karty, snad ji budeš ještě potřebovat - zajímavé");
    return {};
}

QString Inventory::Odmerka_Text() const {
    if (Odmerka->Tag == "Odmerka")
        return QT_TRANSLATE_NOOP(
            "Status", "Prázdná odměrka, ale je z ní cítit nějaká hořlavina, snad by si ji měl najít");
    if (Odmerka->Tag == "Odmerka2")
        return QT_TRANSLATE_NOOP("Status", "Odměrka s poďivně zbarvenou kyselinou");
    return {};
}

void Inventory::Image11_MouseMove() {
    if (const QString text = Image11_Text(); !text.isEmpty()) form.setStatus(text);
}

void Inventory::cepka_MouseMove() {
    if (const QString text = cepka_Text(); !text.isEmpty()) form.setStatus(text);
}

void Inventory::Odmerka_MouseMove() {
    if (const QString text = Odmerka_Text(); !text.isEmpty()) form.setStatus(text);
}

// --- item on item ----------------------------------------------------------------------------------

void Inventory::cepka_DragDrop(Control *source) {
    // Only the fresh wood splits the cap; afterwards the wood is "drivko" and this never matches again.
    if (source->Tag != "drevo") return;
    cepka->setVisible(false);
    showMessage(
        QT_TRANSLATE_NOOP("Message", "Odštípl jsi železný předmět o podobě nějaké kredit karty z čepice"));
    cepka->setPicture(karta->Picture());
    cepka->setVisible(true);
    cepka->DragIcon = karta->DragIcon;
    cepka->Tag = "karta";
    Image11->Tag = "drivko";
}

void Inventory::dynam_DragDrop(Control *source) {
    if (source->Tag != "fire") return;
    dynam->setPicture(dynambum->Picture());
    dynam->DragIcon = dynambum->DragIcon;
    dynam->Tag = "dynam1";
    showMessage(QT_TRANSLATE_NOOP("Message", "Zapálil jsi dynamit"));
}

void Inventory::Image11_DragDrop(Control *source) {
    if (source->Tag != "fire") return;
    Image11->setPicture(Ohen11->Picture());
    Image11->Tag = "Ohen";
    Image11->dragMode = Control::DragMode::Automatic;
    Image11->DragIcon = Ohen11->DragIcon;
    showMessage(QT_TRANSLATE_NOOP(
        "Message", "Povedlo se ti zapálit dříví bezdomovcovou zápalkou, těď mu tento Oheň jen dát"));
}

void Inventory::musle_DragDrop(Control *source) {
    if (source->Tag != "karta") return;
    musle->setPicture(musle2->Picture());
    musle->DragIcon = musle2->DragIcon;
    musle->setMouseIcon(musle2->MouseIcon());
    musle->Tag = "vorna";
    // From now on a press no longer drags the shell: it is clicked to take the treasure out.
    musle->dragMode = Control::DragMode::Manual;
}

void Inventory::notebook_DragDrop(Control *source) {
    if (source->Tag != "game") return;
    Windows::show<Broucek>();
    disk->setVisible(false);
    Image111->Tag = "a"; // the diskette is in: later clicks on the notebook start the game
}

// --- clicks ------------------------------------------------------------------------------------------

void Inventory::dopis_Click() {
    showLetter();
}

void Inventory::musle_Click() {
    if (musle->Tag != "vorna") return;
    musle->setVisible(false);
    vorna->setVisible(true);
    showMessage(QT_TRANSLATE_NOOP("Message",
                                  "Vytáhl jsi z mušle Vornu a najednou jses objevil v podivné místnosti!"));
    form.villa->prezident->setVisible(true);
}

void Inventory::notebook_Click() {
    if (Image111->Tag != "a") return;
    Windows::show<Broucek>();
    form.MMControl1->setCommand("Close");
}
