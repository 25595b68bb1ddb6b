#pragma once
// Building blocks of the world's scenes: scene containers, their background pictures, and hotspots
// declared as data (name, rectangle in twips, cursor kind, hover text), so that each area's tables read
// like the design's.
#include "runtime/control.h"

#include <QHash>
#include <initializer_list>

class Form1;

struct HotspotDef {
    const char *name;
    Twips rect;
    CursorKind cursor = CursorKind::None;
    const char *hover = nullptr;   // written to the status line at every mouse move over it
    const char *picture = nullptr; // an object lying in the scene
};

// Where a table lists its controls from: the design lists some scenes from the top of the stacking
// order down, and others in no particular order (later ones lie above earlier ones).
enum class Stacking { TopFirst, BottomFirst };

class Hotspots {
  public:
    Control *operator[](const char *name) const;
    void insert(Control *c) { byName_.insert(c->objectName(), c); }

  private:
    QHash<QString, Control *> byName_;
};

// A borderless scene frame with the system's menu-text colour (black), hidden at start.
Control *makeFrame(QWidget *parent, const QString &name, Twips rect);
// A picture container that draws its own scene picture from its top-left corner, hidden at start.
Control *makePictureBox(QWidget *parent, const QString &name, Twips rect, const QString &picture);
// A scene's background picture, stretched to its rectangle; it has no handlers of its own.
Control *makePicture(QWidget *parent, const QString &name, Twips rect, const QString &picture);
Hotspots addHotspots(Form1 &form, QWidget *parent, std::initializer_list<HotspotDef> defs,
                     Stacking order = Stacking::BottomFirst);
Control *addHotspot(Form1 &form, QWidget *parent, const HotspotDef &def);

// Enter a scene: it becomes visible; a parked one is also brought into the viewport (Top, then Left).
void enterScene(Control *container);
void enterParkedScene(Control *container);
// Leave a scene: hide it; the parent, which never went away, is seen again. The parent's own hide and
// show of the design is kept as it leaves the parent visible.
void returnToParent(Control *container, Control *parent = nullptr);

// The scene pictures of the game.
namespace Pictures {
inline const QString scene(const char *name) {
    return QStringLiteral(":/scenes/%1.svg").arg(name);
}
inline const QString item(const char *name) {
    return QStringLiteral(":/items/%1.svg").arg(name);
}
inline const QString object(const char *name) {
    return QStringLiteral(":/objects/%1.svg").arg(name);
}
inline const QString ui(const char *name) {
    return QStringLiteral(":/ui/%1.svg").arg(name);
}
} // namespace Pictures
