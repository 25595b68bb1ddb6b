// Thousands of random inputs from a fixed seed: moves, clicks, drags between any visible controls,
// presses of any button of any open window, windows closed, time passing. After every one the game
// must still hold together. A failure names the seed and the event, so it replays
// (SOAK_SEED=n SOAK_EVENTS=m).
#include "support/harness.h"

#include "game/app.h"
#include "game/form1.h"
#include "game/inventory.h"

#include <QAbstractButton>
#include <QApplication>
#include <QRandomGenerator>
#include <QWindow>

namespace {
// The states each item may be in; anything else means the inventory was corrupted.
const QHash<QString, QStringList> kTags = {
    {"klicek", {"Key"}},
    {"Image11", {"drevo", "drivko", "Ohen"}},
    {"cepka", {"", "karta"}},
    {"banan", {"jidlo1"}},
    {"Odmerka", {"Odmerka", "Odmerka2"}},
    {"Pavoukva", {"a"}},
    {"Houbava", {"Voda"}},
    {"Zapalkava", {"fire"}},
    {"c", {"c"}},
    {"notebook", {"notebook"}},
    {"dopis", {"", "a"}},
    {"spona", {"sponka"}},
    {"klic", {"klic"}},
    {"disk", {"game"}},
    {"musle", {"musle", "vorna"}},
    {"vorna", {"vorna"}},
    {"dynam", {"dynam", "dynam1"}},
    {"benzin", {"benzin"}},
    {"dynambum", {""}},
};

QList<QWidget *> shownWindows() {
    QList<QWidget *> out;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowHandle()) out << w;
    return out;
}

template <class T> T *pick(QRandomGenerator &rng, const QList<T *> &list) {
    return list.isEmpty() ? nullptr : list[int(rng.bounded(qsizetype(list.size())))];
}

QPoint somewhere(QRandomGenerator &rng, QWidget *w) {
    return QPoint(int(rng.bounded(qMax(1, w->width()))), int(rng.bounded(qMax(1, w->height()))));
}
} // namespace

class TestSoak : public QObject {
    Q_OBJECT
  private slots:
    void randomInputNeverBreaksTheGame();

  private:
    void event(QRandomGenerator &rng, Harness &h);
    QString brokenInvariant() const;
};

void TestSoak::event(QRandomGenerator &rng, Harness &h) {
    const int kind = int(rng.bounded(100));
    QWidget *win = pick(rng, shownWindows());
    auto *form = Windows::find<Form1>();
    if (kind < 20 && win) {
        QTest::mouseMove(win->windowHandle(), somewhere(rng, win));
    } else if (kind < 45 && win) {
        // A click where the player could click; half of them aimed at the controls of the scene.
        QPoint at = somewhere(rng, win);
        const QList<Control *> controls = win->findChildren<Control *>();
        if (rng.bounded(2) && !controls.isEmpty()) {
            Control *c = pick(rng, controls);
            if (c->isVisible()) at = Mouse::centreOf(c);
        }
        Mouse::clickAt(win, at);
    } else if (kind < 60 && form && form->isVisible()) {
        // Drag a held item onto any visible control of the game window, or anywhere.
        QList<Control *> held;
        for (Control *item : form->inventory->items())
            if (item->isVisible()) held << item;
        Control *item = pick(rng, held);
        QList<Control *> targets;
        for (Control *c : form->findChildren<Control *>())
            if (c->isVisible()) targets << c;
        Control *target = pick(rng, targets);
        if (item && target)
            Mouse::dragTo(item, form, rng.bounded(4) ? Mouse::centreOf(target) : somewhere(rng, form));
    } else if (kind < 72) {
        // Any button of any open window, as the player would press it.
        QList<QAbstractButton *> buttons;
        for (QWidget *w : shownWindows())
            for (QAbstractButton *b : w->findChildren<QAbstractButton *>())
                if (b->isVisible() && b->isEnabled()) buttons << b;
        if (QAbstractButton *b = pick(rng, buttons)) Mouse::click(b);
    } else if (kind < 75 && form && form->isVisible()) {
        Mouse::click(form->Command2); // the inventory, so that items can be dragged
    } else if (kind < 76 && win) {
        win->close();
    } else {
        const int ms = rng.bounded(3) ? int(rng.bounded(400)) : int(rng.bounded(8000));
        h.advance(ms);
    }
    Harness::settle();
}

QString TestSoak::brokenInvariant() const {
    QSet<QString> types;
    for (GameWindow *w : Windows::open()) {
        if (w->isHidden()) return QString("%1 is loaded but cannot be seen or closed").arg(w->objectName());
        if (types.contains(w->objectName())) return QString("two %1 windows").arg(w->objectName());
        types.insert(w->objectName());
        if (w->objectName() == "Form3" || w->objectName() == "Form4") {
            bool canGoOn = false;
            for (QAbstractButton *b : w->findChildren<QAbstractButton *>())
                canGoOn = canGoOn || (b->isVisible() && b->isEnabled());
            if (!canGoOn) return QString("%1 has no button left to press").arg(w->objectName());
        }
    }
    for (QWidget *w : QApplication::topLevelWidgets()) {
        auto *gw = qobject_cast<GameWindow *>(w);
        if (gw && gw->isVisible() && !Windows::isLoaded(gw))
            return QString("%1 shown but not loaded").arg(gw->objectName());
    }
    if (auto *form = Windows::find<Form1>())
        for (Control *item : form->inventory->items())
            if (!kTags.value(item->objectName()).contains(item->Tag))
                return QString("%1 has tag '%2'").arg(item->objectName(), item->Tag);
    return {};
}

void TestSoak::randomInputNeverBreaksTheGame() {
    const quint32 seed =
        qEnvironmentVariableIsSet("SOAK_SEED") ? qEnvironmentVariableIntValue("SOAK_SEED") : 20261206;
    const int events =
        qEnvironmentVariableIsSet("SOAK_EVENTS") ? qEnvironmentVariableIntValue("SOAK_EVENTS") : 20000;
    QRandomGenerator rng(seed);
    Harness h;
    int games = 0;
    for (int i = 0; i < events; ++i) {
        if (Windows::open().empty()) {
            // The program ended (Exit, Konec, the lost game, the last window closed): start anew,
            // straight into the game half of the time.
            Windows::reset();
            Harness::settle();
            ++games;
            if (rng.bounded(2))
                Windows::show<Form1>();
            else
                startGame();
        }
        event(rng, h);
        const QString broken = brokenInvariant();
        QVERIFY2(broken.isEmpty(), qPrintable(QString("seed %1, event %2: %3").arg(seed).arg(i).arg(broken)));
    }
    qInfo("%d events, %d programs started", events, games);
}

QTEST_MAIN(TestSoak)
#include "test_soak.moc"
