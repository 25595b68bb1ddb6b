#include "runtime/cursors.h"

#include "runtime/picture.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
struct CursorDef {
    CursorKind kind;
    const char *picture;
    QPoint hotSpot; // in the 32 x 32 picture
};
constexpr CursorDef kCursors[] = {
    {CursorKind::Pointer, ":/cursors/pointer.svg", {1, 1}},
    {CursorKind::Look, ":/cursors/look.svg", {1, 1}},
    {CursorKind::Take, ":/cursors/take.svg", {14, 1}},
    {CursorKind::TakeLight, ":/cursors/take_light.svg", {14, 1}},
    {CursorKind::Talk, ":/cursors/talk.svg", {1, 1}},
    {CursorKind::Read, ":/cursors/read.svg", {1, 1}},
    {CursorKind::Forward, ":/cursors/forward.svg", {16, 1}},
    {CursorKind::Back, ":/cursors/back.svg", {16, 30}},
    {CursorKind::Left, ":/cursors/left.svg", {1, 16}},
    {CursorKind::Right, ":/cursors/right.svg", {30, 16}},
    {CursorKind::Crosshair, ":/cursors/crosshair.svg", {16, 16}},
};

qreal screenRatio() {
    QScreen *s = QGuiApplication::primaryScreen();
    return s ? s->devicePixelRatio() : 1.0;
}

QCursor fromPicture(const QString &path, QPoint hot) {
    QPixmap pm = Picture::render(path, QSize(32, 32), screenRatio());
    if (pm.isNull()) return QCursor(Qt::ArrowCursor);
    // The hot spot is given in device-independent pixels of a pixmap that knows its pixel ratio.
    return QCursor(pm, hot.x(), hot.y());
}
} // namespace

QString cursorPicture(CursorKind kind) {
    for (const CursorDef &d : kCursors)
        if (d.kind == kind) return QString::fromLatin1(d.picture);
    return {};
}

QCursor gameCursor(CursorKind kind) {
    for (const CursorDef &d : kCursors)
        if (d.kind == kind) return fromPicture(QString::fromLatin1(d.picture), d.hotSpot);
    return QCursor(Qt::ArrowCursor);
}

QCursor dragCursor(const QString &dragIcon) {
    return fromPicture(dragIcon, QPoint(16, 16));
}
