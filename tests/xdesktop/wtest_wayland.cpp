// The game on Wayland itself, in the headless weston that tests/xdesktop/wayland.sh starts: it takes
// its size from the screen the compositor reports, opens its windows where the compositor puts them,
// keeps them as designed, and plays, with items dragged onto the scene while a message lies open
// somewhere the game cannot know.
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

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
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
} // namespace

class TestWayland : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void playsFromTheMenuToTheLaunch();
    void windowsStayAsDesigned();
};

// The 1920 x 1080 output, read as Wayland reports it, makes the game one and a half times as large.
void TestWayland::initTestCase() {
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

void TestWayland::playsFromTheMenuToTheLaunch() {
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
    dismiss();
    pointerInto(f);
    Mouse::click(s->Image3); // into the rocket
    Mouse::drag(inv->Image11, inv->cepka);
    QVERIFY(message().startsWith(QString::fromUtf8("Odštípl jsi")));
    Mouse::drag(inv->cepka, s->Image13);
    QCOMPARE(message(), QString::fromUtf8("Zalogoval jses a loď nastartovala"));
    QVERIFY(QTest::qWaitForWindowExposed(Windows::find<Form2>()));

    // A picture of the session with the menu, the game and the message on it, once weston has faded
    // out the windows closed on the way (about a quarter of a second; the picture checks nothing).
    const QString shot = qEnvironmentVariable("WAYLAND_SHOT");
    if (!shot.isEmpty()) {
        QTest::qWait(1500);
        QProcess shooter;
        shooter.setWorkingDirectory(QFileInfo(shot).absolutePath());
        shooter.start("sh", {"-c", "weston-screenshooter && mv wayland-screenshot-*.png " + shot});
        const bool done = QTest::qWaitFor([&] { return shooter.state() == QProcess::NotRunning; }, 30000);
        if (!done || !QFile::exists(shot)) qWarning("no picture taken");
    }

    // The close box unloads the game; the menu behind it stays.
    f->close();
    h.advance(0);
    QVERIFY(!Windows::find<Form1>());
    QVERIFY(Windows::find<menu>() && !h.programEnded());
}

// Qt's own frame on Wayland offers a maximise and a minimise box the design does not have: what they
// do is undone, and the window is back on the screen at its size.
void TestWayland::windowsStayAsDesigned() {
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

QTEST_MAIN(TestWayland)
#include "wtest_wayland.moc"
