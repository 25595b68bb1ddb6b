// The beetle minigame: the platform's generator, kills and the shrinking countdown, the one result
// message of a lost or won game, and what closing the window does to the game's music.
#include "support/harness.h"

#include "game/form1.h"
#include "game/inventory.h"
#include "runtime/mediachannel.h"
#include "scenes/broucek.h"

#include <QApplication>
#include <QMessageBox>

namespace {
// Every result message on screen, in any window.
QList<QMessageBox *> resultBoxes() {
    QList<QMessageBox *> out;
    for (QWidget *w : QApplication::allWidgets())
        if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) out << box;
    return out;
}

// A kill as the player makes it: a click at the middle of the beetle, which must lie on top there, or
// the sight moved onto it with the arrow keys and Space; wherever it jumps, it stays inside the window.
void kill(Broucek *b, bool byKeys = false) {
    if (byKeys) {
        auto *sight = b->findChild<Control *>("sight");
        if (!sight->isVisible()) QTest::keyClick(b, Qt::Key_Space); // the first key shows the sight
        const QRect beetle = b->Image1->geometry();
        for (int i = 0; i < 20; ++i) {
            const QPoint aim = sight->pos() + QPoint(16, 16);
            if (beetle.contains(aim)) break;
            QTest::keyClick(b, aim.x() < beetle.left()    ? Qt::Key_Right
                               : aim.x() > beetle.right() ? Qt::Key_Left
                               : aim.y() < beetle.top()   ? Qt::Key_Down
                                                          : Qt::Key_Up);
        }
        QTest::keyClick(b, Qt::Key_Space);
    } else {
        QCOMPARE(Mouse::hitAt(b, Mouse::centreOf(b->Image1)), b->Image1);
        Mouse::click(b->Image1);
    }
    QVERIFY(b->rect().contains(b->Image1->geometry()));
}
} // namespace

class TestBroucek : public QObject {
    Q_OBJECT
  private slots:
    void generatorRepeatsThePlatformsSequence() {
        // Unseeded, the platform's generator starts at 0.7055475: the beetle's first jump in a fresh
        // program is to 3146.
        QCOMPARE(Rnd().nextBelow(4460), 3146);
        // Over its whole period the scaled value reaches the right end and never 4460.
        Rnd all;
        int hi = -1;
        for (int i = 0; i < (1 << 24); ++i)
            hi = std::max(hi, all.nextBelow(4460));
        QCOMPARE(hi, 4459);
    }
    void oneResultMessage_data() {
        QTest::addColumn<int>("kills");
        QTest::addColumn<int>("lastGap"); // before the last kill
        QTest::addColumn<int>("limit");   // from the last kill to the loss; none when won, "Vyhrál jsi"
        QTest::addColumn<bool>("byKeys"); // the sight moved by the arrow keys, Space squashes, Enter says OK
        QTest::newRow("lost after the first kill") << 1 << 0 << 1600 << false;
        QTest::newRow("lost after the 99th kill") << 99 << 1000 << 1502 << false;
        QTest::newRow("won with a millisecond left") << 100 << 1501 << 0 << false;
        QTest::newRow("lost by keys") << 1 << 0 << 1600 << true;
        QTest::newRow("won by keys") << 100 << 1501 << 0 << true;
    }
    void oneResultMessage() {
        QFETCH(int, kills);
        QFETCH(int, lastGap);
        QFETCH(int, limit);
        QFETCH(bool, byKeys);
        Harness h;
        Rnd expected = programRnd();
        auto *game = Windows::show<Form1>();
        auto *b = Windows::show<Broucek>();
        // Before the first kill nothing runs, and a click beside the beetle is no miss.
        Mouse::clickAt(b, QPoint(20, 60));
        h.advance(10 * 60 * 1000);
        for (int k = 1; k <= kills; ++k) {
            h.advance(k == kills ? lastGap : 1000); // each kill restarts the countdown
            kill(b, byKeys);
            QCOMPARE(b->Label1->Caption(), QString::number(k));
            QCOMPARE(b->Image1->Left(), expected.nextBelow(4460));
            QCOMPARE(b->Timer2->Interval(), 1601 - k);
        }
        if (limit) {
            h.advance(limit - 1);
            QVERIFY(resultBoxes().isEmpty());
            h.advance(1);
        }
        QCOMPARE(resultBoxes().size(), 1);
        QMessageBox *box = resultBoxes().first();
        QCOMPARE(box->text(), QString(limit ? "Jsi mrtev, nestihl jsi broucka zabit" : "Vyhrál jsi"));

        // While it waits, time passes and the player clicks where the beetle sits: nothing more follows,
        // and the game window beneath still answers the mouse.
        h.advance(60000);
        Mouse::click(b->Image1);
        QCOMPARE(resultBoxes(), QList<QMessageBox *>{box});
        QCOMPARE(b->Label1->Caption(), QString::number(kills));
        Mouse::click(game->Command2);
        QVERIFY(!game->inventory->Frame2->isHidden());

        byKeys ? QTest::keyClick(box, Qt::Key_Return) : Mouse::click(box->button(QMessageBox::Ok));
        Harness::settle();
        QVERIFY(!Windows::find<Broucek>());
        QCOMPARE(game->MMControl1->Command(), QString("Play"));
        // A new game starts afresh, but the generator runs on.
        b = Windows::show<Broucek>();
        QCOMPARE(b->Label1->Caption(), QString("0"));
        kill(b);
        QCOMPARE(b->Image1->Left(), expected.nextBelow(4460));
        QCOMPARE(b->Timer2->Interval(), 1600);
    }
    void closeBoxEndsSilently() {
        for (bool gameLoaded : {true, false}) { // mid-game, or the game window gone
            Harness h;
            Form1 *game = gameLoaded ? Windows::show<Form1>() : nullptr;
            // The notebook closes the music as it opens the game.
            if (game) game->MMControl1->setCommand("Close");
            auto *b = Windows::show<Broucek>();
            for (int k = 0; k < 30; ++k)
                kill(b);
            b->close(); // what the close box does
            h.advance(60000);
            QVERIFY(!Windows::find<Broucek>() && resultBoxes().isEmpty());
            QCOMPARE(Windows::find<Form1>(), game); // never brought back
            // The music is told to play, but a closed channel does not start again.
            if (game) QVERIFY(game->MMControl1->Command() == "Play" && !game->MMControl1->isSounding());
        }
    }
};

QTEST_MAIN(TestBroucek)
#include "test_broucek.moc"
