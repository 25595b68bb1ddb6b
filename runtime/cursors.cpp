#include "runtime/cursors.h"

#include "runtime/picture.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtMath>
#include <qpa/qplatformscreen.h>

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

bool onXcb() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

bool onWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

qreal screenRatio() {
    QScreen *s = QGuiApplication::primaryScreen();
    return s ? s->devicePixelRatio() : 1.0;
}

// The compositor's own scale of the screen, without the size the game adds on top of it.
qreal compositorScale() {
    QScreen *s = QGuiApplication::primaryScreen();
    return s && s->handle() ? s->handle()->devicePixelRatio() : 1.0;
}

QCursor fromPicture(const QString &path, QPoint hot) {
    const qreal ratio = screenRatio();
    QPixmap pm = Picture::render(path, QSize(32, 32), ratio);
    if (pm.isNull()) return QCursor(Qt::ArrowCursor);
    // Qt takes a cursor's hot spot in device-independent pixels of a pixmap that knows its pixel ratio,
    // but on X11 it hands the hot spot to the server as it is, beside the full-size image: there it
    // must be given in the image's own pixels, or a cursor drawn at twice the size clicks half-way to
    // its tip.
    if (onXcb()) return QCursor(pm, qRound(hot.x() * ratio), qRound(hot.y() * ratio));
    // A Wayland cursor is a surface at the compositor's whole-number scale, which knows nothing of the
    // size the game adds: the picture is given at that scale, its hot spot in the surface's pixels, or
    // a cursor of a game drawn twice as large shows at half its size.
    if (onWayland()) {
        const qreal compositor = qMax<qreal>(1, qFloor(compositorScale()));
        pm.setDevicePixelRatio(compositor);
        return QCursor(pm, qRound(hot.x() * ratio / compositor), qRound(hot.y() * ratio / compositor));
    }
    return QCursor(pm, hot.x(), hot.y());
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
