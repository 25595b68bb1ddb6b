// The runtime the whole game stands on: timers in virtual time, media channels, the window registry,
// and the game window's own controls.
#include "support/harness.h"

#include "game/form1.h"
#include "game/inventory.h"
#include "game/scene.h"
#include "runtime/audioengine.h"
#include "world/start.h"

#include <QMenu>
#include <QTemporaryDir>

class TestFoundation : public QObject {
    Q_OBJECT
  private slots:
    void timersInVirtualTime() {
        Harness h;
        QObject owner;
        QStringList log;
        Timer a(&owner, 300, true, [&] { log << QString("a%1").arg(h.clock.now()); });
        Timer b(&owner, 200, true, [&] { log << QString("b%1").arg(h.clock.now()); });
        Timer off(&owner, 100, false, [&] { log << "off"; });
        int once = 0, restarted = 0;
        Timer *t1 = new Timer(&owner, 100, true);
        t1->onTick = [&] { ++once, t1->setEnabled(false); };
        Timer *t2 = new Timer(&owner, 100, true); // shortened by its own tick, as the beetle's countdown
        t2->onTick = [&] { ++restarted, t2->setInterval(t2->Interval() - 10); };
        Timer *t3 = new Timer(&owner, 50, true);
        t3->onTick = [&] { delete t3; }; // a window unloaded by its own tick
        h.advance(650);
        QCOMPARE(log, QStringList({"b200", "a300", "b400", "a600", "b600"}));
        QCOMPARE(once, 1);
        // ticks at 100, 190, 270, 340, 400, 450, 490, 520, 540, 550; then the interval is 0 and it stops
        QCOMPARE(restarted, 10);
    }
    void fileNamesMatchWithoutRegardToCase() {
        QTemporaryDir dir;
        QDir::setCurrent(dir.path());
        writeToneWav(dir.filePath("hudba8.wav"), 100);
        QVERIFY(resolveMediaFile("Hudba8.wav").endsWith("hudba8.wav"));
        QVERIFY(resolveMediaFile("HUDBA8.WAV").endsWith("hudba8.wav"));
        QVERIFY(resolveMediaFile("hudba9.wav").isEmpty());
    }
    // The game window's own controls: the hover line, INV, a scene container brought in from where it
    // was parked, and the exit's menu with its "Konec".
    void gameWindowControls() {
        Harness h;
        Form1 *f = Windows::show<Form1>();
        Mouse::move(f->Image118);
        QCOMPARE(f->Label1->Caption(), QString("Logo"));
        Mouse::moveTo(f, QPoint(420, 440)); // the panel's bare background
        QCOMPARE(f->Label1->Caption(), QString("Logo"));

        Mouse::click(f->Command2); // INV twice keeps the panel open
        Mouse::click(f->Command2);
        QVERIFY(!f->inventory->Frame2->isHidden());
        QCOMPARE(f->Command2->Picture(), f->inventory->Image111->Picture());

        Control *frame3 = f->start->Frame3;
        QCOMPARE(frame3->Left(), -6360);
        enterParkedScene(frame3);
        frame3->setVisible(false);
        frame3->setVisible(true);
        QCOMPARE(frame3->pos(), QPoint(0, 0));

        Mouse::press(f->end, Qt::RightButton);
        QVERIFY(!f->mnu_menu->isVisible());
        Mouse::press(f->end, Qt::LeftButton);
        QVERIFY(f->mnu_menu->isVisible()); // at the press, without a click
        // The designed two entries, and the settings beside them.
        QStringList entries;
        for (QAction *a : f->mnu_menu->actions())
            entries << a->text();
        QCOMPARE(entries, QStringList({"Hlavní Menu", "Konec", "Nastavení…"}));
        // "Konec" ends the program at once: no unload handler sends "Close".
        f->endgamehra->trigger();
        QVERIFY(h.programEnded() && Windows::open().empty());
        QCOMPARE(f->MMControl2->Command(), QString());
        Harness::settle();
    }
    void closingGameWindowClosesBothChannels() {
        Harness h;
        QTemporaryDir dir;
        QDir::setCurrent(dir.path());
        writeToneWav(dir.filePath("police.wav"), 44100 * 5);
        writeToneWav(dir.filePath("hudba7.mid"), 10);
        Form1 *f = Windows::show<Form1>();
        h.advance(26000);
        QVERIFY(f->MMControl2->isSounding()); // the siren
        f->close();
        renderPeak(20); // the siren fades out
        QCOMPARE(renderPeak(50), 0.0f);
    }
};

QTEST_MAIN(TestFoundation)
#include "test_foundation.moc"
