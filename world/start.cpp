#include "world/start.h"

#include "game/form1.h"
#include "game/inventory.h"
#include "game/scene.h"
#include "shell/form2.h"
#include "world/citymap.h"

namespace {
void say(const char *text) {
    showMessage(QString::fromUtf8(text));
}

// The cap is the one item without a tag; the letter has none either, but it cannot be dragged.
bool isCap(const Control *item) {
    return item->Tag.isEmpty();
}

const char *const kNotHere = QT_TRANSLATE_NOOP("Message", "Tento předmět tady nejde použít");
const char *const kCapOnButtons = QT_TRANSLATE_NOOP("Message", "Jak chceš použít čepici na tlačítka");
} // namespace

StartArea::StartArea(Form1 &f) : form(f) {
    // The crash site lies on the window itself, above its picture Image1; the door lies on the rocket
    // and the cave's entrance on the rock, so each is made after the one it covers.
    Hotspots home = addHotspots(form, &form,
                                {
                                    {"Image88(3)", {0, 0, 2415, 1935}, CursorKind::Look},
                                    {"Image2",
                                     {240, 2160, 3135, 1335},
                                     CursorKind::Look,
                                     QT_TRANSLATE_NOOP("Status", "Nějaká stará zřícená raketa")},
                                    {"Image3",
                                     {2160, 2880, 495, 495},
                                     CursorKind::Forward,
                                     QT_TRANSLATE_NOOP("Status", "Jsou to dveře")},
                                    {"Image4",
                                     {4680, 3360, 495, 495},
                                     CursorKind::Look,
                                     QT_TRANSLATE_NOOP("Status", "Je to obyčejná rostlinka")},
                                    {"Image5",
                                     {4800, 2280, 1935, 855},
                                     CursorKind::Look,
                                     QT_TRANSLATE_NOOP("Status", "Je to nějaká strará jeskyně")},
                                    {"Image7",
                                     {5880, 2640, 495, 495},
                                     CursorKind::Forward,
                                     QT_TRANSLATE_NOOP("Status", "Je to vchod do jeskyně")},
                                });
    Image88_3 = home["Image88(3)"];
    Image2 = home["Image2"];
    Image3 = home["Image3"];
    Image4 = home["Image4"];
    Image5 = home["Image5"];
    Image7 = home["Image7"];
    Image2->onClick = [this] { Image2_Click(); };
    Image3->onClick = [this] { Image3_Click(); };
    Image7->onClick = [this] { Image7_Click(); };
    Image2->onDragDrop = [this](Control *s) { Image2_DragDrop(s); };
    Image3->onDragDrop = [this](Control *s) { Image3_DragDrop(s); };
    Image4->onDragDrop = [this](Control *s) { Image4_DragDrop(s); };
    Image5->onDragDrop = [this](Control *s) { Image5_DragDrop(s); };

    // The cave.
    Frame1 = makeFrame(&form, "Frame1", {0, 0, 6735, 4095});
    Image6 = makePicture(Frame1, "Image6", {0, 0, 6900, 4050}, Pictures::scene("cave"));
    Hotspots cave =
        addHotspots(form, Frame1,
                    {
                        {"Image9",
                         {4200, 2280, 855, 735},
                         CursorKind::Look,
                         QT_TRANSLATE_NOOP("Status", "Je to skříňka, a vypadá to, že v ní něco je!?!")},
                        {"Image8", {120, 3600, 6615, 495}, CursorKind::Back},
                    });
    Image9 = cave["Image9"];
    Image8 = cave["Image8"];
    Image9->onClick = [this] { Image9_Click(); };
    Image8->onClick = [this] { Image8_Click(); };

    // Inside the rocket. The hotspots show the frame's plain arrow.
    Raketa = makeFrame(&form, "Raketa", {0, 0, 6735, 4095});
    Image10 = makePicture(Raketa, "Image10", {-120, 0, 6900, 4050}, Pictures::scene("rocket"));
    Hotspots cockpit =
        addHotspots(form, Raketa,
                    {
                        {"Image12", {0, 1920, 1815, 2175}},
                        {"Image13",
                         {5160, 2640, 1335, 255},
                         CursorKind::None,
                         QT_TRANSLATE_NOOP("Status", "je to něco do čeho se vkládádá karta pro start loďi")},
                        {"Image14",
                         {2640, 2520, 1575, 375},
                         CursorKind::None,
                         QT_TRANSLATE_NOOP("Status", "Stačí stisknout a letí se")},
                    });
    Image12 = cockpit["Image12"];
    Image13 = cockpit["Image13"];
    Image14 = cockpit["Image14"];
    Image12->onDragDrop = [this](Control *s) { Image12_DragDrop(s); };
    Image13->onDragDrop = [this](Control *s) { Image13_DragDrop(s); };
    Image14->onClick = [this] { Image14_Click(); };

    // The launch picture covers the cockpit (and the map, made later inside Raketa, covers it).
    Frame3 = makeFrame(Raketa, "Frame3", {-6360, 3840, 6735, 4095});
    Image47 = makePicture(Frame3, "Image47", {0, 0, 6900, 4050}, Pictures::scene("launch"));
    Timer2 = new Timer(Frame3, 4000, false, [this] { Timer2_Timer(); });
}

void StartArea::Image2_Click() {
    say(QT_TRANSLATE_NOOP("Message",
                          "Po důkladnějším prozkoumání jsi našel nápis USAF a nějaké Made in Tšina"));
}

void StartArea::Image3_Click() {
    if (form.Key->number() == 0) say(QT_TRANSLATE_NOOP("Message", "Je zamčeno, měl bys najít klíč"));
    if (form.Key->number() == 1) enterScene(Raketa);
}

void StartArea::Image7_Click() {
    enterScene(Frame1);
    form.setStatus(
        QT_TRANSLATE_NOOP("Status", "jsi v nějaké jeskyni, ale nic moc tu není, jen nějaká skříňka"));
}

void StartArea::Image8_Click() {
    returnToParent(Frame1);
}

void StartArea::Image9_Click() {
    // The box gives the key at every click: the key is one object, held at most once.
    say(QT_TRANSLATE_NOOP("Message", "V bedně byl klíč, tak jsi ho vzal!?!"));
    form.inventory->klicek->setVisible(true);
}

void StartArea::Image14_Click() {
    if (Image13->Enabled()) say(QT_TRANSLATE_NOOP("Message", "Bohužel, nebyla vložena startovní karta"));
    if (!Image13->Enabled()) {
        enterParkedScene(Frame3);
        Timer2->setEnabled(true);
        form.inventory->Command3_Click();
        playTrack(form.MMControl1, "frame3start.wav");
    }
}

void StartArea::Image2_DragDrop(Control *source) {
    say(isCap(source) ? kCapOnButtons : kNotHere);
}

void StartArea::Image3_DragDrop(Control *source) {
    if (source->Tag == QLatin1String("Key")) {
        // The door is only unlocked: the player still clicks it to go in.
        form.inventory->klicek->setVisible(false);
        say(QT_TRANSLATE_NOOP("Message", "Odemkl jsi dveře"));
        form.Key->setCaption("1");
    } else {
        say(kNotHere);
    }
}

void StartArea::Image4_DragDrop(Control *source) {
    say(isCap(source) ? kCapOnButtons : QT_TRANSLATE_NOOP("Message", " Myslím, že tady to nepujde"));
}

void StartArea::Image5_DragDrop(Control *source) {
    say(isCap(source) ? kCapOnButtons : QT_TRANSLATE_NOOP("Message", "Jak tohle chceš použít na jeskyni"));
}

void StartArea::Image12_DragDrop(Control *source) {
    say(isCap(source) ? kCapOnButtons : kNotHere);
}

void StartArea::Image13_DragDrop(Control *source) {
    if (source->Tag == QLatin1String("karta")) {
        say(QT_TRANSLATE_NOOP("Message", "Zalogoval jses a loď nastartovala"));
        Image13->setEnabled(false);
    } else if (isCap(source)) {
        say(QT_TRANSLATE_NOOP(
            "Message",
            "Myslím, že by jsi měl z té čepice něčím odďelit tu železnou destičku, která ji drží pohromadě"));
    } else {
        say(QT_TRANSLATE_NOOP("Message", "Co tím chceš docílit, nejde to"));
    }
}

void StartArea::Timer2_Timer() {
    Frame3->setVisible(false);
    enterScene(form.citymap->map);
    Timer2->setEnabled(false);
    playTrack(form.MMControl1, "9m18.wav");
}
