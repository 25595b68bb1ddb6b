#include "game/scene.h"

#include "game/form1.h"

Control *Hotspots::operator[](const char *name) const {
    Control *c = byName_.value(QString::fromLatin1(name));
    Q_ASSERT_X(c, "Hotspots", name);
    return c;
}

Control *makeFrame(QWidget *parent, const QString &name, Twips rect) {
    auto *c = new Control(parent, name, rect);
    c->setBackground(Qt::black);
    // Frames show the standard arrow (the remastered look, the game's pointer); only the window's
    // surface has the game's pointer in both looks.
    Theme::setArrowCursor(c, true);
    c->hide();
    return c;
}

Control *makePictureBox(QWidget *parent, const QString &name, Twips rect, const QString &picture) {
    Control *c = makeFrame(parent, name, rect);
    c->setPicture(picture, Control::Fit::Natural);
    return c;
}

Control *makePicture(QWidget *parent, const QString &name, Twips rect, const QString &picture) {
    auto *c = new Control(parent, name, rect);
    c->setPicture(picture, Control::Fit::Stretch);
    return c;
}

Control *addHotspot(Form1 &form, QWidget *parent, const HotspotDef &def) {
    auto *c = new Control(parent, QString::fromLatin1(def.name), def.rect);
    c->setMouseIcon(def.cursor);
    if (def.picture) c->setPicture(QString::fromLatin1(def.picture), Control::Fit::Stretch);
    if (def.hover) {
        const QString text = QString::fromUtf8(def.hover);
        c->hoverText = [text] { return text; };
        c->onMouseMove = [&form, text] { form.setStatus(text); };
    }
    return c;
}

Hotspots addHotspots(Form1 &form, QWidget *parent, std::initializer_list<HotspotDef> defs, Stacking order) {
    Hotspots out;
    std::vector<HotspotDef> list(defs);
    if (order == Stacking::TopFirst) std::reverse(list.begin(), list.end());
    for (const HotspotDef &d : list)
        out.insert(addHotspot(form, parent, d));
    return out;
}

void enterScene(Control *container) {
    container->setVisible(true);
}

void enterParkedScene(Control *container) {
    container->setVisible(true);
    container->setTop(0);
    container->setLeft(0);
}

void returnToParent(Control *container, Control *parent) {
    container->setVisible(false);
    if (parent) {
        parent->setVisible(false);
        parent->setVisible(true);
    }
}
