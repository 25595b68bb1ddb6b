#include "tools/randomplayer.h"

#include "game/form1.h"
#include "game/inventory.h"
#include "runtime/control.h"
#include "runtime/windows.h"
#include "world/citymap.h"
#include "world/start.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QWindow>

namespace {
QList<QWidget *> shownWindows() {
    QList<QWidget *> out;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowHandle()) out << w;
    return out;
}

template <class T> T *pick(QRandomGenerator &rng, const QList<T *> &list) {
    return list.isEmpty() ? nullptr : list[int(rng.bounded(qsizetype(list.size())))];
}

QPoint centreOf(const QWidget *w) {
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()).intersected(w->window()->rect()).center();
}

// Whether a click at the centre of w would reach it, and not something lying above it.
bool reachable(QWidget *w) {
    if (!w || !w->isVisible()) return false;
    QWidget *hit = w->window()->childAt(centreOf(w));
    return hit == w || w->isAncestorOf(hit);
}

void clickAt(QWidget *window, QPoint at) {
    QWindow *h = window->windowHandle();
    QTest::mouseMove(h, at);
    QTest::mousePress(h, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(h, Qt::LeftButton, Qt::NoModifier, at);
}

void drag(QWidget *window, QPoint from, QPoint to) {
    QWindow *h = window->windowHandle();
    QTest::mouseMove(h, from);
    QTest::mousePress(h, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(h, (from + to) / 2);
    QTest::mouseMove(h, to);
    QTest::mouseRelease(h, Qt::LeftButton, Qt::NoModifier, to);
}

// From the map into a place, from a place's entrance back to the map, or (seldom, and only from the
// start) onto the map as the launch ends: the rocket's scenes around the map are entered and the
// launch's timer fires.
QString travel(QRandomGenerator &rng, Form1 *form) {
    QList<QWidget *> ways;
    for (const char *name : {"Image41", "Image69", "Image44", "Image91"}) // the thumbnails of the map
        if (auto *w = form->findChild<QWidget *>(name); reachable(w)) ways << w;
    for (Control *place :
         {form->citymap->Image22, form->citymap->Image23, form->citymap->Image24, form->citymap->Image25})
        if (reachable(place)) ways << place;
    if (QWidget *way = pick(rng, ways)) {
        const QString what = "travel by " + way->objectName();
        clickAt(form, centreOf(way));
        return what;
    }
    if (form->citymap->map->isVisible() || rng.bounded(4)) return "stay";
    for (QWidget *w = form->citymap->map->parentWidget(); w && w != form; w = w->parentWidget())
        w->setVisible(true);
    form->start->Timer2_Timer();
    return "launch";
}
} // namespace

QString RandomPlayer::step() {
    const int kind = int(rng.bounded(100));
    QWidget *win = pick(rng, shownWindows());
    auto *form = Windows::find<Form1>();
    const bool playing = form && form->isVisible();
    auto somewhere = [&](QWidget *w) {
        return QPoint(int(rng.bounded(qMax(1, w->width()))), int(rng.bounded(qMax(1, w->height()))));
    };
    if (kind < 20 && win) {
        QTest::mouseMove(win->windowHandle(), somewhere(win));
        return "move over " + win->objectName();
    }
    if (kind < 48 && win) {
        QPoint at = somewhere(win);
        if (auto *c = pick(rng, win->findChildren<Control *>()); c && c->isVisible() && rng.bounded(2))
            at = centreOf(c);
        const QString what = QString("click %1 at %2,%3").arg(win->objectName()).arg(at.x()).arg(at.y());
        clickAt(win, at);
        return what;
    }
    if (kind < 60 && playing) {
        QList<Control *> held, targets;
        for (Control *item : form->inventory->items())
            if (item->isVisible()) held << item;
        for (Control *c : form->findChildren<Control *>())
            if (c->isVisible()) targets << c;
        Control *item = pick(rng, held), *target = pick(rng, targets);
        if (!item || !target) return "no drag";
        const QString what = "drag " + item->objectName() + " to " + target->objectName();
        drag(form, centreOf(item), rng.bounded(4) ? centreOf(target) : somewhere(form));
        return what;
    }
    if (kind < 70) {
        QList<QAbstractButton *> buttons;
        for (QWidget *w : shownWindows())
            for (QAbstractButton *b : w->findChildren<QAbstractButton *>())
                if (b->isVisible() && b->isEnabled()) buttons << b;
        QAbstractButton *b = pick(rng, buttons);
        if (!b) return "no button";
        const QString what = "press " + b->objectName();
        clickAt(b->window(), centreOf(b));
        return what;
    }
    if (kind < 73 && playing) {
        clickAt(form, centreOf(form->Command2));
        return "inventory";
    }
    if (kind < 81 && playing) return travel(rng, form);
    if (kind < 83 && playing) {
        clickAt(form, centreOf(form->Command1));
        return "credits";
    }
    if (kind < 84 && win) {
        const QString what = "close " + win->objectName();
        win->close();
        return what;
    }
    return "rest";
}
