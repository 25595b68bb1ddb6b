#include "world/villa.h"

#include "game/form1.h"
#include "game/inventory.h"
#include "game/scene.h"
#include "shell/form2.h"
#include "world/citymap.h"
#include "world/finale.h"

#include <QCoreApplication>

namespace {
const char *const kTowerDoor = QT_TRANSLATE_NOOP("Status", "Dveře, do menší budovy vily");
const char *const kNoUse = QT_TRANSLATE_NOOP("Message", "Tak to nejde použít");
} // namespace

VillaArea::VillaArea(Form1 &f, QWidget *parent) : form(f) {
    // The square. The thumbnail lies above the left tower door where the two meet: the way back to the
    // map is never covered.
    vilavstup = makeFrame(parent, "vilavstup", {0, 0, 6735, 4095});
    Image90 = makePicture(vilavstup, "Image90", {0, 0, 6900, 4050}, Pictures::scene("villa_square"));
    Hotspots square = addHotspots(
        form, vilavstup,
        {
            {"Image92", {600, 3360, 255, 495}, CursorKind::None, kTowerDoor},
            {"Image93", {5760, 3360, 495, 375}, CursorKind::Forward, kTowerDoor},
            {"Image98",
             {3000, 3000, 615, 615},
             CursorKind::Forward,
             QT_TRANSLATE_NOOP(
                 "Status", "Hodně silné a pevné dveře, na ty jen ten nejlepší klíč, nebo něco jiného!?!")},
        });
    Image92 = square["Image92"];
    Image93 = square["Image93"];
    Image98 = square["Image98"];
    Image91 = form.citymap->addThumbnail(vilavstup, "Image91");
    Image91->onClick = [this] { Image91_Click(); };
    Image93->onClick = [this] { Image93_Click(); };
    Image98->onClick = [this] { Image98_Click(); };
    Image98->onDragOver = [this](Control *source) { Image98_DragOver(source); };
    Image98->onDragDrop = [this](Control *source) { Image98_DragDrop(source); };

    // The side building and the interior lie over the square.
    malavila = makePictureBox(vilavstup, "malavila", {0, 0, 6735, 4095}, Pictures::scene("villa_side"));
    Hotspots side =
        addHotspots(form, malavila,
                    {
                        {"Image94",
                         {0, 1560, 2775, 2535},
                         CursorKind::Look,
                         QT_TRANSLATE_NOOP("Status", "Skříňka, ve které jsou skaladované tajné materiály")},
                        {"Image95",
                         {600, 240, 5655, 735},
                         CursorKind::Look,
                         QT_TRANSLATE_NOOP("Status", "tabule s nápisem President´s tower")},
                        {"Image96",
                         {5760, 2280, 855, 1455},
                         CursorKind::Take,
                         QT_TRANSLATE_NOOP("Status", "Skříňka s nápisem klíče")},
                        {"Image97", {2880, 3720, 3735, 375}, CursorKind::Back},
                    });
    Image94 = side["Image94"];
    Image95 = side["Image95"];
    Image96 = side["Image96"];
    Image97 = side["Image97"];
    Image96->onClick = [this] { Image96_Click(); };
    Image97->onClick = [this] { Image97_Click(); };

    vilain = makePictureBox(vilavstup, "vilain", {0, 0, 6735, 4095}, Pictures::scene("villa_interior"));
    Hotspots inside = addHotspots(
        form, vilain,
        {
            {"Image99",
             {1560, 2040, 2775, 975},
             CursorKind::Look,
             QT_TRANSLATE_NOOP("Status", "Akvárium a uvnitř je hezká mušle")},
            {"Image100",
             {2760, 2640, 570, 285},
             CursorKind::Take,
             QT_TRANSLATE_NOOP("Status", "Vypadá to jako ty mušličky, co v sobě mají schovanou vornu")},
            {"Image102", {2040, 480, 3015, 1215}, CursorKind::Look, QT_TRANSLATE_NOOP("Status", "Okna")},
        });
    Image99 = inside["Image99"];
    Image100 = inside["Image100"];
    Image102 = inside["Image102"];
    // The shell lies in the aquarium from the start, but only a search shows it to be worth taking.
    Image100->setPicture(Pictures::object("shell_aquarium"), Control::Fit::Stretch);
    Image100->setEnabled(false);
    Image99->onClick = [this] { Image99_Click(); };
    Image100->onClick = [this] { Image100_Click(); };

    prezident = makePictureBox(vilain, "prezident", {0, 0, 6855, 4095}, Pictures::scene("villa_president"));
    Hotspots room =
        addHotspots(form, prezident,
                    {
                        {"Image103",
                         {960, 1800, 2175, 1815},
                         CursorKind::Talk,
                         QT_TRANSLATE_NOOP("Status", "Prezident, vždyť je to počítač")},
                        {"Image104",
                         {5640, 720, 1095, 2895},
                         CursorKind::Look,
                         QT_TRANSLATE_NOOP("Status", "Teleport, snad tě teleportuje někam daleko")},
                        // The lock sits on the president's dome, above him.
                        {"Image105",
                         {2640, 3240, 375, 255},
                         CursorKind::Look,
                         QT_TRANSLATE_NOOP("Status", "Zámek pro nastartování teleportu")},
                    });
    Image103 = room["Image103"];
    Image104 = room["Image104"];
    Image105 = room["Image105"];
    Image105->setEnabled(false);
    Image103->onClick = [this] { Image103_Click(); };
    Image103->onDragDrop = [this](Control *source) { Image103_DragDrop(source); };
    Image104->onClick = [this] { Image104_Click(); };
    Image104->onDragDrop = [this](Control *source) { Image104_DragDrop(source); };
    Image105->onDragDrop = [this](Control *source) { Image105_DragDrop(source); };
    // The seam of the floor tiles along the room.
    new LineControl(prezident, "Line1", {0, 3720}, {6855, 3720}, QColor(0x9a, 0xa3, 0xad), 1);
}

void VillaArea::Image91_Click() {
    form.citymap->returnToMap(vilavstup);
}

void VillaArea::Image93_Click() {
    Control *dopis = form.inventory->dopis;
    if (!dopis->Visible())
        showMessage(QT_TRANSLATE_NOOP(
            "Message", "Nemáš žádný důvod, respektive úkol, takže si ho obstarej - Nejlépe v Rock Baru"));
    if (dopis->Visible()) enterScene(malavila);
}

void VillaArea::Image98_Click() {
    showMessage(QT_TRANSLATE_NOOP("Message", "Je zamčeno a to hodně dobře"));
}

void VillaArea::Image98_DragOver(Control *source) {
    if (source->Tag == QLatin1String("sponka"))
        form.setStatus(QT_TRANSLATE_NOOP("Status", "Použít sponu na odemknutí dveří"));
}

void VillaArea::Image98_DragDrop(Control *source) {
    if (source->Tag == QLatin1String("sponka")) {
        showMessage(QT_TRANSLATE_NOOP("Message", "Otevíráš dveře sponkou a vcházíš dovnitř"));
        enterScene(vilain);
        form.inventory->spona->setVisible(false);
    } else {
        showMessage(QT_TRANSLATE_NOOP("Message", "Ne, takhle to nelze použít"));
    }
    // The key gets its own answer, written over the refusal.
    if (source->Tag == QLatin1String("klic"))
        showMessage(QT_TRANSLATE_NOOP(
            "Message", "Je to sice správný klíč, ale byl vyměněn zámek, čím by se to dalo otevřít"));
}

void VillaArea::Image96_Click() {
    // The letter remembers that the cabinet has been emptied. Tested in this order, the first search
    // shows only the finding.
    Control *dopis = form.inventory->dopis;
    if (dopis->Tag == QLatin1String("a"))
        showMessage(QT_TRANSLATE_NOOP("Message", "Už tam nic není - Spona, klíč a disketa ti nestačí"));
    if (dopis->Tag.isEmpty()) {
        form.inventory->spona->setVisible(true);
        form.inventory->klic->setVisible(true);
        form.inventory->disk->setVisible(true);
        showMessage(QT_TRANSLATE_NOOP("Message", "Ve skříňce jsi našel sponku, klíč a disketu"));
        dopis->Tag = QStringLiteral("a");
    }
}

void VillaArea::Image97_Click() {
    malavila->setVisible(false);
}

void VillaArea::Image99_Click() {
    if (Image99->Tag == QLatin1String("aa"))
        showMessage(QT_TRANSLATE_NOOP("Message", "Už nemáš co prohledat"));
    if (Image99->Tag.isEmpty()) {
        showMessage(QT_TRANSLATE_NOOP("Message", "Důkladně jsi prohledal akvárium a něco jsi zjistil"));
        Image99->Tag = QStringLiteral("aa");
        Image100->setEnabled(true);
    }
}

void VillaArea::Image100_Click() {
    form.inventory->musle->setVisible(true);
    Image100->setVisible(false);
}

void VillaArea::Image103_Click() {
    showMessage(QT_TRANSLATE_NOOP("Message", "Runtime ErroR: Prosím dones mi vornu a dej mi ji"));
}

void VillaArea::Image103_DragDrop(Control *source) {
    if (source->Tag == QLatin1String("vorna")) {
        showMessage(QT_TRANSLATE_NOOP(
            "Message", "Děkuji - Zachránil jsi královský poklad i když vypadá trochu jinak je to ona, nyní "
                       "jsem ti odblokoval startér pro teleport"));
        Image105->setEnabled(true);
        Image103->setEnabled(false);
        form.inventory->vorna->setVisible(false);
    } else {
        showMessage(kNoUse);
    }
}

void VillaArea::Image105_DragDrop(Control *source) {
    if (source->Tag == QLatin1String("klic")) {
        form.inventory->klic->setVisible(false);
        showMessage(QT_TRANSLATE_NOOP("Message", "Nastartoval jsi teleport, teď už jen odejít"));
        // The teleport drops its own cursor: the room's arrow shows over it.
        Image104->setMouseIcon(CursorKind::None);
    } else {
        showMessage(kNoUse);
    }
}

void VillaArea::Image104_Click() {
    // The key stays in the inventory until it has started the teleport.
    Control *klic = form.inventory->klic;
    if (klic->Visible()) showMessage(QT_TRANSLATE_NOOP("Message", "Teleport nebyl aktivován"));
    if (!klic->Visible()) {
        // The fanfare starts while the dialog is already up, before its text is written.
        Form2 *dialog = showMessageDialog();
        playTrack(form.MMControl1, QStringLiteral("Hudba8.mid"));
        if (dialog)
            dialog->Label1->setCaption(QCoreApplication::translate("Message", "Teleport byl aktivován"));
        enterScene(form.finale->toend);
    }
}

void VillaArea::Image104_DragDrop(Control *source) {
    // The cap, the one item without a tag, is ignored here.
    if (!source->Tag.isEmpty()) showMessage(kNoUse);
}
