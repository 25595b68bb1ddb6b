#include "world/bar.h"

#include "game/form1.h"
#include "game/inventory.h"
#include "game/scene.h"
#include "scenes/form4.h"
#include "shell/form2.h"
#include "world/citymap.h"

namespace {
void say(const char *text) {
    showMessage(QString::fromUtf8(text));
}

bool hasTag(const Control *item, const char *tag) {
    return item->Tag == QLatin1String(tag);
}

Control *background(Control *scene, const char *name, const char *picture, int left = 0) {
    return makePicture(scene, QString::fromLatin1(name), {left, 0, 6900, 4050}, Pictures::scene(picture));
}

LabelControl *counter(QWidget *parent, const char *name, Twips rect) {
    auto *label = new LabelControl(parent, QString::fromLatin1(name), rect);
    label->hide();
    return label;
}

const char *const kDoorHover = QT_TRANSLATE_NOOP("Status", "Dveře, ale které jsou správné");
} // namespace

BarArea::BarArea(Form1 &f, QWidget *parent) : form(f) {
    // Every scene's hotspots come before the scenes nested in it, which cover them when shown.
    barvstup = makeFrame(parent, "barvstup", {0, 0, 6735, 4095});
    Image66 = background(barvstup, "Image66", "bar_street");
    Hotspots street = addHotspots(
        form, barvstup,
        {
            {"Image68",
             {1680, 2400, 735, 1335},
             CursorKind::Talk,
             QT_TRANSLATE_NOOP("Status", "Hlídač Rock baru, se značkovým trikem a značkovou motorkou")},
            {"Image70",
             {0, 3000, 1335, 735},
             CursorKind::Look,
             QT_TRANSLATE_NOOP("Status", "Motorka,hlídačova")},
            {"Image71",
             {5400, 2640, 975, 1095},
             CursorKind::Forward,
             QT_TRANSLATE_NOOP("Status", "dveře do Rock Baru")},
            {"Image72", {3360, 840, 3375, 1695}, CursorKind::Look, QT_TRANSLATE_NOOP("Status", "Rock bar")},
        });
    Image68 = street["Image68"];
    Image70 = street["Image70"];
    Image71 = street["Image71"];
    Image72 = street["Image72"];
    // The thumbnail lies above the motorbike's hotspot where the two overlap.
    Image69 = form.citymap->addThumbnail(barvstup, "Image69");

    barin = makeFrame(barvstup, "barin", {0, 0, 6735, 4095});
    Image73 = background(barin, "Image73", "bar_reception");
    Hotspots reception = addHotspots(
        form, barin,
        {
            {"Image74",
             {1320, 1440, 915, 735},
             CursorKind::Take,
             QT_TRANSLATE_NOOP("Status", "Notebook s podivným systémem, určitě s nějakými informacemi")},
            {"Image75",
             {0, 1200, 975, 975},
             CursorKind::Talk,
             QT_TRANSLATE_NOOP("Status", "Recepční počítač a vypadá, že ti může poskytnout informace")},
            {"Image76",
             {0, 2280, 2415, 1815},
             CursorKind::Look,
             QT_TRANSLATE_NOOP("Status", "Stůl s nápisem Recepce a Rock Bar")},
            {"Image77",
             {3360, 480, 1575, 3615},
             CursorKind::Forward,
             QT_TRANSLATE_NOOP("Status", "Východ před Bar")},
            {"Image78",
             {5640, 240, 975, 615},
             CursorKind::Look,
             QT_TRANSLATE_NOOP("Status", "Šipka, která ukazuje směr Recepce tohoto Baru")},
            {"Image79",
             {5640, 1920, 1095, 2055},
             CursorKind::Right,
             QT_TRANSLATE_NOOP("Status", "Schody do prvního poschodí, asi k pokojům")},
        });
    Image74 = reception["Image74"];
    Image74->setPicture(Pictures::object("notebook_desk"), Control::Fit::Stretch);
    Image75 = reception["Image75"];
    Image76 = reception["Image76"];
    Image77 = reception["Image77"];
    Image78 = reception["Image78"];
    Image79 = reception["Image79"];
    Label3 = counter(barin, "Label3", {5400, 1320, 375, 255});
    Label4 = counter(barin, "Label4", {1560, 600, 375, 255});

    barukol = makeFrame(barin, "barukol", {6240, 3840, 6735, 4095});
    Image80 = background(barukol, "Image80", "bar_corridor");
    Hotspots corridor =
        addHotspots(form, barukol,
                    {
                        {"Image81", {1560, 1200, 1095, 2535}, CursorKind::Forward, kDoorHover},
                        {"Image82", {2760, 1200, 1095, 2535}, CursorKind::Forward, kDoorHover},
                        {"Image83", {4080, 1200, 1095, 2535}, CursorKind::Forward, kDoorHover},
                        {"Image84", {5400, 1200, 1095, 2535}, CursorKind::Forward, kDoorHover},
                    });
    Image81 = corridor["Image81"];
    Image82 = corridor["Image82"];
    Image83 = corridor["Image83"];
    Image84 = corridor["Image84"];

    // The end is never hidden: parked at its design place, a small corner of it lies in the
    // corridor's bottom-right corner until a wrong door brings all of it into view.
    no = makeFrame(barukol, "no", {6360, 3840, 6735, 4095});
    Image85 = background(no, "Image85", "bar_death", -120);
    no->setVisible(true);

    ukolok = makeFrame(barukol, "ukolok", {6240, 3840, 6735, 4095});
    Image86 = background(ukolok, "Image86", "bar_taskroom");
    Hotspots taskroom = addHotspots(
        form, ukolok,
        {
            {"Image87", {0, 2400, 930, 540}, CursorKind::Take},
            {"Image89(4)",
             {0, 3000, 975, 735},
             CursorKind::Look,
             QT_TRANSLATE_NOOP("Status", "Skříňka, (noční stolek) na kterém leží dopis s úkolem")},
            {"Image88(0)", {3120, 840, 975, 615}, CursorKind::Look},
            {"Image88(1)", {1200, 720, 1335, 1335}, CursorKind::Look},
            {"Image88(2)", {4320, 1440, 2415, 1935}, CursorKind::Look},
        });
    Image87 = taskroom["Image87"];
    Image87->setPicture(Pictures::object("letter_desk"), Control::Fit::Stretch);
    Image89_4 = taskroom["Image89(4)"];
    Image88_0 = taskroom["Image88(0)"];
    Image88_1 = taskroom["Image88(1)"];
    Image88_2 = taskroom["Image88(2)"];

    Image68->onClick = [this] { Image68_Click(); };
    Image69->onClick = [this] { Image69_Click(); };
    Image71->onClick = [this] { Image71_Click(); };
    Image74->onClick = [this] { Image74_Click(); };
    Image75->onClick = [this] { Image75_Click(); };
    Image77->onClick = [this] { Image77_Click(); };
    Image79->onClick = [this] { Image79_Click(); };
    Image81->onClick = [this] { Image81_Click(); };
    Image82->onClick = [this] { Image82_Click(); };
    Image83->onClick = [this] { Image83_Click(); };
    Image84->onClick = [this] { Image84_Click(); };
    Image87->onClick = [this] { Image87_Click(); };
    Image68->onDragDrop = [this](Control *source) { Image68_DragDrop(source); };
    Image70->onDragDrop = [this](Control *source) { Image70_DragDrop(source); };
    Image71->onDragDrop = [this](Control *source) { Image71_DragDrop(source); };
    Image72->onDragDrop = [this](Control *source) { Image72_DragDrop(source); };
    for (Control *c : {Image75, Image76, Image78})
        c->onDragDrop = [this](Control *source) { reception_DragDrop(source); };
}

// The guard talks about his motorbike until he has given the chip away, then only thanks.
void BarArea::Image68_Click() {
    Control *chip = form.inventory->c;
    if (!chip->Visible()) Windows::show<Form4>();
    if (chip->Visible())
        say(QT_TRANSLATE_NOOP("Message",
                              "Už jsem ti dal čip, tak jdi a neukazuj se tu, jo mimochodem díky za palivo"));
}

void BarArea::Image69_Click() {
    form.citymap->returnToMap(barvstup);
    form.Timer3->setEnabled(false);
    playTrack(form.MMControl1, "9m18.wav");
}

// The door opens only to the chip dropped on it.
void BarArea::Image71_Click() {
    say(QT_TRANSLATE_NOOP("Message", "nebyl vložen přístupový čip"));
}

void BarArea::Image74_Click() {
    Image74->setVisible(false);
    form.inventory->notebook->setVisible(true);
}

// Each test looks at the counter as the steps before it left it, so the first click only talks.
void BarArea::Image75_Click() {
    if (Label4->Caption() == QLatin1String("1"))
        say(QT_TRANSLATE_NOOP("Message", "Jdi splnit svůj úkol, přečti dopis!?!"));
    if (Label4->Caption().isEmpty()) {
        if (Form4 *talk = Windows::show<Form4>()) talk->Frame1->setVisible(true);
        Label3->setCaption("1");
        Label4->setCaption("1");
    }
    if (Label4->Caption() == QLatin1String("2"))
        say(QT_TRANSLATE_NOOP("Message", "Dobře, ty jsi opravdu statečný a nyní splň úkol z dopisu"));
}

void BarArea::Image77_Click() {
    returnToParent(barin, barvstup);
}

// The stairs lead up once only, and only after the computer has given the task.
void BarArea::Image79_Click() {
    if (Label3->Caption().isEmpty())
        say(QT_TRANSLATE_NOOP(
            "Message", "Radši na horu nechoď, nejdřív promluv s Robotem na recepci, čeké tě těžký úkol"));
    if (Label3->Caption() == QLatin1String("2"))
        say(QT_TRANSLATE_NOOP("Message",
                              "Tvůj úkol je splněn, nyní splň úkol, který je zapsán na tom dopise"));
    if (Label3->Caption() == QLatin1String("1")) {
        enterParkedScene(barukol);
        say(QT_TRANSLATE_NOOP("Message",
                              "Nezapoměň, jen jedny dvěře jsou správné a máš jen jeden pokus, jinak je end"));
        Label3->setCaption("2");
        Label4->setCaption("2");
    }
}

void BarArea::Image81_Click() {
    wrongDoor();
}
void BarArea::Image82_Click() {
    wrongDoor();
}
void BarArea::Image84_Click() {
    wrongDoor();
}

// The end covers the corridor; the game is lost at Timer4's tick.
void BarArea::wrongDoor() {
    enterParkedScene(no);
    form.Timer4->setEnabled(true);
    playTrack(form.MMControl1, "uvod2.wav");
}

// The third room from the stairs, as the computer said.
void BarArea::Image83_Click() {
    enterParkedScene(ukolok);
}

// With the letter the player is back at the reception; the corridor cannot be entered again.
void BarArea::Image87_Click() {
    form.inventory->dopis->setVisible(true);
    Image87->setVisible(false);
    say(QT_TRANSLATE_NOOP("Message", "Splnil jsi svůj úkol, získal jsi dopis"));
    ukolok->setVisible(false);
    returnToParent(barukol, barin);
}

void BarArea::Image68_DragDrop(Control *source) {
    if (!hasTag(source, "drivko")) say(QT_TRANSLATE_NOOP("Message", "Takhle to nemůže fungovat"));
}

void BarArea::Image70_DragDrop(Control *source) {
    if (hasTag(source, "Odmerka2")) {
        say(QT_TRANSLATE_NOOP("Message", "Doplnil jsi palivo do motorky, získal jsi čip a můžeš dovnitř"));
        form.inventory->Odmerka->setVisible(false);
        form.inventory->c->setVisible(true);
    } else {
        say(QT_TRANSLATE_NOOP("Message", "Takhle to nemůže fungovat"));
    }
}

// The chip is only shown to the door, never taken.
void BarArea::Image71_DragDrop(Control *source) {
    if (hasTag(source, "c")) {
        say(QT_TRANSLATE_NOOP("Message", "Vložil jsi čip a vcházíš dovnitř"));
        barin->setVisible(true);
        barin->setLeft(0);
        barin->setTop(0);
    } else {
        say(QT_TRANSLATE_NOOP("Message", "Takhle to nemůže fungovat"));
    }
}

void BarArea::Image72_DragDrop(Control *source) {
    if (!hasTag(source, "drivko")) say(QT_TRANSLATE_NOOP("Message", "Takhle to nemůže fungovat"));
}

// The cap, which carries no tag yet, is passed over in silence.
void BarArea::reception_DragDrop(Control *source) {
    if (!source->Tag.isEmpty()) say(QT_TRANSLATE_NOOP("Message", "Takhle to nejde použít"));
}
