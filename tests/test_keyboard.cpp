// The game with the keyboard alone: the order the focus takes through scenes whose hotspots overlap,
// hide or lock; the focus mark, the alert and the conversation lines a screen reader is told; Escape,
// the menus, and the mouse and the keyboard taking turns. The whole game by keys, and the name a screen
// reader reads of each hotspot, are played in test_walkthrough.
#include "support/game.h"
#include "support/harness.h"

#include "game/form1.h"
#include "game/inventory.h"
#include "game/keyboard.h"
#include "runtime/focusring.h"
#include "scenes/form3.h"
#include "shell/form2.h"
#include "shell/menu.h"
#include "world/start.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>

namespace {
// A key to the window that has the keyboard, through real delivery.
void key(int k) {
    QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key(k));
    Harness::settle();
}

QString accessibleName(QWidget *w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

QWidget *mark(Form1 *f) {
    return f->findChild<QWidget *>("focusMark");
}

// The player brings a window to the front (a click on its frame).
void activate(QWidget *w) {
    w->activateWindow();
    Harness::settle();
}
} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
  private slots:
    void focusOrder_data() {
        QTest::addColumn<QString>("scene");
        QTest::addColumn<QString>("order");
        const auto row = [](const char *name, const char *scene, const char *order) {
            QTest::newRow(name) << QString(scene) << QString(order);
        };
        // Top to bottom, then left to right by the centres; the panel's buttons, then the open inventory.
        row("crash site: the entrance on the rock, the door on the rocket", "",
            "Image5 Image2 Image7 Image3 Image4 Command1 Command2 end");
        row("cave over the crash site, inventory open", "Frame1 inventory",
            "Image9 Image8 Command1 Command2 end Image11 cepka Command3");
        row("cockpit with the card in: the slot is locked", "Raketa card",
            "Image14 Image12 Command1 Command2 end");
        row("city map", "map",
            "Image21 Image22 Image25 Image16 Image24 Image17 Image23 Image20 Command1 Command2 end");
    }
    void focusOrder() {
        QFETCH(QString, scene);
        QFETCH(QString, order);
        Harness h;
        Form1 *f = Windows::show<Form1>();
        for (const QString &step : scene.split(' ', Qt::SkipEmptyParts)) {
            if (step == "inventory")
                f->Command2_Click();
            else if (step == "card")
                f->start->Image13->setEnabled(false);
            else
                standIn(f->findChild<Control *>(step));
        }
        Harness::settle();
        FocusRing *ring = FocusRing::of(f);
        QStringList members;
        for (QWidget *w : ring->members())
            members << w->objectName();
        QCOMPARE(members.join(' '), order);
        // Entering the scene put the focus on its first hotspot; Shift+Tab goes round to the last.
        QCOMPARE(ring->current()->objectName(), order.section(' ', 0, 0));
        ring->setShown(true);
        key(Qt::Key_Backtab);
        QCOMPARE(ring->current()->objectName(), order.section(' ', -1));
    }
    void whatTheEyeAndTheScreenReaderAreTold() {
        Harness h;
        Form1 *f = Windows::show<Form1>();
        Harness::settle();
        FocusRing *ring = FocusRing::of(f);
        ring->setShown(true);
        key(Qt::Key_Left); // from the rock, the nearest to the left: the plant below it
        QCOMPARE(ring->current(), f->start->Image4);
        key(Qt::Key_Up); // back up to the rock, then down to the entrance in it
        key(Qt::Key_Down);
        Control *entrance = f->start->Image7;
        // The focus is the window's own keyboard focus, so a screen reader is told of it and reads its name.
        QVERIFY(entrance->hasFocus() && QAccessible::queryAccessibleInterface(entrance)->state().focused);
        QCOMPARE(f->Label1->Caption(), QString("Je to vchod do jeskyně"));
        // The mark lies around it and stands out from the black cave and the bright sand alike: gold
        // between dark edges, whole pixels of the screen at any scale.
        QVERIFY(mark(f)->isVisible() && mark(f)->geometry().contains(entrance->geometry()));
        const QImage drawn = f->grab(mark(f)->geometry()).toImage();
        const int edge = qRound(drawn.devicePixelRatio());
        QCOMPARE(drawn.pixelColor(drawn.width() / 2, 0), QColor(0x1e, 0x1a, 0x2e));
        QCOMPARE(drawn.pixelColor(drawn.width() / 2, edge), QColor(0xff, 0xd8, 0x3b));

        key(Qt::Key_Return);
        QCOMPARE(ring->current(), f->start->Image9); // the new scene's first hotspot
        QCOMPARE(accessibleName(f->findChild<QWidget *>("announcer")),
                 QString("jsi v nějaké jeskyni, ale nic moc tu není, jen nějaká skříňka"));
        key(Qt::Key_Space);
        // The message takes the keyboard and is read as an alert; closed, the game window has it again.
        auto *dialog = Windows::find<Form2>();
        QVERIFY(dialog && QApplication::activeWindow() == dialog);
        QCOMPARE(QAccessible::queryAccessibleInterface(dialog)->role(), QAccessible::AlertMessage);
        QCOMPARE(accessibleName(dialog), QString("V bedně byl klíč, tak jsi ho vzal!?!"));
        key(Qt::Key_Return);
        QVERIFY(!Windows::find<Form2>() && QApplication::activeWindow() == f);

        // A conversation's first line is read with its focused button, every next one as a notification.
        auto *talk = Windows::show<Form3>();
        h.advance(36);
        QVERIFY(talk->Command1->hasFocus());
        QCOMPARE(talk->Command1->accessibleDescription(), QString("Dobrý den pane policajte!"));
        key(Qt::Key_Return);
        h.advance(36);
        QWidget *told = talk->findChild<QWidget *>("announcer");
        QCOMPARE(QAccessible::queryAccessibleInterface(told)->role(), QAccessible::Notification);
        QCOMPARE(accessibleName(told), QString("Nezdržujte, co chcete!?!"));
    }
    void escapeMenusAndTheMouseTakingTurns() {
        Harness h;
        Form1 *f = Windows::show<Form1>();
        Harness::settle();
        FocusRing *ring = FocusRing::of(f);
        Inventory &inv = *f->inventory;
        // Played with the mouse, nothing of the keyboard is seen.
        Mouse::click(f->Command2);
        QVERIFY(!ring->shown() && !mark(f)->isVisible());

        // A key shows the focus where it was; the mouse moving elsewhere writes its text but leaves the
        // focus; a click hides the mark until the next key.
        key(Qt::Key_Down);
        QWidget *focused = ring->current();
        QVERIFY(mark(f)->isVisible());
        Mouse::move(f->start->Image4);
        QCOMPARE(f->Label1->Caption(), QString("Je to obyčejná rostlinka"));
        QCOMPARE(ring->current(), focused);
        QVERIFY(focused->hasFocus() && mark(f)->isVisible());

        // Escape puts the item in hand back; with nothing in hand it closes the inventory.
        ring->setCurrent(inv.Image11);
        key(Qt::Key_Return);
        QCOMPARE(ring->held(), inv.Image11);
        QCOMPARE(QAccessible::queryAccessibleInterface(ring->current())->text(QAccessible::Description),
                 "V ruce: " + inv.Image11_Text());
        key(Qt::Key_Escape);
        QVERIFY(!ring->held() && inv.Frame2->isVisible());
        key(Qt::Key_Escape);
        QVERIFY(inv.Frame2->isHidden());
        key(Qt::Key_I);
        QVERIFY(inv.Frame2->isVisible());

        // A drag with the mouse while the keyboard holds an item: the keyboard's item goes back first.
        ring->setCurrent(inv.cepka);
        key(Qt::Key_Return);
        Mouse::drag(inv.Image11, inv.cepka);
        QVERIFY(!ring->held() && !mark(f)->isVisible());
        QCOMPARE(message(), QString("Odštípl jsi železný předmět o podobě nějaké kredit karty z čepice"));
        QVERIFY(!QApplication::overrideCursor());
        dismiss();

        // Exit opens the menu, whose entries the arrows and Enter choose.
        activate(f);
        ring->setCurrent(f->end);
        key(Qt::Key_Up); // after the mouse, the first key only shows the focus again
        QCOMPARE(ring->current(), f->end);
        key(Qt::Key_Return);
        QCOMPARE(QApplication::activePopupWidget(), f->mnu_menu);
        QCOMPARE(f->mnu_menu->activeAction(), f->tomainmenu);
        key(Qt::Key_Return);
        QVERIFY(Windows::find<menu>());

        // The key list opens with F1 and closes with Escape.
        activate(f);
        key(Qt::Key_F1);
        QVERIFY(Windows::find<keyhelp>());
        key(Qt::Key_Escape);
        QVERIFY(!Windows::find<keyhelp>() && !Windows::programEnded());
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
