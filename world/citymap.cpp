#include "world/citymap.h"

#include "game/form1.h"
#include "game/scene.h"

CityMap::CityMap(Form1 &f, QWidget *parent) : form(f) {
    map = makeFrame(parent, "map", {0, 0, 6735, 4095});
    Image15 = makePicture(map, "Image15", {0, 0, 6900, 4050}, Pictures::scene("citymap"));
    auto label = [this](const char *name, int left, int top, const char *caption) {
        auto *l = new LabelControl(map, QString::fromLatin1(name), {left, top, 1695, 255}, QString::fromUtf8(caption));
        l->setStyle(QColor(0, 255, 0), QColor(0, 0, 255), designFont("MS Sans Serif", 8.25, true), false,
                    Qt::AlignHCenter | Qt::AlignTop, true);
        l->hide();
        return l;
    };
    ps = label("ps", 4080, 960, "Policejní stanice");
    hrad = label("hrad", 4080, 2400, "Zřícenina Hradu");
    bar = label("bar", 1680, 2760, "Rock Bar");
    vila = label("vila", 2160, 840, "Vila Prezidenta");
}

Control *CityMap::addThumbnail(QWidget *entrance, const char *name) {
    // The picture carries its own single-line border.
    return makePicture(entrance, QString::fromLatin1(name), {0, 3600, 975, 600}, Pictures::ui("map_thumb"));
}

void CityMap::returnToMap(Control *areaTop) {
    areaTop->setVisible(false);
    map->setVisible(false);
    map->setVisible(true);
}
