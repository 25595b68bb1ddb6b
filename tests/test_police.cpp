// The police station and the conversation windows, past what the whole-game test already plays: the
// homeless man step by step as the counter moves, what a refusal leaves alone, the scenes covering one
// another, and the conversations that must never get stuck or go on under a frame.
#include "support/game.h"
#include "support/harness.h"

#include "game/form1.h"
#include "game/inventory.h"
#include "scenes/form3.h"
#include "scenes/form4.h"
#include "world/police.h"

#include <QWindow>

namespace {
// A conversation opened as its opener does it: the window, then the conversation's frame.
GameWindow *openTalk(bool bar, const QString &frame) {
    GameWindow *w = bar ? static_cast<GameWindow *>(Windows::show<Form4>()) : Windows::show<Form3>();
    if (!frame.isEmpty()) w->findChild<Control *>(frame)->setVisible(true);
    return w;
}
} // namespace

class TestPolice : public QObject {
    Q_OBJECT
  private slots:
    void homelessManFollowsTheCounter();
    void splitWoodRefusals_data();
    void splitWoodRefusals();
    void fastPressesNeverLeaveATalkOpen_data();
    void fastPressesNeverLeaveATalkOpen();
    void firstTalkTellsTheGameOnlyAtItsEnd();
    void onlyTheTopTalkGoesOn_data();
    void onlyTheTopTalkGoesOn();
};

// Each step sees what the one before wrote: after the first talk he only repeats his wish; the crate
// gives acid only after the fire, and then he reacts to nothing more.
void TestPolice::homelessManFollowsTheCounter() {
    Harness h;
    Form1 *form = openOnMap();
    PoliceArea &p = *form->police;
    Inventory &inv = *form->inventory;
    standIn(p.hause);
    inv.Odmerka->setVisible(true);
    p.Label2->setCaption("2"); // the first talk played to its end
    Mouse::click(p.Image39);
    QCOMPARE(message(), QString("Radši mu sežěň ty zápalky a dříví, jinak ti nedá tu hořlavinu"));
    h.advance(36);
    QVERIFY(!Windows::find<Form3>());
    QCOMPARE(p.Label2->Caption(), QString("2"));
    dismiss();
    Mouse::click(form->Command2);
    Mouse::drag(inv.Odmerka, p.Image40);
    QCOMPARE(message(), QString("To nepůjde, ne"));
    QVERIFY(inv.Odmerka->Tag == "Odmerka" && p.Label2->Caption() == "2");
    dismiss();
    inv.Image11->Tag = "Ohen"; // the castle and the second talk played, the match lit the wood
    Mouse::drag(inv.Image11, p.Image39);
    dismiss();
    Mouse::drag(inv.Odmerka, p.Image40);
    dismiss();
    QCOMPARE(inv.Odmerka->Picture(), inv.Odmerka11->Picture());
    QCOMPARE(inv.Odmerka->DragIcon, inv.Odmerka11->DragIcon);
    // He takes no more, and the yard cannot be entered again.
    inv.banan->setVisible(true);
    Mouse::drag(inv.banan, p.Image39);
    Mouse::click(p.Image39);
    QCOMPARE(message(), QString());
    QVERIFY(!Windows::find<Form3>() && inv.banan->Visible());
    Mouse::click(p.Image35);
    Mouse::click(p.Image32);
    QVERIFY(p.hause->isHidden());
}

// The split wood passes in silence everywhere but at the flower, and changes nothing.
void TestPolice::splitWoodRefusals_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("answer");
    QTest::newRow("bin") << "Image36" << QString();
    QTest::newRow("officer") << "Image37" << QString();
    QTest::newRow("flower") << "Image54" << QString("To nepůjde, ne");
}

void TestPolice::splitWoodRefusals() {
    QFETCH(QString, target);
    QFETCH(QString, answer);
    Harness h;
    Form1 *form = openOnMap();
    PoliceArea &p = *form->police;
    Control *wood = form->inventory->Image11;
    wood->Tag = "drivko"; // the wood after it split the cap
    standIn(p.police2);
    Mouse::click(form->Command2);
    Mouse::drag(wood, p.police2->findChild<Control *>(target));
    QCOMPARE(message(), answer);
    QVERIFY(wood->Visible() && wood->Tag == "drivko");
    QVERIFY(p.Label2->Caption() == "0" && p.Image32->Enabled() && !Windows::find<Form3>());
}

void TestPolice::fastPressesNeverLeaveATalkOpen_data() {
    QTest::addColumn<bool>("bar");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("lines");
    QTest::newRow("officer") << false << QString() << "Command1" << 6;
    QTest::newRow("computer") << true << QString("Frame1") << "Command2" << 7;
}

// Two presses between two ticks skip a line, but even a burst past the end closes the window at the
// next tick.
void TestPolice::fastPressesNeverLeaveATalkOpen() {
    QFETCH(bool, bar);
    QFETCH(QString, frame);
    QFETCH(QString, button);
    QFETCH(int, lines);
    for (int burst : {2, lines + 4}) {
        Harness h;
        GameWindow *w = openTalk(bar, frame);
        auto *b = w->findChild<ButtonControl *>(button);
        for (int i = 0; i < lines - burst + 1; ++i) {
            h.advance(36);
            Mouse::click(b);
        }
        for (int i = 0; i < burst; ++i)
            Mouse::click(b);
        h.advance(36);
        QVERIFY2(!Windows::isLoaded(w), qPrintable(QString("burst %1").arg(burst)));
    }
}

// Left open at its last line the first talk changes nothing; its end sets the counter, and without the
// game window it ends all the same and never opens one.
void TestPolice::firstTalkTellsTheGameOnlyAtItsEnd() {
    for (bool game : {true, false}) {
        Harness h;
        LabelControl *counter = game ? Windows::show<Form1>()->police->Label2 : nullptr;
        auto *w = static_cast<Form3 *>(openTalk(false, "Frame1"));
        for (int i = 0; i < 7; ++i) {
            h.advance(i == 6 ? 5000 : 36);
            QVERIFY(!counter || counter->Caption() == "0");
            Mouse::click(w->Command2);
        }
        h.advance(36);
        QVERIFY(!Windows::find<Form3>());
        QCOMPARE(Windows::find<Form1>() != nullptr, game);
        QVERIFY(!counter || counter->Caption() == "2");
    }
}

void TestPolice::onlyTheTopTalkGoesOn_data() {
    QTest::addColumn<bool>("bar");
    QTest::addColumn<QStringList>("frames"); // opened in this order over the window's own talk
    QTest::addColumn<QList<int>>("counts");  // the own talk's counter, then each frame's
    QTest::newRow("both homeless talks over the officer")
        << false << QStringList{"Frame1", "Frame2"} << QList<int>{1, 0, 3};
    QTest::newRow("computer over the guard") << true << QStringList{"Frame1"} << QList<int>{1, 3};
}

// The buttons under a visible frame can be neither hit, nor reached by the keyboard, nor pressed by a key
// sent straight to them; opening another talk reloads nothing.
void TestPolice::onlyTheTopTalkGoesOn() {
    QFETCH(bool, bar);
    QFETCH(QStringList, frames);
    QFETCH(QList<int>, counts);
    Harness h;
    GameWindow *w = openTalk(bar, "");
    h.advance(36);
    Mouse::click(w->findChild<ButtonControl *>("Command1"));
    h.advance(36);
    for (const QString &frame : frames)
        QCOMPARE(openTalk(bar, frame), w);
    auto button = [w](qsizetype n) { return w->findChild<ButtonControl *>(QString("Command%1").arg(n)); };
    QCOMPARE(w->focusWidget(), button(frames.size() + 1));
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(w->windowHandle(), Qt::Key_Tab);
        QTest::keyClick(w->windowHandle(), Qt::Key_Space);
        for (qsizetype n = 1; n <= frames.size(); ++n) {
            QVERIFY(Mouse::hitAt(w, Mouse::centreOf(button(n))) != button(n));
            QTest::keyClick(button(n), Qt::Key_Space);
        }
        h.advance(36);
    }
    const char *const counters[] = {"Label2", "Label3", "Label6"};
    for (qsizetype n = 0; n < counts.size(); ++n)
        QCOMPARE(w->findChild<LabelControl *>(counters[n])->number(), counts[n]);
}

QTEST_MAIN(TestPolice)
#include "test_police.moc"
