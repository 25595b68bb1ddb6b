// The game in the headless weston with Xwayland that tests/xdesktop/wayland.sh starts. Started as a
// player starts it, it is an X window, centred. On Wayland itself it takes its size from the screen
// the compositor reports, opens its windows where the compositor puts them, keeps them as designed,
// and plays, with an item dragged onto the scene while a message lies open somewhere the game cannot
// know. Pictures of both are left in WAYLAND_SHOTS.
#include "support/game.h"
#include "support/harness.h"

#include "game/app.h"
#include "game/form1.h"
#include "game/inventory.h"
#include "runtime/cursors.h"
#include "runtime/scale.h"
#include "shell/form2.h"
#include "shell/menu.h"
#include "world/start.h"

#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

namespace {
// The compositor tells a window that the pointer came into it before any press there.
void pointerInto(QWidget *window) {
    QWindowSystemInterface::handleEnterEvent<QWindowSystemInterface::SynchronousDelivery>(
        window->windowHandle(), QPointF(1, 1), window->mapToGlobal(QPointF(1, 1)));
}

// A picture of the whole session (nothing where weston-screenshooter fails).
QImage picture(const QString &name) {
    const QString dir = qEnvironmentVariable("WAYLAND_SHOTS");
    QProcess shooter;
    shooter.setWorkingDirectory(dir);
    // A picture a busy compositor finished too late for the last call would make the names ambiguous.
    shooter.start("sh", {"-c", "rm -f wayland-screenshot-*.png; weston-screenshooter >/dev/null && "
                               "mv wayland-screenshot-*.png " +
                                   name});
    if (!shooter.waitForFinished(30000)) return {};
    return QImage(dir + '/' + name);
}

// The black inside of the splash's green border, where it lies on the screen (weston's panel and
// background have no black).
QRect blackArea(const QImage &screen) {
    QRect box;
    for (int y = 40; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x)
            if (qGray(screen.pixel(x, y)) < 12) box |= QRect(x, y, 1, 1);
    return box;
}
} // namespace

class TestWayland : public QObject {
    Q_OBJECT
  private slots:
    // In this Wayland session with DISPLAY set, the game is an X window (class zur-ev-edivu), and its splash
    // lies in the middle of the screen: weston's X window manager shows it where the game put it.
    void startedByAPlayerItRunsOnX() {
        QProcess game;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM");
        env.insert("XDG_SESSION_TYPE", "wayland");
        env.insert("SDL_AUDIODRIVER", "dummy");
        game.setProcessEnvironment(env);
        game.start(qEnvironmentVariable("ZUR_GAME"));
        auto onX = [] {
            QProcess tree;
            tree.start("xwininfo", {"-root", "-tree"});
            return tree.waitForFinished(30000) &&
                   tree.readAll().contains(R"("Zur ev Edivu": ("zur-ev-edivu")");
        };
        QVERIFY(QTest::qWaitFor(onX, 30000));
        // The splash is 6375 x 3270 twips, 638 x 327 pixels at 1.5, inside a one-pixel border. It is shown
        // for 3.6 s; a picture can take longer on a busy machine, so the game is held still while one is
        // taken and let go on for a moment between pictures, until its splash has been drawn.
        QRect splash;
        const QString pid = QString::number(game.processId());
        for (int i = 0; i < 10 && splash.width() <= 600; ++i) {
            QTest::qWait(150);
            QProcess::execute("kill", {"-STOP", pid});
            splash = blackArea(picture("default-x.png"));
            QProcess::execute("kill", {"-CONT", pid});
        }
        QVERIFY2(splash.width() > 600, "the splash never showed");
        game.kill();
        game.waitForFinished();
        QVERIFY2((splash.center() - QPoint(960, 540)).manhattanLength() <= 3,
                 qPrintable(QString("the splash lies at %1, %2").arg(splash.x()).arg(splash.y())));
    }
    // The 1920 x 1080 output, read as Wayland reports it, makes the game one and a half times as large.
    void initTestCase() {
        QVERIFY(QGuiApplication::platformName().startsWith("wayland"));
        const QSizeF available = QGuiApplication::primaryScreen()->availableGeometry().size();
        const auto factor = Scale::decide(std::nullopt, false, available);
        QCOMPARE(factor, std::optional<qreal>(1.5));
        Scale::apply(*factor);
        // A Wayland cursor is a surface at the compositor's scale (here 1): the game's cursors are drawn
        // one and a half times as large, their hot spots scaled with them, in the surface's pixels.
        for (auto [kind, hot] :
             {std::pair{CursorKind::Take, QPoint(21, 2)}, {CursorKind::Back, QPoint(24, 45)}}) {
            const QCursor c = gameCursor(kind);
            QCOMPARE(c.pixmap().size(), QSize(48, 48));
            QCOMPARE(c.pixmap().devicePixelRatio(), 1.0);
            QCOMPARE(c.hotSpot(), hot);
        }
    }
    void playsFromTheMenuToTheUnlockedDoor() {
        Harness h;
        startGame();
        h.advance(3600);
        menu *m = Windows::find<menu>();
        QVERIFY(m && QTest::qWaitForWindowExposed(m));
        QCOMPARE(m->size(), QSize(263, 199)); // 3945 x 2985 twips
        QCOMPARE(m->devicePixelRatio(), 1.5);
        Mouse::click(m->Command1); // "Nová Hra"
        h.advance(7000);
        h.advance(361);
        Form1 *f = Windows::find<Form1>();
        QVERIFY(f && QTest::qWaitForWindowExposed(f));
        StartArea *s = f->start.get();
        Inventory *inv = f->inventory.get();
        Mouse::click(s->Image7); // the cave
        Mouse::click(s->Image9); // the box in it
        QCOMPARE(message(), QString::fromUtf8("V bedně byl klíč, tak jsi ho vzal!?!"));
        QVERIFY(QTest::qWaitForWindowExposed(Windows::find<Form2>()));
        Mouse::click(s->Image8); // out of the cave, the message left open
        Mouse::click(f->Command2);
        pointerInto(f);
        // The key dropped on the door: the message lies wherever the compositor put it, and the game
        // window the pointer is in takes the drop.
        Mouse::drag(inv->klicek, s->Image3);
        QCOMPARE(message(), QString::fromUtf8("Odemkl jsi dveře"));
        QVERIFY(QTest::qWaitForWindowExposed(Windows::find<Form2>()));

        // A picture of the session with the menu, the game and the message on it, once weston has faded
        // out the windows closed on the way (about a quarter of a second; the picture checks nothing).
        QTest::qWait(1500);
        if (picture("native-wayland.png").isNull()) qWarning("no picture taken");

        // The close box unloads the game; the menu behind it stays.
        f->close();
        h.advance(0);
        QVERIFY(!Windows::find<Form1>());
        QVERIFY(Windows::find<menu>() && !h.programEnded());
    }
    // Qt's own frame on Wayland offers a maximise and a minimise box the design does not have: what they
    // do is undone, and the window is back on the screen at its size.
    void windowsStayAsDesigned() {
        Harness h;
        menu *m = Windows::show<menu>();
        QVERIFY(QTest::qWaitForWindowExposed(m));
        for (Qt::WindowState pressed : {Qt::WindowMaximized, Qt::WindowMinimized}) {
            m->windowHandle()->setWindowState(pressed); // what the frame's box does
            QVERIFY(QTest::qWaitFor(
                [&] { return m->windowState() == Qt::WindowNoState && m->windowHandle()->isExposed(); }));
            QCOMPARE(m->size(), QSize(263, 199));
        }
    }
};

QTEST_MAIN(TestWayland)
#include "wtest_wayland.moc"
