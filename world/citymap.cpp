#include "world/citymap.h"

#include "game/form1.h"
#include "game/scene.h"
#include "world/bar.h"
#include "world/castle.h"
#include "world/police.h"
#include "world/villa.h"

#include <QCoreApplication>

CityMap::CityMap(Form1 &f, QWidget *parent) : form(f) {
    map = makeFrame(parent, "map", {0, 0, 6735, 4095});
    Image15 = makePicture(map, "Image15", {0, 0, 6900, 4050}, Pictures::scene("citymap"));
    Image15->onMouseMove = [this] { Image15_MouseMove(); };

    // Everything on the map is made from the bottom of the stacking order up: the blocks of flats and
    // the police station lie under the name labels, the other three places above them.
    Hotspots low = addHotspots(
        form, map,
        {
            {"Image16",
             {5880, 1200, 975, 1455},
             CursorKind::None,
             QT_TRANSLATE_NOOP("Status", "Je to část města, obyčejné paneláky")},
            {"Image17",
             {240, 2520, 735, 735},
             CursorKind::None,
             QT_TRANSLATE_NOOP("Status", "Je to část města, obyčejné paneláky")},
            {"Image20",
             {2520, 3120, 735, 735},
             CursorKind::None,
             QT_TRANSLATE_NOOP("Status", "je to panelový dům, nebudeš potřebovat ho nikdy navštívit")},
            {"Image21",
             {3240, 120, 615, 735},
             CursorKind::None,
             QT_TRANSLATE_NOOP("Status", "Obyčejný panelák")},
            {"Image22",
             {4440, 240, 735, 615},
             CursorKind::None,
             QT_TRANSLATE_NOOP("Status", "Policejní stanice")},
        });
    Image16 = low["Image16"];
    Image17 = low["Image17"];
    Image20 = low["Image20"];
    Image21 = low["Image21"];
    Image22 = low["Image22"];

    auto label = [this](const char *name, int left, int top, const char *caption) {
        auto *l = new LabelControl(map, QString::fromLatin1(name), {left, top, 1695, 255},
                                   QCoreApplication::translate("CityMap", caption));
        l->setStyle(QColor(0, 255, 0), QColor(0, 0, 255), designFont("MS Sans Serif", 8.25, true), false,
                    Qt::AlignHCenter | Qt::AlignTop, true);
        l->hide();
        return l;
    };
    ps = label("ps", 4080, 960, QT_TRANSLATE_NOOP("CityMap", "Policejní stanice"));
    vila = label("vila", 2160, 840, QT_TRANSLATE_NOOP("CityMap", "Vila Prezidenta"));
    bar = label("bar", 1680, 2760, QT_TRANSLATE_NOOP("CityMap", "Rock Bar"));
    hrad = label("hrad", 4080, 2400, QT_TRANSLATE_NOOP("CityMap", "Zřícenina Hradu"));

    Hotspots high = addHotspots(
        form, map,
        {
            {"Image23",
             {4200, 2760, 975, 615},
             CursorKind::None,
             QT_TRANSLATE_NOOP("Status", "Zřícený Hrad")},
            {"Image24", {1440, 2160, 1215, 615}, CursorKind::None, QT_TRANSLATE_NOOP("Status", "Bar rock")},
            {"Image25",
             {960, 840, 1455, 855},
             CursorKind::None,
             QT_TRANSLATE_NOOP("Status", "Prezidentova Vila")},
        });
    Image23 = high["Image23"];
    Image24 = high["Image24"];
    Image25 = high["Image25"];

    // A place writes its name into the status line and shows its label, which stays until the bare
    // map is hovered.
    auto place = [this](Control *hotspot, LabelControl *name, void (CityMap::*click)()) {
        hotspot->onMouseMove = [writeStatus = hotspot->onMouseMove, name] {
            writeStatus();
            name->setVisible(true);
        };
        hotspot->onClick = [this, click] { (this->*click)(); };
    };
    place(Image22, ps, &CityMap::Image22_Click);
    place(Image23, hrad, &CityMap::Image23_Click);
    place(Image24, bar, &CityMap::Image24_Click);
    place(Image25, vila, &CityMap::Image25_Click);
}

void CityMap::Image15_MouseMove() {
    ps->setVisible(false);
    bar->setVisible(false);
    hrad->setVisible(false);
    vila->setVisible(false);
}

void CityMap::Image22_Click() {
    enterScene(form.police->police);
    playTrack(form.MMControl1, "Hudba13.mid");
}

void CityMap::Image23_Click() {
    enterScene(form.castle->Hrad1);
    playTrack(form.MMControl1, "Hudba15.mid");
}

void CityMap::Image24_Click() {
    enterScene(form.bar->barvstup);
    playTrack(form.MMControl1, "Hudbabarvstupatd.wav");
    form.Timer3->setEnabled(true);
}

void CityMap::Image25_Click() {
    enterScene(form.villa->vilavstup);
    playTrack(form.MMControl1, "Hudba2.mid");
}

Control *CityMap::addThumbnail(QWidget *entrance, const char *name) {
    // The map in miniature at its own 61 x 36 pixels, never stretched, on a light mat inside a one-pixel
    // dark border, so that it stands out on the bright streets and the dark ones alike. The mat and the
    // picture let every click through to the thumbnail itself.
    Control *thumb = new Control(entrance, QString::fromLatin1(name), {0, 3600, 975, 600});
    thumb->setBorder(true);
    auto *mat = new QWidget(thumb);
    mat->setGeometry(1, 1, thumb->width() - 2, thumb->height() - 2);
    QPalette pal = mat->palette();
    pal.setColor(QPalette::Window, QColor(0xf4, 0xf4, 0xf4));
    mat->setPalette(pal);
    mat->setAutoFillBackground(true);
    mat->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *picture = new Control(mat, thumb->objectName() + "_picture", {15, 15, 915, 540});
    picture->setPicture(Pictures::ui("map_thumb"), Control::Fit::Natural);
    picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    return thumb;
}

void CityMap::returnToMap(Control *areaTop) {
    areaTop->setVisible(false);
    map->setVisible(false);
    map->setVisible(true);
}
