// Renders every picture of the game to PNG, and every scene container of the game window as the
// player sees it with its hotspots outlined and named, so anyone can check at a glance that each
// object lies under its hotspot. Usage: gallery OUTDIR
#include "game/app.h"
#include "game/form1.h"
#include "runtime/control.h"
#include "runtime/picture.h"
#include "runtime/timer.h"
#include "runtime/windows.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QPainter>

namespace {
void savePictures(const QString &out) {
    QDirIterator it(":/", {"*.svg"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QSize size = Picture::naturalSize(path);
        QString name = path.mid(2);
        name.replace('/', '_').replace(".svg", ".png");
        Picture::render(path, size * 2, 1.0).save(QDir(out).filePath("pic_" + name));
    }
}

// Shows container and every container above it, as walking there would.
void reveal(QWidget *w, QWidget *top) {
    for (QWidget *p = w; p && p != top; p = p->parentWidget())
        p->show();
}

void outline(QPainter &p, QWidget *window, QWidget *container) {
    for (QObject *o : container->children()) {
        auto *c = qobject_cast<Control *>(o);
        auto *l = qobject_cast<QLabel *>(o);
        QWidget *w = c ? static_cast<QWidget *>(c) : l;
        if (!w || w->isHidden()) continue;
        // Skip background pictures and nested scene containers: outline only the hotspots.
        if (c && c->autoFillBackground()) continue;
        if (c && c->width() >= 440 && c->height() >= 260) continue;
        QRect r(w->mapTo(window, QPoint(0, 0)), w->size());
        const bool enabled = c ? c->Enabled() : true;
        p.setPen(QPen(enabled ? QColor(255, 40, 40) : QColor(150, 150, 150), 1,
                      enabled ? Qt::SolidLine : Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setPen(Qt::yellow);
        p.drawText(r.topLeft() + QPoint(2, 10), w->objectName());
    }
}
} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    setupApplication();
    ManualClock clock;
    Clock::install(&clock);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("gallery");
    QDir().mkpath(out);
    savePictures(out);

    Form1 *form = Windows::show<Form1>();
    QList<Control *> containers;
    containers.append(nullptr); // the home scene on the window's surface
    for (Control *c : form->findChildren<Control *>())
        // Every scene container; not the inventory panel, nor the picture store of the open door.
        if (c->autoFillBackground() && c->objectName() != "Frame2" && c->objectName() != "toend1")
            containers.append(c);
    for (Control *c : containers) {
        // Start from the design state of the viewport: every container hidden.
        for (Control *o : containers)
            if (o) o->hide();
        QWidget *scene = c ? static_cast<QWidget *>(c) : form;
        if (c) {
            reveal(c, form);
            c->setLeft(0); // parked scenes are brought into the viewport, as entering them does
            c->setTop(0);
        }
        QImage img(form->size() * 2, QImage::Format_ARGB32);
        img.setDevicePixelRatio(2);
        form->render(&img);
        QPainter p(&img);
        p.setFont(QFont("Liberation Sans", 7));
        outline(p, form, scene);
        p.end();
        img.save(QDir(out).filePath("scene_" + (c ? c->objectName() : QStringLiteral("home")) + ".png"));
    }
    Windows::endProgram();
    return 0;
}
