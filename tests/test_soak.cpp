// Thousands of random inputs from a fixed seed, by the long-play tool's restless player, with time
// passing between them. After every one the game must still hold together. A failure names the seed and the
// event, so it replays (SOAK_SEED=n SOAK_EVENTS=m).
#include "support/harness.h"

#include "game/app.h"
#include "game/form1.h"
#include "game/inventory.h"
#include "tools/randomplayer.h"

#include <QAbstractButton>
#include <QApplication>
#include <set>

namespace {
// The states each item may be in; anything else means the inventory was corrupted.
const QString kTags =
    " klicek=Key Image11=drevo|drivko|Ohen cepka=|karta banan=jidlo1 Odmerka=Odmerka|Odmerka2 "
    "Pavoukva=a Houbava=Voda Zapalkava=fire c=c notebook=notebook dopis=|a spona=sponka "
    "klic=klic disk=game musle=musle|vorna vorna=vorna dynam=dynam|dynam1 benzin=benzin "
    "dynambum=";

QString brokenInvariant() {
    std::set<QString> types;
    for (GameWindow *w : Windows::open()) {
        if (w->isHidden()) return QString("%1 is loaded but cannot be seen or closed").arg(w->objectName());
        if (!types.insert(w->objectName()).second) return QString("two %1 windows").arg(w->objectName());
        if (w->objectName() == "Form3" || w->objectName() == "Form4") {
            const auto buttons = w->findChildren<QAbstractButton *>();
            if (std::none_of(buttons.begin(), buttons.end(),
                             [](auto *b) { return b->isVisible() && b->isEnabled(); }))
                return QString("%1 has no button left to press").arg(w->objectName());
        }
    }
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *gw = qobject_cast<GameWindow *>(w); gw && gw->isVisible() && !Windows::isLoaded(gw))
            return QString("%1 shown but not loaded").arg(gw->objectName());
    if (auto *form = Windows::find<Form1>())
        for (Control *item : form->inventory->items())
            if (const QString key = " " + item->objectName() + "=";
                !kTags.contains(key) ||
                !kTags.section(key, 1).section(' ', 0, 0).split('|').contains(item->Tag))
                return QString("%1 has tag '%2'").arg(item->objectName(), item->Tag);
    return {};
}
} // namespace

class TestSoak : public QObject {
    Q_OBJECT
  private slots:
    void randomInputNeverBreaksTheGame() {
        const quint32 seed = qEnvironmentVariable("SOAK_SEED", "20261206").toUInt();
        const int events = qEnvironmentVariable("SOAK_EVENTS", "20000").toInt();
        RandomPlayer player(seed);
        Harness h;
        int games = 0;
        for (int i = 0; i < events; ++i) {
            if (Windows::open().empty()) {
                // The program ended (Exit, Konec, the lost game, the last window closed): start anew,
                // straight into the game half of the time.
                Windows::reset();
                Harness::settle();
                ++games;
                player.rng.bounded(2) ? (void)Windows::show<Form1>() : startGame();
            }
            // A quarter of the events let time pass: mostly a moment, now and then some seconds.
            const QString input = player.rng.bounded(4)
                                      ? player.step()
                                      : (h.advance(player.rng.bounded(3) ? int(player.rng.bounded(400))
                                                                         : int(player.rng.bounded(8000))),
                                         QString("time"));
            Harness::settle();
            const QString broken = brokenInvariant();
            QVERIFY2(broken.isEmpty(),
                     qPrintable(QString("seed %1, event %2 (%3): %4").arg(seed).arg(i).arg(input, broken)));
        }
        qInfo("%d events, %d programs started", events, games);
    }
};

QTEST_MAIN(TestSoak)
#include "test_soak.moc"
