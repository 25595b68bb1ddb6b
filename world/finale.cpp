#include "world/finale.h"

#include "game/form1.h"
#include "game/inventory.h"
#include "game/scene.h"
#include "shell/form2.h"
#include "shell/menu.h"
#include "shell/onetwo.h"

FinaleArea::FinaleArea(Form1 &f, QWidget *parent) : form(f) {
    // As wide as every other scene: narrower, it would leave a strip of the president's room, teleport
    // included, at the right edge of the window.
    toend = makePictureBox(parent, "toend", {0, 0, 6735, 4095}, Pictures::scene("finale_door"));
    Hotspots hill = addHotspots(
        form, toend,
        {
            {"Image107",
             {2520, 2400, 1935, 1695},
             CursorKind::Forward,
             QT_TRANSLATE_NOOP("Status", "Hodně silně zabezpečené dveře, asi se nedají jen tak odemknout")},
            {"Image108", {1920, 120, 375, 615}, CursorKind::Forward, QT_TRANSLATE_NOOP("Status", "maják")},
        });
    Image107 = hill["Image107"];
    Image108 = hill["Image108"];
    Image107->onClick = [this] { Image107_Click(); };
    Image107->onDragDrop = [this](Control *source) { Image107_DragDrop(source); };
    Image108->onClick = [this] { Image108_Click(); };

    // The tank only stands there to be seen: the door beneath it takes the mouse and the drops.
    benzinek = new Control(toend, "benzinek", {3600, 3720, 360, 360});
    benzinek->setPicture(Pictures::item("petrol"), Control::Fit::Stretch);
    benzinek->setAttribute(Qt::WA_TransparentForMouseEvents);
    benzinek->setEnabled(false);
    benzinek->hide();

    toend1 = makePictureBox(toend, "toend1", {-600, 360, 1095, 615}, Pictures::scene("finale_door_open"));

    MAJAK = makePictureBox(toend, "MAJAK", {-6480, 0, 6735, 4095}, Pictures::scene("finale_lighthouse"));
    Hotspots room = addHotspots(
        form, MAJAK,
        {
            {"Image112",
             {5280, 1680, 1095, 1095},
             CursorKind::Take,
             QT_TRANSLATE_NOOP("Status", "Skřínka, něco v ní je, ale je dobře zamčená")},
            {"Image113", {120, 0, 495, 615}, CursorKind::Look, QT_TRANSLATE_NOOP("Status", "Pavučina")},
            {"Image114", {720, 3000, 2655, 735}, CursorKind::None, QT_TRANSLATE_NOOP("Status", "Lavice")},
            {"Image115", {1560, 0, 5055, 975}, CursorKind::None, QT_TRANSLATE_NOOP("Status", "Okna")},
            {"Image117", {0, 3720, 6615, 255}, CursorKind::Back},
        });
    Image112 = room["Image112"];
    Image113 = room["Image113"];
    Image114 = room["Image114"];
    Image115 = room["Image115"];
    Image117 = room["Image117"];
    Image112->onClick = [this] { Image112_Click(); };
    Image117->onClick = [this] { Image117_Click(); };
    for (Control *c : {Image112, Image113, Image114, Image115})
        c->onDragDrop = [this](Control *source) { lighthouse_DragDrop(source); };
}

bool FinaleArea::doorOpen() const {
    return toend->Picture() == toend1->Picture();
}

void FinaleArea::Image108_Click() {
    enterParkedScene(MAJAK);
}

void FinaleArea::Image117_Click() {
    MAJAK->setVisible(false);
}

void FinaleArea::Image112_Click() {
    showMessage(
        QT_TRANSLATE_NOOP("Message", "Prohledal jsi skříňku a našel jsi nehořící výbušninu a nádrž benzínu"));
    Image112->setEnabled(false);
    form.inventory->dynam->setVisible(true);
    form.inventory->benzin->setVisible(true);
}

void FinaleArea::lighthouse_DragDrop(Control *source) {
    if (!source->Tag.isEmpty()) showMessage(QT_TRANSLATE_NOOP("Message", "Takhle to nemůže fungovat"));
}

void FinaleArea::Image107_DragDrop(Control *source) {
    // Three tests, each on the state the one before left: lit dynamite alone is too weak, and only
    // with the tank at the door does the second answer replace the first.
    if (source->Tag == QLatin1String("dynam1"))
        showMessage(QT_TRANSLATE_NOOP(
            "Message", "Sice by to bouchlo, ale nezničilo by to dveře - Chce to něco silnějšího"));
    if (benzinek->Visible() && source->Tag == QLatin1String("dynam1")) {
        toend->setPicture(toend1->Picture());
        showMessage(QT_TRANSLATE_NOOP("Message", "Výbušnina Bouchla a ty mnůžeš dovnitř"));
        benzinek->setVisible(false);
        form.inventory->dynam->setVisible(false);
    }
    if (source->Tag == QLatin1String("benzin")) {
        benzinek->setVisible(true);
        form.inventory->benzin->setVisible(false);
    }
}

void FinaleArea::Image107_Click() {
    if (!doorOpen()) return;
    if (onetwo *outro = Windows::show<onetwo>()) outro->setWindowTitle(QStringLiteral("Outro"));
    if (menu *m = Windows::find<menu>()) m->MMControl1->setCommand(QStringLiteral("Play"));
    Windows::unload(&form);
}
