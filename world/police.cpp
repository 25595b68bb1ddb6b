#include "world/police.h"

#include "game/form1.h"
#include "game/inventory.h"
#include "game/scene.h"
#include "scenes/form3.h"
#include "shell/form2.h"
#include "world/citymap.h"

namespace {
void say(const char *text) {
    showMessage(QString::fromUtf8(text));
}

bool hasTag(const Control *item, const char *tag) {
    return item->Tag == QLatin1String(tag);
}

// The bin, the officer, the barrel and the poster turn every item away except the split wood, which
// they pass over in silence.
void refuseAllButSplitWood(Control *target, const char *refusal) {
    target->onDragDrop = [refusal](Control *source) {
        if (!hasTag(source, "drivko")) say(refusal);
    };
}
} // namespace

PoliceArea::PoliceArea(Form1 &f, QWidget *parent) : form(f) {
    // The street, from the top of the stacking order down; the station's inside covers all of it.
    police = makeFrame(parent, "police", {0, 0, 6735, 4095});
    Image26 = makePicture(police, "Image26", {0, 0, 6900, 4050}, Pictures::scene("police_street"));
    Hotspots street = addHotspots(
        form, police,
        {
            {"Image30", {1800, 3120, 975, 975}, CursorKind::Forward},
            {"Image29",
             {2880, 3120, 1935, 855},
             CursorKind::Look,
             QT_TRANSLATE_NOOP(
                 "Status", "Je to zeď, na které jsou hodně nehezká slova, ještě že nejdou všechna přečíst")},
            {"Image28",
             {0, 3120, 1695, 855},
             CursorKind::Look,
             QT_TRANSLATE_NOOP("Status", "vypadá to na sprosté nápisy")},
            {"Image27",
             {4920, 2520, 1815, 1575},
             CursorKind::Look,
             QT_TRANSLATE_NOOP("Status", "Vypadá to, že byl tenhle obchod vykradený")},
        },
        Stacking::TopFirst);
    Image30 = street["Image30"];
    Image29 = street["Image29"];
    Image28 = street["Image28"];
    Image27 = street["Image27"];
    Image41 = form.citymap->addThumbnail(police, "Image41");
    Image67 = addHotspot(
        form, police,
        {"Image67", {0, 720, 4815, 2295}, CursorKind::Look, QT_TRANSLATE_NOOP("Status", "Budova Policie")});

    // Inside the station; the yard covers all of it.
    police2 = makeFrame(police, "police2", {0, 0, 6735, 4095});
    Image31 = makePicture(police2, "Image31", {-240, 0, 6900, 4050}, Pictures::scene("police_inside"));
    Image31->onMouseMove = [this] {
        form.setStatus(QT_TRANSLATE_NOOP("Status", "obyčejný východ ven, před tuto stanici"));
    };
    Hotspots inside = addHotspots(
        form, police2,
        {
            {"Image54",
             {1320, 1200, 735, 1215},
             CursorKind::None,
             QT_TRANSLATE_NOOP("Status", "Květina, ale trochu bez květů")},
            {"Image42",
             {2760, 480, 735, 855},
             CursorKind::None,
             QT_TRANSLATE_NOOP("Status", "Je tam napsáno WanteD, co to asi znamená")},
            {"Image37",
             {240, 1200, 855, 1215},
             CursorKind::Talk,
             QT_TRANSLATE_NOOP("Status", "Je to jeden z policistů této stanice")},
            {"Image36",
             {1080, 3120, 615, 975},
             CursorKind::Look,
             QT_TRANSLATE_NOOP(
                 "Status",
                 "Je to jeden z nejlepších, úžasných vynálezů - Odpadkový koš, ale pozor, něco v něm je")},
            {"Image32",
             {3720, 1200, 1455, 2895},
             CursorKind::Forward,
             QT_TRANSLATE_NOOP("Status", "Vchod k bezdomovcům drženým na policii")},
            {"Image33", {5760, 1200, 975, 2895}, CursorKind::Forward},
        },
        Stacking::TopFirst);
    Image54 = inside["Image54"];
    Image42 = inside["Image42"];
    Image37 = inside["Image37"];
    Image36 = inside["Image36"];
    Image32 = inside["Image32"];
    Image33 = inside["Image33"];

    // The yard.
    hause = makeFrame(police2, "hause", {0, 0, 6735, 4095});
    Image34 = makePicture(hause, "Image34", {0, 0, 6900, 4050}, Pictures::scene("police_yard"));
    Hotspots yard = addHotspots(
        form, hause,
        {
            {"Image39", {4200, 2760, 855, 495}, CursorKind::Talk},
            {"Image40",
             {4080, 3240, 1095, 855},
             CursorKind::Look,
             QT_TRANSLATE_NOOP(
                 "Status",
                 "Je to bedna, ze které vychází podivný zápach a ten bezdomovec si ji nějak obvzlášť hlídá")},
            {"Image38",
             {5520, 2760, 975, 1335},
             CursorKind::Look,
             QT_TRANSLATE_NOOP("Status", "Sud a v něm hoří podivná chemikálie")},
            {"Image35", {0, 3360, 2775, 735}, CursorKind::Back},
        },
        Stacking::TopFirst);
    Image39 = yard["Image39"];
    Image40 = yard["Image40"];
    Image38 = yard["Image38"];
    Image35 = yard["Image35"];
    Label2 = new LabelControl(hause, "Label2", {4200, 2400, 375, 135}, "0");
    Label2->hide();

    Image30->onClick = [this] { Image30_Click(); };
    Image33->onClick = [this] { Image33_Click(); };
    Image32->onClick = [this] { Image32_Click(); };
    Image35->onClick = [this] { Image35_Click(); };
    Image41->onClick = [this] { Image41_Click(); };
    Image27->onClick = [this] { Image27_Click(); };
    Image37->onClick = [this] { Image37_Click(); };
    Image36->onClick = [this] { Image36_Click(); };
    Image38->onClick = [this] { Image38_Click(); };
    Image39->onClick = [this] { Image39_Click(); };
    Image39->onDragDrop = [this](Control *source) { Image39_DragDrop(source); };
    Image40->onDragDrop = [this](Control *source) { Image40_DragDrop(source); };
    Image54->onDragDrop = [this](Control *source) { Image54_DragDrop(source); };
    refuseAllButSplitWood(Image36, QT_TRANSLATE_NOOP("Message", "Na koš, ani se nesnaž"));
    refuseAllButSplitWood(Image37, QT_TRANSLATE_NOOP("Message", "AŤ už tě tu nevidím"));
    refuseAllButSplitWood(Image38, QT_TRANSLATE_NOOP("Message", "To nepůjde, ne"));
    refuseAllButSplitWood(Image42, QT_TRANSLATE_NOOP("Message", "To nepůjde, ne"));
}

void PoliceArea::Image30_Click() {
    enterScene(police2);
}

void PoliceArea::Image33_Click() {
    returnToParent(police2, police);
}

void PoliceArea::Image32_Click() {
    enterScene(hause);
    playTrack(form.MMControl1, "Hudba10.mid");
}

void PoliceArea::Image35_Click() {
    playTrack(form.MMControl1, "Hudba13.mid");
    returnToParent(hause, police2);
}

void PoliceArea::Image41_Click() {
    form.citymap->returnToMap(police);
}

void PoliceArea::Image27_Click() {
    say(QT_TRANSLATE_NOOP("Message",
                          "Vypadá to na nedávno vykradený Bazar, snad něco budou veďet na policii"));
}

void PoliceArea::Image37_Click() {
    Windows::show<Form3>();
}

void PoliceArea::Image36_Click() {
    Control *banan = form.inventory->banan;
    if (banan->Visible()) say(QT_TRANSLATE_NOOP("Message", "Už tam nic není, hledáš jak můžeš, ale nic"));
    if (!banan->Visible()) {
        say(QT_TRANSLATE_NOOP("Message", "Po dukladném prohledání koše si našel banánovou slupku"));
        banan->setVisible(true);
    }
}

void PoliceArea::Image38_Click() {
    Control *Odmerka = form.inventory->Odmerka;
    if (Odmerka->Visible()) say(QT_TRANSLATE_NOOP("Message", "Je tam už jen hořící sud"));
    if (!Odmerka->Visible()) {
        Odmerka->setVisible(true);
        say(QT_TRANSLATE_NOOP("Message", "Našel jsi u sudu prázdnou odměrku"));
    }
}

// Each test looks at the state as the steps before it left it: the first talk opened in the first
// step is closed again at once while the homeless man waits for his wood and matches.
void PoliceArea::Image39_Click() {
    Control *Odmerka = form.inventory->Odmerka;
    if (Odmerka->Visible()) {
        if (Form3 *talk = Windows::show<Form3>()) talk->Frame1->setVisible(true);
    }
    if (!Odmerka->Visible())
        say(QT_TRANSLATE_NOOP(
            "Message",
            "Nebude s tebou mluvit, asi proto, že se mu nelíbíš nebo nemáš nic co by chtěl, ještě to tu "
            "prozkoumej"));
    if (Label2->number() == 2) {
        say(QT_TRANSLATE_NOOP("Message", "Radši mu sežěň ty zápalky a dříví, jinak ti nedá tu hořlavinu"));
        Windows::unload<Form3>();
    }
    if (Label2->number() == 3) {
        if (Form3 *talk = Windows::show<Form3>()) talk->Frame2->setVisible(true);
    }
}

void PoliceArea::Image39_DragDrop(Control *source) {
    if (hasTag(source, "jidlo1")) {
        form.inventory->banan->setVisible(false);
        say(QT_TRANSLATE_NOOP("Message", "Dal jsi bezdomovci banán, ten ho snědl, ale na svém si trvá dále"));
    } else {
        say(QT_TRANSLATE_NOOP("Message", "To nepůjde, ne"));
    }
    if (hasTag(source, "Ohen")) {
        say(QT_TRANSLATE_NOOP(
            "Message", "Dal jsi bezdomovci oheň, ten ti je moc vďečný a dovoluje ti nabrat si kyselinu"));
        form.inventory->Image11->setVisible(false);
    }
}

// The cup is filled only once the homeless man has his fire (the wood is gone from the inventory).
void PoliceArea::Image40_DragDrop(Control *source) {
    Inventory &inv = *form.inventory;
    if (!hasTag(source, "drivko")) say(QT_TRANSLATE_NOOP("Message", "To nepůjde, ne"));
    if (!inv.Image11->Visible() && hasTag(source, "Odmerka")) {
        say(QT_TRANSLATE_NOOP("Message", "Nabral jsi do odměrky trochu kyseliny"));
        Label2->setCaption("9");
        inv.Odmerka->setPicture(inv.Odmerka11->Picture());
        inv.Odmerka->DragIcon = inv.Odmerka11->DragIcon;
        inv.Odmerka->Tag = inv.Odmerka11->Tag;
        Image39->setEnabled(false);
        Image32->setEnabled(false);
    }
}

void PoliceArea::Image54_DragDrop(Control *source) {
    if (hasTag(source, "Voda"))
        say(QT_TRANSLATE_NOOP("Message", "Zalil jsi květinu, ale moc jí to nepomohlo"));
    else
        say(QT_TRANSLATE_NOOP("Message", "To nepůjde, ne"));
}
