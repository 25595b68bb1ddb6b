// The windows around the game: splash, main menu, story, loading screen, credits and outro, and the
// order in which they open and close each other, all in virtual time. The normal run from the splash
// to the outro is played by the walkthrough; here are the moments just before each step and the
// other ways through.
#include "support/game.h"
#include "support/harness.h"

#include "game/app.h"
#include "game/form1.h"
#include "game/inventory.h"
#include "game/scene.h"
#include "shell/credits.h"
#include "shell/first.h"
#include "shell/intro.h"
#include "shell/load.h"
#include "shell/menu.h"
#include "shell/onetwo.h"

#include <QAction>

namespace {
// The menu after the splash has gone, as a player finds it.
menu *startToMenu(Harness &h) {
    startGame();
    h.advance(3600);
    return Windows::find<menu>();
}

// "Nová Hra", the story and the loading screen, up to the game window.
Form1 *newGame(Harness &h, menu *m) {
    Mouse::click(m->Command1);
    h.advance(7000 + 361);
    return Windows::find<Form1>();
}

// The close box of a window: the window system asks the window to close.
void closeBox(QWidget *window) {
    window->close();
    Harness::settle();
}
} // namespace

class TestScreenFlow : public QObject {
    Q_OBJECT
  private slots:
    void newGameWithGameLoadedBringsTheSameGameForward();
    void onlyTheStorysOwnTimerStartsTheGame();
    void creditsChangeOnceAndStartOverAfterZpet();
    void closedMenuIsStartedAnewWithItsMusic();
    void programEndsWithItsLastWindow();
    void exitEndsAtOnceWithoutUnloadHandlers();
};

void TestScreenFlow::newGameWithGameLoadedBringsTheSameGameForward() {
    Harness h;
    menu *m = startToMenu(h);
    Form1 *game = newGame(h, m);
    Mouse::click(game->Command2); // the inventory panel is open: a state a new game would not have
    game->tomainmenu->trigger();
    // Brought forward, not loaded again: its music stays off.
    QVERIFY(Windows::find<menu>() == m && !m->MMControl1->isSounding());
    QCOMPARE(newGame(h, m), game);
    QVERIFY(!game->inventory->Frame2->isHidden());
}

void TestScreenFlow::onlyTheStorysOwnTimerStartsTheGame() {
    Harness h;
    menu *m = startToMenu(h);
    // "Intro a úkol hry" waits for OK; "Nová Hra" meanwhile only brings the story forward.
    Mouse::click(m->Command7);
    intro *story = Windows::find<intro>();
    QVERIFY(story && !story->Command1->isHidden());
    Mouse::click(m->Command1);
    QCOMPARE(Windows::find<intro>(), story);
    h.advance(60000);
    QVERIFY(!Windows::find<load>() && !Windows::find<Form1>());
    Mouse::click(story->Command1);
    QVERIFY(!Windows::find<intro>());

    // The story closed by its close box during its seven seconds cancels the start.
    Mouse::click(m->Command1);
    h.advance(5000);
    closeBox(Windows::find<intro>());
    h.advance(30000);
    QVERIFY(!Windows::find<load>() && !Windows::find<Form1>());

    // The menu closed instead: the game starts, and the story's Close creates no menu.
    Mouse::click(m->Command1);
    closeBox(m);
    h.advance(7000 + 361);
    QVERIFY(Windows::find<Form1>() && !Windows::find<menu>());
}

void TestScreenFlow::creditsChangeOnceAndStartOverAfterZpet() {
    Harness h;
    menu *m = startToMenu(h);
    Form1 *game = newGame(h, m);
    Mouse::click(m->Command6);
    credits *c = Windows::find<credits>();
    const QString firstPicture = Pictures::ui("credits1"), secondPicture = Pictures::ui("credits2");
    h.advance(3599);
    QCOMPARE(c->Image3->Picture(), firstPicture);
    QVERIFY(c->Command1->isHidden());
    h.advance(1);
    QCOMPARE(c->Image3->Picture(), secondPicture);
    h.advance(60000);             // the slide show has had its one step
    Mouse::click(game->Command1); // About only brings the same credits forward
    QCOMPARE(Windows::find<credits>(), c);
    QCOMPARE(c->Image3->Picture(), secondPicture);

    Mouse::click(c->Command1);
    QCOMPARE(message(), QString::fromUtf8("Navštivte naše stránky pro získání nových her a informací"));
    Mouse::click(c->Command2);
    Mouse::click(m->Command6); // started over
    QCOMPARE(Windows::find<credits>()->Image3->Picture(), firstPicture);
}

void TestScreenFlow::closedMenuIsStartedAnewWithItsMusic() {
    // By the game's "Hlavní Menu" and by closing the outro.
    Harness h;
    menu *m = Windows::show<menu>();
    Form1 *game = Windows::show<Form1>();
    onetwo *outro = Windows::show<onetwo>();
    m->close();
    QCOMPARE(m->MMControl1->state(), MediaChannel::State::Closed); // its unload stops the music
    Harness::settle();
    game->tomainmenu->trigger();
    m = Windows::find<menu>();
    QVERIFY(m && m->MMControl1->isSounding());
    closeBox(m);
    closeBox(outro);
    QVERIFY(Windows::find<menu>() && Windows::find<menu>()->MMControl1->isSounding());
}

void TestScreenFlow::programEndsWithItsLastWindow() {
    Harness h;
    Windows::show<credits>();
    closeBox(Windows::show<menu>());
    closeBox(Windows::show<Form1>());
    QVERIFY(!h.programEnded());
    closeBox(Windows::find<credits>());
    QVERIFY(h.programEnded());
}

void TestScreenFlow::exitEndsAtOnceWithoutUnloadHandlers() {
    Harness h;
    menu *m = Windows::show<menu>();
    Windows::show<onetwo>(); // its unload handler would bring a menu back
    Mouse::click(m->Command5);
    QVERIFY(h.programEnded());
    QVERIFY(Windows::open().empty());
}

QTEST_MAIN(TestScreenFlow)
#include "test_screenflow.moc"
