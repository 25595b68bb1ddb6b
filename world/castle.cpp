#include "world/castle.h"

#include "game/form1.h"
#include "game/inventory.h"
#include "game/scene.h"
#include "shell/form2.h"
#include "world/citymap.h"
#include "world/police.h"

namespace {
void say(const char *text) {
    showMessage(QString::fromUtf8(text));
}

Control *background(Control *scene, const char *name, const char *picture) {
    return makePicture(scene, QString::fromLatin1(name), {0, 0, 6900, 4050}, Pictures::scene(picture));
}
} // namespace

CastleArea::CastleArea(Form1 &f, QWidget *parent) : form(f) {
    // Every scene's hotspots come before the scenes nested in it, which cover them when shown.
    Hrad1 = makeFrame(parent, "Hrad1", {0, 0, 6735, 4095});
    Image43 = background(Hrad1, "Image43", "castle_outside");
    Hotspots outside = addHotspots(form, Hrad1,
                                   {
                                       {"Image45",
                                        {3480, 3480, 855, 615},
                                        CursorKind::Forward,
                                        QT_TRANSLATE_NOOP("Status", "Vidíš Vchod do velkého Hradu")},
                                       {"Image46",
                                        {0, 0, 975, 3615},
                                        CursorKind::Look,
                                        QT_TRANSLATE_NOOP("Status", "Vidíš velkou a vysokou hradní věž")},
                                       {"Image48",
                                        {1560, 1920, 4575, 855},
                                        CursorKind::Look,
                                        QT_TRANSLATE_NOOP("Status", "Hard a Hradní okna")},
                                   });
    Image45 = outside["Image45"];
    Image46 = outside["Image46"];
    Image48 = outside["Image48"];
    // The thumbnail lies over the foot of the tower.
    Image44 = form.citymap->addThumbnail(Hrad1, "Image44");

    Hrad2 = makeFrame(Hrad1, "Hrad2", {0, 0, 6735, 4095});
    Image51 = background(Hrad2, "Image51", "castle_hall");
    Hotspots hall = addHotspots(
        form, Hrad2,
        {
            {"Image49",
             {5280, 240, 1215, 1455},
             CursorKind::Look,
             QT_TRANSLATE_NOOP("Status", "Je to obraz některého z bývalých panovníků")},
            {"Image50",
             {2880, 360, 1215, 1935},
             CursorKind::Look,
             QT_TRANSLATE_NOOP("Status", "Ani zdaleka netušíš, co to může být, ale asi starověký nástroj")},
            {"Image52",
             {2880, 2280, 1215, 1335},
             CursorKind::Look,
             QT_TRANSLATE_NOOP("Status", "Vypadá to na rozcestník, ale je to psáno nějakou podivnou řečí")},
            {"Image53", {0, 0, 495, 495}, CursorKind::Look, QT_TRANSLATE_NOOP("Status", "Pavučina")},
            {"Image55",
             {5640, 1920, 975, 1695},
             CursorKind::Right,
             QT_TRANSLATE_NOOP("Status", "Jít nalevo, snad tam něco zajímavého bude")},
            {"Image56", {360, 3720, 6135, 375}, CursorKind::Back},
            {"Image63", {0, 1680, 975, 1935}, CursorKind::Left},
            {"Pavouk",
             {240, 1440, 390, 165},
             CursorKind::Take,
             QT_TRANSLATE_NOOP("Status", "je to malinkatý pavouček, možná že se bude někdy hodit")},
        });
    Image49 = hall["Image49"];
    Image50 = hall["Image50"];
    Image52 = hall["Image52"];
    Image53 = hall["Image53"];
    Image55 = hall["Image55"];
    Image56 = hall["Image56"];
    Image63 = hall["Image63"];
    Pavouk = hall["Pavouk"];
    Pavouk->setPicture(Pictures::object("spider_small"), Control::Fit::Stretch);

    Hradvez = makeFrame(Hrad2, "Hradvez", {0, 0, 6735, 4095});
    Image64 = background(Hradvez, "Image64", "castle_tower");
    Hotspots tower = addHotspots(
        form, Hradvez,
        {
            {"Houba",
             {1320, 2760, 570, 405},
             CursorKind::Take,
             QT_TRANSLATE_NOOP("Status", "Je to houba napuštěná vodou, snad by se dala použít třeba na "
                                         "zalévání kytiček")},
            {"Image65", {1680, 3360, 5040, 720}, CursorKind::Back},
        });
    Houba = tower["Houba"];
    Houba->setPicture(Pictures::object("sponge_small"), Control::Fit::Stretch);
    Image65 = tower["Image65"];

    Hrad3 = makeFrame(Hrad2, "Hrad3", {6480, 3960, 6735, 4095});
    Image57 = background(Hrad3, "Image57", "castle_hideout");
    // The cobwebs and the way back lie over the edge of the paintings.
    Hotspots hideout = addHotspots(
        form, Hrad3,
        {
            {"Zapalka",
             {3120, 3360, 540, 270},
             CursorKind::Take,
             QT_TRANSLATE_NOOP("Status", "Je to zápalka, ta zápalka hoří, prostě hoří")},
            {"Image62",
             {4080, 3240, 2655, 495},
             CursorKind::Look,
             QT_TRANSLATE_NOOP(
                 "Status",
                 "Je to postel od bezdomovce, který je právě na policejní stanici, ale ty mu máš snad něco "
                 "sehnat!")},
            {"Image59",
             {0, 480, 3375, 1575},
             CursorKind::Look,
             QT_TRANSLATE_NOOP("Status", "Jsou to obyčejné starodávné obrazy, asi nějací bratři")},
            {"Image60", {2160, 2040, 975, 495}, CursorKind::Look, QT_TRANSLATE_NOOP("Status", "Pavučiny")},
            {"Image61", {6120, 0, 615, 375}, CursorKind::Look, QT_TRANSLATE_NOOP("Status", "Pavučiny")},
            {"Image58", {0, 2040, 1095, 2055}, CursorKind::Left},
        });
    Zapalka = hideout["Zapalka"];
    Zapalka->setPicture(Pictures::object("match_small"), Control::Fit::Stretch);
    Image62 = hideout["Image62"];
    Image59 = hideout["Image59"];
    Image60 = hideout["Image60"];
    Image61 = hideout["Image61"];
    Image58 = hideout["Image58"];

    Image44->onClick = [this] { Image44_Click(); };
    Image45->onClick = [this] { Image45_Click(); };
    Image56->onClick = [this] { Image56_Click(); };
    Image63->onClick = [this] { Image63_Click(); };
    Image65->onClick = [this] { Image65_Click(); };
    Image55->onClick = [this] { Image55_Click(); };
    Image58->onClick = [this] { Image58_Click(); };
    Pavouk->onClick = [this] { Pavouk_Click(); };
    Houba->onClick = [this] { Houba_Click(); };
    Zapalka->onClick = [this] { Zapalka_Click(); };
    Image62->onClick = [this] { Image62_Click(); };
    for (Control *c : {Image49, Image50, Image52, Image53})
        c->onDragDrop = [this](Control *source) { hall_DragDrop(source); };
}

void CastleArea::Image44_Click() {
    form.citymap->returnToMap(Hrad1);
}

void CastleArea::Image45_Click() {
    enterScene(Hrad2);
}

void CastleArea::Image56_Click() {
    Hrad2->setVisible(false);
    // The castle's name on the map, shown by the hover that led here, ends shown.
    form.citymap->hrad->setVisible(false);
    form.citymap->hrad->setVisible(true);
}

void CastleArea::Image63_Click() {
    enterScene(Hradvez);
}

void CastleArea::Image65_Click() {
    returnToParent(Hradvez, Hrad2);
}

// The hideout opens only while the homeless man waits for his matches; once they are taken it stays
// closed without a word.
void CastleArea::Image55_Click() {
    LabelControl *counter = form.police->Label2;
    if (counter->number() == 2) {
        enterParkedScene(Hrad3);
        say(QT_TRANSLATE_NOOP("Message", "Našel jsi úkryt toho bezdomovce, co byl na policii"));
        playTrack(form.MMControl1, "Hudba10.mid");
    }
    if (counter->number() == 0)
        say(QT_TRANSLATE_NOOP(
            "Message",
            "Nemáš důvod tam jít, i když je to důležité, ještě někam zajdi a pak to zkus znovu, jak "
            "chceš!?!"));
}

void CastleArea::Image58_Click() {
    returnToParent(Hrad3, Hrad2);
}

void CastleArea::Pavouk_Click() {
    Pavouk->setVisible(false);
    form.inventory->Pavoukva->setVisible(true);
}

void CastleArea::Houba_Click() {
    form.inventory->Houbava->setVisible(true);
    Houba->setVisible(false);
}

void CastleArea::Zapalka_Click() {
    form.inventory->Zapalkava->setVisible(true);
    Zapalka->setVisible(false);
    form.police->Label2->setCaption("3");
}

void CastleArea::Image62_Click() {
    say(QT_TRANSLATE_NOOP(
        "Message",
        "je to postel od bezdomovce, který je právě na policejní stanici, ale ty mu máš snad něco sehnat!"));
}

void CastleArea::hall_DragDrop(Control *source) {
    if (source->Tag != QLatin1String("drivko")) say(QT_TRANSLATE_NOOP("Message", "To nepůjde, ne"));
}
