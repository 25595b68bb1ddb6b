// The game on today's desktop: its size on the screen and the command line, a double-click that is
// one click on the game's pictures, and drops that stop at the windows lying on the game window.
#include "support/game.h"
#include "support/harness.h"

#include "game/app.h"
#include "game/form1.h"
#include "game/inventory.h"
#include "runtime/scale.h"
#include "scenes/form3.h"
#include "scenes/form4.h"
#include "shell/form2.h"
#include "world/bar.h"
#include "world/villa.h"

#include <QProcess>

class TestDesktop : public QObject {
    Q_OBJECT
  private slots:
    // Screens of 2560 x 1440, 1920 x 1080, 1920 x 1200, 1440 x 900, 3200 x 1800, 5K, 1024 x 768 and 4K: the
    // size left to the game in the desktop's logical pixels, and the factor for it.
    void scaleForTheScreen_data() {
        QTest::addColumn<QString>("row");
        for (const char *row : {"2560 1400 2", "1920 1040 1.5", "1920 1160 1.75", "1440 860 1.25",
                                "3200 1760 2.5", "5120 2840 4", "1024 740 1", "3840 2120 3"})
            QTest::newRow(row) << QString(row);
    }
    void scaleForTheScreen() {
        QFETCH(QString, row);
        const QSizeF available(row.section(' ', 0, 0).toDouble(), row.section(' ', 1, 1).toDouble());
        const qreal factor = row.section(' ', 2).toDouble();
        QCOMPARE(Scale::choose(available), factor);
        // The player's --scale wins; a QT_SCALE_FACTOR of the user's own stands alone.
        QCOMPARE(Scale::decide(std::nullopt, false, available), std::optional<qreal>(factor));
        QCOMPARE(Scale::decide(1.75, true, available), std::optional<qreal>(1.75));
        QCOMPARE(Scale::decide(std::nullopt, true, available), std::nullopt);
    }
    // In a Wayland session the game runs on the X server beside it, where it can place its own windows;
    // without an X server, or where the user asks for Wayland, Qt chooses (QT_QPA_PLATFORM, DISPLAY,
    // WAYLAND_DISPLAY, XDG_SESSION_TYPE).
    void windowSystem() {
        QCOMPARE(QByteArray(preferredPlatform("", ":0", "wayland-0", "wayland")), QByteArray("xcb;wayland"));
        QCOMPARE(QByteArray(preferredPlatform("", "", "wayland-0", "wayland")), QByteArray());
        QCOMPARE(QByteArray(preferredPlatform("wayland", ":0", "wayland-0", "wayland")), QByteArray());
    }
    void badOptionsStopWithStatusTwo_data() {
        QTest::addColumn<QStringList>("args");
        for (const char *args : {"--scale 9", "--fullscreen", "--lang de", "save.game"})
            QTest::newRow(args) << QString(args).split(' ');
    }
    // The real program, with no screen at all: a mistyped option is one line on stderr and status 2.
    void badOptionsStopWithStatusTwo() {
        QFETCH(QStringList, args);
        QProcess game;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        game.setProcessEnvironment(env);
        game.start(ZUR_GAME, args);
        QVERIFY(game.waitForFinished(10000));
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QCOMPARE(game.exitCode(), 2);
        const QString err = QString::fromLocal8Bit(game.readAllStandardError());
        QCOMPARE(err.count('\n'), 1);
        QVERIFY(err.startsWith("zur-ev-edivu: "));
        QVERIFY(game.readAllStandardOutput().isEmpty());

        game.start(ZUR_GAME, {"--help"});
        QVERIFY(game.waitForFinished(10000));
        QCOMPARE(game.exitCode(), 0);
        QVERIFY(game.readAllStandardOutput().contains("--lang"));
    }
    // Right after the computer's talk a double-click on the stairs enters the corridor; the second press,
    // landing on a door beneath the pointer, does not open it: the game goes on.
    void doubleClickOnTheStairsStopsInTheCorridor() {
        Harness h;
        Form1 *f = openOnMap();
        BarArea *b = f->bar.get();
        standIn(b->barin);
        Mouse::click(b->Image75);
        Windows::unload(Windows::find<Form4>()); // the computer's talk, read to its end
        QTest::mouseDClick(f->windowHandle(), Qt::LeftButton, Qt::NoModifier, Mouse::centreOf(b->Image79));
        Harness::settle();
        QVERIFY(!b->barukol->isHidden());
        // The second press landed on a door of the corridor, and the end did not come over it.
        QWidget *underPointer = Mouse::hitAt(f, Mouse::centreOf(b->Image79));
        QVERIFY(b->barukol->isAncestorOf(underPointer) && !b->no->isAncestorOf(underPointer));
        h.advance(5000);
        QVERIFY(!h.programEnded());
        // Buttons are not pictures: every press of "Dále" counts, however quick.
        Form3 *talk = Windows::show<Form3>();
        QTest::mouseDClick(talk->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                           Mouse::centreOf(talk->Command1));
        QCOMPARE(talk->Label2->Caption(), QString("2"));
    }
    // The message dialog lies on the villa's door: the clip released on the dialog does not open the door
    // hidden beneath it, and dragging it over the dialog writes no hover text of the door.
    void dropOnTheMessageDialogReachesNoHotspot() {
        Harness h;
        Form1 *f = openOnMap();
        VillaArea *v = f->villa.get();
        standIn(v->vilavstup);
        Control *clip = f->inventory->spona;
        clip->show();
        Mouse::click(f->Command2);
        showMessage(QString::fromUtf8("Ne, takhle to nelze použít")); // a message left open
        // The player leaves it lying over the middle of the door, but not over the clip.
        Form2 *dialog = Windows::find<Form2>();
        const QPoint door = v->Image98->mapToGlobal(v->Image98->rect().center());
        dialog->move(door - QPoint(8, 8));
        QVERIFY(dialog->frameGeometry().contains(door));
        QVERIFY(!dialog->frameGeometry().contains(clip->mapToGlobal(clip->rect().center())));
        Mouse::drag(clip, v->Image98);
        QVERIFY(v->vilain->isHidden());
        QVERIFY(!clip->isHidden());
        QCOMPARE(message(), QString::fromUtf8("Ne, takhle to nelze použít"));
        QVERIFY(f->Label1->Caption() != QString::fromUtf8("Použít sponu na odemknutí dveří"));

        // Once the player has put the dialog away, the same drop opens the door.
        dismiss();
        Mouse::drag(clip, v->Image98);
        QVERIFY(!v->vilain->isHidden());
    }
};

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
