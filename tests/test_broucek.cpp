// The beetle minigame: kills with the mouse, the shrinking countdown, the win at a hundred, the one
// result message and what closing the window does to the game's music.
#include "support/harness.h"

#include "game/form1.h"
#include "game/inventory.h"
#include "runtime/mediachannel.h"
#include "scenes/broucek.h"

#include <QApplication>
#include <QFontInfo>
#include <QMessageBox>

namespace {
const QString kLost = QStringLiteral("Jsi mrtev, nestihl jsi broucka zabit");
const QString kWon = QStringLiteral("Vyhrál jsi");

// Every result message on screen, in any window.
QList<QMessageBox *> resultBoxes() {
    QList<QMessageBox *> out;
    for (QWidget *w : QApplication::allWidgets())
        if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) out << box;
    return out;
}

// A kill as the player makes it: a click at the middle of the beetle, which must lie on top there.
void kill(Broucek *b) {
    QCOMPARE(Mouse::hitAt(b, Mouse::centreOf(b->Image1)), b->Image1);
    Mouse::click(b->Image1);
}

void killTimes(Broucek *b, int n) {
    for (int i = 0; i < n; ++i)
        kill(b);
}

void acknowledge(QMessageBox *box) {
    Mouse::click(box->button(QMessageBox::Ok));
}
} // namespace

class TestBroucek : public QObject {
    Q_OBJECT
  private slots:
    void windowAsDesigned();
    void generatorRepeatsThePlatformsSequence();
    void nothingHappensBeforeTheFirstKill();
    void killMovesBeetleAndCounts();
    void countdownLoses_data();
    void countdownLoses();
    void hundredthKillWinsAtOnce_data();
    void hundredthKillWinsAtOnce();
    void beetleNeverLeavesTheWindow();
    void closeBoxEndsSilently_data();
    void closeBoxEndsSilently();
    void newGameStartsAfresh();
};

void TestBroucek::windowAsDesigned() {
    Harness h;
    auto *b = Windows::show<Broucek>();
    QVERIFY(b);
    QCOMPARE(b->windowTitle(), QString("Broucek"));
    QCOMPARE(b->size(), QSize(358, 225));
    QVERIFY(!(b->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
    QVERIFY(!b->windowIcon().isNull());
    // The sight shows over the bare window as well as over the beetle.
    QCOMPARE(b->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(b->Image1->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(b->Image1->geometry(), QRect(56, 112, 32, 32));
    // "Arial" must come out as its metric twin, or the counter no longer fits its box.
    for (LabelControl *l : {b->Label1, b->Label2, b->Label3})
        QCOMPARE(QFontInfo(l->font()).family(), QString("Liberation Sans"));
    QCOMPARE(b->Label1->Caption(), QString("0"));
    QCOMPARE(b->Timer2->Interval(), 1601);
    QVERIFY(!b->Timer2->Enabled());
}

void TestBroucek::generatorRepeatsThePlatformsSequence() {
    // Unseeded, the platform's generator starts 0.7055475, 0.533424, 0.5795186...
    Rnd rnd;
    QCOMPARE(float(rnd.next()), 0.7055475f);
    QCOMPARE(float(rnd.next()), 0.5334240f);
    QCOMPARE(float(rnd.next()), 0.5795186f);
    Rnd fresh;
    QCOMPARE(fresh.nextBelow(4460), 3146); // the beetle's first jump in a fresh program
    QCOMPARE(fresh.nextBelow(4460), 2379);
    // Over its whole period the scaled value reaches both ends and never 4460.
    Rnd all;
    int lo = 4460, hi = -1;
    for (int i = 0; i < (1 << 24); ++i) {
        const int v = all.nextBelow(4460);
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    QCOMPARE(lo, 0);
    QCOMPARE(hi, 4459);
    QCOMPARE(all.state, Rnd().state); // back where it started
}

void TestBroucek::nothingHappensBeforeTheFirstKill() {
    Harness h;
    auto *b = Windows::show<Broucek>();
    // Clicks beside the beetle, on the wall and on the labels are no kills and no misses.
    for (QWidget *w : std::initializer_list<QWidget *>{b->stena, b->Label1, b->Label2, b->Label3})
        Mouse::click(w);
    Mouse::clickAt(b, QPoint(20, 60));
    h.advance(10 * 60 * 1000);
    QVERIFY(Windows::find<Broucek>());
    QVERIFY(resultBoxes().isEmpty());
    QCOMPARE(b->Label1->Caption(), QString("0"));
    QCOMPARE(b->Image1->geometry(), QRect(56, 112, 32, 32));
}

void TestBroucek::killMovesBeetleAndCounts() {
    Harness h;
    Rnd expected = programRnd();
    auto *b = Windows::show<Broucek>();
    for (int k = 1; k <= 5; ++k) {
        h.advance(300);
        kill(b);
        QCOMPARE(b->Label1->Caption(), QString::number(k));
        QCOMPARE(b->Image1->Left(), expected.nextBelow(4460));
        QCOMPARE(b->Image1->Top(), 1560);
        QCOMPARE(b->Timer2->Interval(), 1601 - k);
        QVERIFY(b->Timer2->Enabled());
    }
    // The generator runs on into the next game.
    b->close();
    h.advance(0);
    b = Windows::show<Broucek>();
    kill(b);
    QCOMPARE(b->Image1->Left(), expected.nextBelow(4460));
}

void TestBroucek::countdownLoses_data() {
    QTest::addColumn<int>("kills");
    QTest::addColumn<int>("limit");
    QTest::newRow("after the first kill") << 1 << 1600;
    QTest::newRow("after two kills") << 2 << 1599;
    QTest::newRow("after the 99th kill") << 99 << 1502;
}

void TestBroucek::countdownLoses() {
    QFETCH(int, kills);
    QFETCH(int, limit);
    Harness h;
    auto *b = Windows::show<Broucek>();
    for (int k = 0; k < kills; ++k) {
        // Each kill restarts the countdown: the time before it does not count.
        h.advance(1000);
        kill(b);
    }
    h.advance(limit - 1);
    QVERIFY(resultBoxes().isEmpty());
    h.advance(1);
    QCOMPARE(resultBoxes().size(), 1);
    QMessageBox *box = resultBoxes().first();
    QCOMPARE(box->text(), kLost);
    QCOMPARE(box->windowTitle(), QString("Zur ev Edivu"));
    QCOMPARE(box->buttons().size(), 1);
    QVERIFY(box->button(QMessageBox::Ok));

    // While the message waits, time passes and the player clicks where the beetle sits: nothing more.
    h.advance(20000);
    Mouse::click(b->Image1);
    h.advance(20000);
    QCOMPARE(resultBoxes(), QList<QMessageBox *>{box});
    QCOMPARE(b->Label1->Caption(), QString::number(kills));

    acknowledge(box);
    QVERIFY(!Windows::find<Broucek>());
    QVERIFY(resultBoxes().isEmpty());
}

void TestBroucek::hundredthKillWinsAtOnce_data() {
    QTest::addColumn<int>("waitBeforeLast");
    QTest::newRow("at once") << 0;
    QTest::newRow("with one millisecond left") << 1501;
}

void TestBroucek::hundredthKillWinsAtOnce() {
    QFETCH(int, waitBeforeLast);
    Harness h;
    auto *game = Windows::show<Form1>();
    auto *b = Windows::show<Broucek>();
    for (int k = 0; k < 99; ++k) {
        h.advance(700);
        kill(b);
    }
    h.advance(waitBeforeLast);
    QVERIFY(resultBoxes().isEmpty());
    kill(b);
    QCOMPARE(b->Label1->Caption(), QString("100"));
    QCOMPARE(resultBoxes().size(), 1);
    QMessageBox *box = resultBoxes().first();
    QCOMPARE(box->text(), kWon);
    QCOMPARE(box->windowTitle(), QString("Zur ev Edivu"));
    QCOMPARE(box->buttons().size(), 1);

    // No loss follows the win, however long the message waits; the game window runs on and still
    // answers the mouse beneath it.
    h.advance(60000);
    QCOMPARE(resultBoxes(), QList<QMessageBox *>{box});
    QVERIFY(Windows::find<Form1>() == game);
    QVERIFY(game->inventory->Frame2->isHidden());
    Mouse::click(game->Command2);
    QVERIFY(!game->inventory->Frame2->isHidden());

    acknowledge(box);
    QVERIFY(!Windows::find<Broucek>());
    QCOMPARE(game->MMControl1->Command(), QString("Play"));
}

void TestBroucek::beetleNeverLeavesTheWindow() {
    Harness h;
    int highest = 0;
    for (int game = 0; game < 6; ++game) {
        auto *b = Windows::show<Broucek>();
        for (int k = 0; k < 99; ++k) {
            kill(b);
            highest = std::max(highest, b->Image1->Left());
            QVERIFY(b->Image1->Left() <= 4459);
            QVERIFY(b->rect().contains(b->Image1->geometry()));
        }
        b->close();
        h.advance(0);
    }
    QVERIFY(highest > 4000); // the beetle did range over the whole width
}

void TestBroucek::closeBoxEndsSilently_data() {
    QTest::addColumn<bool>("gameLoaded");
    QTest::addColumn<int>("kills");
    QTest::newRow("before the first kill") << true << 0;
    QTest::newRow("mid-game") << true << 30;
    QTest::newRow("game window gone") << false << 30;
}

void TestBroucek::closeBoxEndsSilently() {
    QFETCH(bool, gameLoaded);
    QFETCH(int, kills);
    Harness h;
    Form1 *game = gameLoaded ? Windows::show<Form1>() : nullptr;
    // The notebook closes the music as it opens the minigame.
    if (game) game->MMControl1->setCommand("Close");
    auto *b = Windows::show<Broucek>();
    killTimes(b, kills);
    b->close(); // what the close box does
    h.advance(60000);
    QVERIFY(!Windows::find<Broucek>());
    QVERIFY(resultBoxes().isEmpty());
    if (game) {
        QCOMPARE(game->MMControl1->Command(), QString("Play"));
        QVERIFY(!game->MMControl1->isSounding()); // a closed channel does not start again
    } else {
        QVERIFY(!Windows::find<Form1>()); // closing never brings the game window back
    }
}

void TestBroucek::newGameStartsAfresh() {
    Harness h;
    auto *b = Windows::show<Broucek>();
    killTimes(b, 7);
    h.advance(1601 - 7);
    QCOMPARE(resultBoxes().size(), 1);
    acknowledge(resultBoxes().first());
    QVERIFY(!Windows::find<Broucek>());

    b = Windows::show<Broucek>();
    QCOMPARE(b->Label1->Caption(), QString("0"));
    QCOMPARE(b->Timer2->Interval(), 1601);
    QVERIFY(!b->Timer2->Enabled());
    QCOMPARE(b->Image1->geometry(), QRect(56, 112, 32, 32));
    QVERIFY(resultBoxes().isEmpty());
    kill(b);
    h.advance(1599);
    QVERIFY(resultBoxes().isEmpty());
    h.advance(1);
    QCOMPARE(resultBoxes().size(), 1);
}

QTEST_MAIN(TestBroucek)
#include "test_broucek.moc"
