// Renders every picture of the game to PNG, every scene container of the game window as the player
// sees it with its hotspots outlined and named, so anyone can check at a glance that each object lies
// under its hotspot, and every window in both looks at the screen's scale (run it with
// QT_SCALE_FACTOR=2 for the 2x grabs). Usage: gallery OUTDIR
#include "game/app.h"
#include "game/form1.h"
#include "game/inventory.h"
#include "runtime/control.h"
#include "runtime/picture.h"
#include "runtime/timer.h"
#include "runtime/windows.h"
#include "scenes/broucek.h"
#include "scenes/form3.h"
#include "scenes/form4.h"
#include "shell/credits.h"
#include "shell/dopisek.h"
#include "shell/first.h"
#include "shell/form2.h"
#include "shell/intro.h"
#include "shell/load.h"
#include "shell/menu.h"
#include "shell/onetwo.h"
#include "world/citymap.h"
#include "world/start.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QPainter>
#include <initializer_list>

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
// The window as the player sees it, once in each look: win_NAME_LOOK@SCALEx.png.
void saveWindow(QWidget *w, const QString &out, const QString &name) {
    for (Theme::Look look : {Theme::Look::Classic, Theme::Look::Remastered}) {
        Theme::setLook(look);
        const qreal scale = w->devicePixelRatioF();
        QImage img(w->size() * scale, QImage::Format_ARGB32);
        img.setDevicePixelRatio(scale);
        img.fill(Qt::black);
        w->render(&img);
        img.save(QDir(out).filePath(QString("win_%1_%2@%3x.png")
                                        .arg(name, look == Theme::Look::Classic ? "classic" : "remastered")
                                        .arg(scale)));
    }
    Theme::setLook(Theme::Look::Classic);
}

void saveWindows(const QString &out) {
    for (GameWindow *w : std::initializer_list<GameWindow *>{
             Windows::show<first>(), Windows::show<menu>(), Windows::show<intro>(), Windows::show<load>(),
             Windows::show<credits>(), Windows::show<onetwo>(), Windows::show<dopisek>(),
             Windows::show<Broucek>()})
        saveWindow(w, out, w->objectName());
    showMessage(QT_TRANSLATE_NOOP("Message",
                                  "Povedlo se ti zapálit dříví bezdomovcovou zápalkou, těď mu tento "
                                  "Oheň jen dát"));
    saveWindow(Windows::find<Form2>(), out, "Form2");

    Form3 *police = Windows::show<Form3>();
    police->Label1->setCaption("Dobrý den pane policajte!");
    saveWindow(police, out, "Form3_officer");
    police->Frame1->show();
    police->Label4->setCaption("Neber mi můj oheň, prosím tě");
    saveWindow(police, out, "Form3_homeless");
    Form4 *bar = Windows::show<Form4>();
    bar->Label1->setCaption("Ahoj, ty jsi hlídač, že jo");
    saveWindow(bar, out, "Form4_guard");
    bar->Frame1->show();
    bar->Label4->setCaption("ANO, SLYŠEL JSEM, ŽE JSI POMOHL HLIDACI, JSI DOBRÝ");
    saveWindow(bar, out, "Form4_computer");

    Form1 *game = Windows::show<Form1>();
    game->setStatus("Nějaká stará zřícená raketa");
    saveWindow(game, out, "Form1_home");
    game->start->Raketa->show();
    game->citymap->map->show();
    game->setStatus("Policejní stanice");
    game->citymap->ps->show();
    game->citymap->vila->show();
    game->citymap->bar->show();
    game->citymap->hrad->show();
    saveWindow(game, out, "Form1_map");
    game->Command2_Click();
    for (Control *item : game->inventory->items())
        if (item != game->inventory->dynambum) item->show();
    game->setStatus("Dopis, je na něm něco napsáno, snad by si to měl přečíst");
    saveWindow(game, out, "Form1_inventory");
    game->inventory->Command3_Click();
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
    saveWindows(out);

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
