#include "support/keys.h"

#include "game/form1.h"
#include "game/inventory.h"
#include "runtime/focusring.h"
#include "support/harness.h"

#include <QGuiApplication>
#include <QTest>

bool Keys::press(int key, Qt::KeyboardModifiers mods) {
    QWindow *w = QGuiApplication::focusWindow();
    if (!w) return false;
    QTest::keyClick(w, Qt::Key(key), mods);
    Harness::settle();
    return true;
}

bool Keys::focus(QWidget *w) {
    FocusRing *ring = FocusRing::of(w);
    if (!ring || QGuiApplication::focusWindow() != ring->window()->windowHandle()) return false;
    if (!ring->shown()) press(Qt::Key_Tab); // after the mouse, the first key only shows the focus
    // Forward, or back when that is shorter, as a player would.
    const QList<QWidget *> all = ring->members();
    const qsizetype n = all.size(),
                    ahead = (all.indexOf(w) - all.indexOf(ring->current()) + n) % std::max<qsizetype>(n, 1);
    for (qsizetype i = n; i >= 0 && ring->current() != w; --i)
        press(Qt::Key_Tab, ahead <= n / 2 ? Qt::NoModifier : Qt::ShiftModifier);
    return ring->current() == w && w->hasFocus();
}

bool Keys::click(QWidget *w) {
    return focus(w) && press(Qt::Key_Return);
}

bool Keys::use(QWidget *item, QWidget *target) {
    auto *form = qobject_cast<Form1 *>(item->window());
    if (!form) return false;
    if (form->inventory->Frame2->isHidden()) press(Qt::Key_I);
    if (!click(item) || FocusRing::of(item)->held() != item) return false;
    return click(target);
}
