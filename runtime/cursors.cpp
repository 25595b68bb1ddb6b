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

// Qt takes a cursor's hot spot in device-independent pixels of a pixmap that knows its pixel ratio,
// but on X11 it hands the hot spot to the server as it is, beside the full-size image: there it must
// be given in the image's own pixels, or a cursor drawn at twice the size clicks half-way to its tip.
QPoint hotSpotFor(QPoint hot, qreal ratio) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return hot;
    return QPoint(qRound(hot.x() * ratio), qRound(hot.y() * ratio));
}

qreal screenRatio() {
    QScreen *s = QGuiApplication::primaryScreen();
    return s ? s->devicePixelRatio() : 1.0;
}

QCursor fromPicture(const QString &path, QPoint hot) {
    const qreal ratio = screenRatio();
    QPixmap pm = Picture::render(path, QSize(32, 32), ratio);
    if (pm.isNull()) return QCursor(Qt::ArrowCursor);
    return QCursor(pm, hotSpotFor(hot, ratio).x(), hotSpotFor(hot, ratio).y());
}
} // namespace

QString cursorPicture(CursorKind kind) {
    for (const CursorDef &d : kCursors)
        if (d.kind == kind) return QString::fromLatin1(d.picture);
    return {};
}

QPoint cursorHotSpot(CursorKind kind) {
    for (const CursorDef &d : kCursors)
        if (d.kind == kind) return d.hotSpot;
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
