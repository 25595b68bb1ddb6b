// longplay SECONDS [SEED] - a restless player in real time, for measuring memory over a long game.
// Starts straight in the game window and, from a fixed seed, moves and clicks over whatever is on
// screen, drags held items about, presses buttons, opens the inventory and the credits, closes
// windows, and travels: from the home scene to the city map as the launch ends, from the map into
// the four places and back by their thumbnails. When the game ends it starts again. The real clock
// runs, so the siren, the bar's loop and every other timer come as they would. Every half second
// it notes the resident memory, one line each, and at the end start, peak and end, with what was
// open at the peak. Run it on a virtual screen with scripts/longplay.sh.
#include "game/app.h"
#include "game/form1.h"
#include "game/inventory.h"
#include "runtime/control.h"
#include "runtime/windows.h"
#include "world/citymap.h"
#include "world/start.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdio>

namespace {
double residentMb() {
    QFile f("/proc/self/status");
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return -1;
}

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
    QTest::mouseClick(h, Qt::LeftButton, Qt::NoModifier, at);
}

void drag(QWidget *window, QPoint from, QPoint to) {
    QWindow *h = window->windowHandle();
    QTest::mouseMove(h, from);
    QTest::mousePress(h, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(h, (from + to) / 2);
    QTest::mouseMove(h, to);
    QTest::mouseRelease(h, Qt::LeftButton, Qt::NoModifier, to);
}

// The end of the launch, wherever the player is: the rocket's scenes around the map are entered and
// the launch's timer fires.
void launch(Form1 *form) {
    for (QWidget *w = form->citymap->map->parentWidget(); w && w != form; w = w->parentWidget())
        w->setVisible(true);
    form->start->Timer2_Timer();
}

// From the map into a place, from a place's entrance back to the map, or (seldom, and only from
// the start) onto the map as the launch ends.
void travel(QRandomGenerator &rng, Form1 *form) {
    QList<QWidget *> ways;
    for (const char *name : {"Image41", "Image69", "Image44", "Image91"}) // the thumbnails of the map
        if (auto *w = form->findChild<QWidget *>(name); reachable(w)) ways << w;
    for (Control *place :
         {form->citymap->Image22, form->citymap->Image23, form->citymap->Image24, form->citymap->Image25})
        if (reachable(place)) ways << place;
    if (QWidget *way = pick(rng, ways))
        clickAt(form, centreOf(way));
    else if (!form->citymap->map->isVisible() && rng.bounded(4) == 0)
        launch(form);
}

void event(QRandomGenerator &rng) {
    const int kind = int(rng.bounded(100));
    QWidget *win = pick(rng, shownWindows());
    auto *form = Windows::find<Form1>();
    const bool playing = form && form->isVisible();
    auto somewhere = [&](QWidget *w) {
        return QPoint(int(rng.bounded(qMax(1, w->width()))), int(rng.bounded(qMax(1, w->height()))));
    };
    if (kind < 20 && win) {
        QTest::mouseMove(win->windowHandle(), somewhere(win));
    } else if (kind < 48 && win) {
        QPoint at = somewhere(win);
        if (auto *c = pick(rng, win->findChildren<Control *>()); c && c->isVisible() && rng.bounded(2))
            at = centreOf(c);
        clickAt(win, at);
    } else if (kind < 60 && playing) {
        QList<Control *> held, targets;
        for (Control *item : form->inventory->items())
            if (item->isVisible()) held << item;
        for (Control *c : form->findChildren<Control *>())
            if (c->isVisible()) targets << c;
        Control *item = pick(rng, held), *target = pick(rng, targets);
        if (item && target) drag(form, centreOf(item), centreOf(target));
    } else if (kind < 70) {
        QList<QAbstractButton *> buttons;
        for (QWidget *w : shownWindows())
            for (QAbstractButton *b : w->findChildren<QAbstractButton *>())
                if (b->isVisible() && b->isEnabled()) buttons << b;
        if (QAbstractButton *b = pick(rng, buttons)) clickAt(b->window(), centreOf(b));
    } else if (kind < 73 && playing) {
        clickAt(form, centreOf(form->Command2)); // the inventory
    } else if (kind < 81 && playing) {
        travel(rng, form);
    } else if (kind < 83 && playing) {
        clickAt(form, centreOf(form->Command1)); // About: the credits
    } else if (kind < 84 && win) {
        win->close();
    }
}

QString whatIsOpen() {
    QStringList names;
    for (GameWindow *w : Windows::open())
        names << w->objectName();
    QString music;
    if (auto *form = Windows::find<Form1>())
        music = form->MMControl1->isSounding() ? form->MMControl1->FileName : QString("silence");
    return names.join(' ') + (music.isEmpty() ? QString() : "; music " + music);
}
} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    setupApplication();
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 300;
    QRandomGenerator rng(argc > 2 ? quint32(std::atoll(argv[2])) : 20261206u);

    // The game ended (Exit, the lost game, the last window closed): the player starts it again.
    Windows::setQuitHandler([] {
        QTimer::singleShot(0, [] {
            Windows::reset();
            Windows::show<Form1>();
        });
    });
    Windows::show<Form1>();

    QElapsedTimer clock;
    clock.start();
    double start = -1, peak = 0, last = 0;
    QString atPeak;
    qint64 peakAt = 0;
    QTimer input, sampler;
    QObject::connect(&input, &QTimer::timeout, [&] { event(rng); });
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        last = residentMb();
        if (start < 0) start = last;
        const QString open = whatIsOpen();
        if (last > peak) peak = last, peakAt = clock.elapsed(), atPeak = open;
        std::printf("%6.1f s %6.1f MB  %s\n", clock.elapsed() / 1000.0, last, qPrintable(open));
        std::fflush(stdout);
        if (clock.elapsed() >= seconds * 1000LL) {
            std::printf("start %.1f MB, peak %.1f MB at %.0f s (%s), end %.1f MB\n", start, peak,
                        peakAt / 1000.0, qPrintable(atPeak), last);
            std::fflush(stdout);
            std::_Exit(0);
        }
    });
    input.start(150);
    sampler.start(500);
    return app.exec();
}
