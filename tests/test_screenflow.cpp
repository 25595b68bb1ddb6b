// The windows around the game: splash, main menu, story, loading screen, credits and outro, and the
// order in which they open and close each other, all in virtual time.
#include "support/harness.h"

#include "game/app.h"
#include "game/form1.h"
#include "game/inventory.h"
#include "game/scene.h"
#include "runtime/picture.h"
#include "shell/credits.h"
#include "shell/first.h"
#include "shell/form2.h"
#include "shell/intro.h"
#include "shell/load.h"
#include "shell/menu.h"
#include "shell/onetwo.h"

#include <QAction>
#include <QWindow>

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

void pressKey(QWidget *window, Qt::Key key) {
    QTest::keyClick(window->windowHandle(), key);
    Harness::settle();
}
} // namespace

class TestScreenFlow : public QObject {
    Q_OBJECT
  private slots:
    void windowsAsDesigned_data();
    void windowsAsDesigned();
    void menuBannerIsCutByTheWindowsEdges();
    void splashThenMenuWithMusicThenStoryThenGame();
    void menuKeyboard();
    void newGameWithGameLoadedBringsTheSameGameForward();
    void introFromMenuWaitsForOkAndNeverStarts();
    void newGameWhileStoryWaitsOnlyBringsItForward();
    void closingStoryByCloseBoxCancelsTheStart();
    void storyStartsTheGameEvenWithTheMenuClosed();
    void creditsChangeOnceAndStartOverAfterZpet();
    void aboutWhileCreditsOpenBringsThemForward();
    void closedMenuIsStartedAnewWithItsMusic();
    void outroSlides_data();
    void outroSlides();
    void closingOutroBringsMenuForward();
    void exitEndsAtOnceWithoutUnloadHandlers();
    void programEndsWithItsLastWindow();
};

void TestScreenFlow::windowsAsDesigned_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<bool>("tool");
    QTest::addColumn<bool>("gamePointer");
    QTest::newRow("first") << "first"
                           << "" << QSize(425, 218) << false << false;
    QTest::newRow("menu") << "menu"
                          << "Main menu - Zur ev Edivu" << QSize(263, 199) << true << true;
    QTest::newRow("intro") << "intro"
                           << "Intro" << QSize(443, 451) << true << true;
    QTest::newRow("load") << "load"
                          << "Loading..." << QSize(207, 48) << true << true;
    QTest::newRow("credits") << "credits"
                             << "Credits" << QSize(437, 481) << true << false;
    QTest::newRow("onetwo") << "onetwo"
                            << "Intro" << QSize(443, 451) << true << true;
}

void TestScreenFlow::windowsAsDesigned() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QSize, client);
    QFETCH(bool, tool);
    QFETCH(bool, gamePointer);
    Harness h;
    GameWindow *w = nullptr;
    if (name == "first")
        w = Windows::show<first>();
    else if (name == "menu")
        w = Windows::show<menu>();
    else if (name == "intro")
        w = Windows::show<intro>();
    else if (name == "load")
        w = Windows::show<load>();
    else if (name == "credits")
        w = Windows::show<credits>();
    else
        w = Windows::show<onetwo>();
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(w->size(), client);
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QCOMPARE(w->windowType() == Qt::Tool, tool);
    QCOMPARE(bool(w->windowFlags() & Qt::FramelessWindowHint), !tool);
    QCOMPARE(w->palette().color(QPalette::Window), QColor(Qt::black));
    QCOMPARE(w->cursor().shape(), gamePointer ? Qt::BitmapCursor : Qt::ArrowCursor);
}

void TestScreenFlow::menuBannerIsCutByTheWindowsEdges() {
    Harness h;
    menu *m = Windows::show<menu>();
    QVERIFY(!m->windowIcon().isNull()); // the game's pointer
    const QRect banner = m->Image1->geometry();
    QCOMPARE(banner.size(), Picture::naturalSize(m->Image1->Picture())); // natural size, not squeezed
    QVERIFY(banner.left() < 0);
    QVERIFY(banner.right() > m->width());
    // Every button is wide enough for its caption.
    for (QPushButton *b : {m->Command1, m->Command7, m->Command6, m->Command5})
        QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) < b->width(), qPrintable(b->text()));
}

void TestScreenFlow::splashThenMenuWithMusicThenStoryThenGame() {
    Harness h;
    startGame();
    QVERIFY(Windows::find<first>());
    QVERIFY(!Windows::find<Form1>());
    h.advance(3599);
    QVERIFY(Windows::find<first>());
    QVERIFY(!Windows::find<menu>());
    h.advance(1);
    QVERIFY(!Windows::find<first>());
    menu *m = Windows::find<menu>();
    QVERIFY(m);
    QVERIFY(!h.programEnded());
    QCOMPARE(m->MMControl1->FileName, QString("hudba8.mid"));
    QVERIFY(m->MMControl1->isSounding());

    Mouse::click(m->Command1);
    intro *story = Windows::find<intro>();
    QVERIFY(story);
    QVERIFY(story->Command1->isHidden());
    h.advance(6999);
    QVERIFY(Windows::find<intro>());
    QVERIFY(m->MMControl1->isSounding());
    h.advance(1);
    QVERIFY(!Windows::find<intro>());
    QVERIFY(Windows::find<load>());
    QCOMPARE(m->MMControl1->state(), MediaChannel::State::Closed); // the menu music stops
    h.advance(360);
    QVERIFY(!Windows::find<Form1>());
    h.advance(1);
    QVERIFY(!Windows::find<load>());
    Form1 *game = Windows::find<Form1>();
    QVERIFY(game);
    QCOMPARE(game->MMControl1->FileName, QString("Hudba7.mid"));
    QCOMPARE(Windows::find<menu>(), m); // the menu stays behind the game
    QVERIFY(!m->isHidden());
}

void TestScreenFlow::menuKeyboard() {
    Harness h;
    menu *m = Windows::show<menu>();
    QCOMPARE(m->focusWidget(), m->Command1);
    QVERIFY(m->Command1->isDefault());
    const QList<QWidget *> order{m->Command5, m->Command6, m->Command7, m->Command1};
    for (QWidget *next : order) {
        pressKey(m, Qt::Key_Tab);
        QCOMPARE(m->focusWidget(), next);
    }
    pressKey(m, Qt::Key_Return);
    intro *story = Windows::find<intro>();
    QVERIFY(story);
    QVERIFY(story->Timer2->Enabled()); // Enter started a new game, not the story alone
}

void TestScreenFlow::newGameWithGameLoadedBringsTheSameGameForward() {
    Harness h;
    menu *m = startToMenu(h);
    Form1 *game = newGame(h, m);
    QVERIFY(game);
    Mouse::click(game->Command2); // the inventory panel is open: a state a new game would not have
    QVERIFY(!game->inventory->Frame2->isHidden());

    game->tomainmenu->trigger();
    QCOMPARE(Windows::find<menu>(), m);
    QVERIFY(!m->MMControl1->isSounding()); // brought forward, not loaded again: its music stays off
    QCOMPARE(newGame(h, m), game);
    QVERIFY(!game->inventory->Frame2->isHidden());
}

void TestScreenFlow::introFromMenuWaitsForOkAndNeverStarts() {
    Harness h;
    menu *m = startToMenu(h);
    Mouse::click(m->Command7);
    intro *story = Windows::find<intro>();
    QVERIFY(story);
    QVERIFY(!story->Command1->isHidden());
    QVERIFY(!story->Timer2->Enabled());
    h.advance(60000);
    QCOMPARE(Windows::find<intro>(), story);
    QVERIFY(!Windows::find<load>());
    QVERIFY(m->MMControl1->state() != MediaChannel::State::Closed);
    Mouse::click(story->Command1);
    QVERIFY(!Windows::find<intro>());
    h.advance(60000);
    QVERIFY(!Windows::find<Form1>());
}

void TestScreenFlow::newGameWhileStoryWaitsOnlyBringsItForward() {
    Harness h;
    menu *m = startToMenu(h);
    Mouse::click(m->Command7);
    intro *story = Windows::find<intro>();
    Mouse::click(m->Command1);
    QCOMPARE(Windows::find<intro>(), story);
    QVERIFY(!story->Timer2->Enabled());
    h.advance(20000);
    QVERIFY(!Windows::find<load>());
    QVERIFY(!Windows::find<Form1>());

    closeBox(story);
    QVERIFY(newGame(h, m)); // once the story is closed, "Nová Hra" starts the game
}

void TestScreenFlow::closingStoryByCloseBoxCancelsTheStart() {
    Harness h;
    menu *m = startToMenu(h);
    Mouse::click(m->Command1);
    h.advance(5000);
    closeBox(Windows::find<intro>());
    QVERIFY(!Windows::find<intro>());
    h.advance(30000);
    QVERIFY(!Windows::find<load>());
    QVERIFY(!Windows::find<Form1>());
    QVERIFY(m->MMControl1->state() != MediaChannel::State::Closed); // the start never came
}

void TestScreenFlow::storyStartsTheGameEvenWithTheMenuClosed() {
    Harness h;
    menu *m = startToMenu(h);
    Mouse::click(m->Command1);
    closeBox(m);
    QVERIFY(!Windows::find<menu>());
    h.advance(7000 + 361);
    QVERIFY(!h.programEnded());
    QVERIFY(Windows::find<Form1>());
    QVERIFY(!Windows::find<menu>()); // the story's Close finds no menu and creates none
}

void TestScreenFlow::creditsChangeOnceAndStartOverAfterZpet() {
    Harness h;
    menu *m = startToMenu(h);
    Mouse::click(m->Command6);
    credits *c = Windows::find<credits>();
    QVERIFY(c);
    const QString firstPicture = Pictures::ui("credits1"), secondPicture = Pictures::ui("credits2");
    QCOMPARE(c->Image3->Picture(), firstPicture);
    QVERIFY(c->Command1->isHidden());
    h.advance(3599);
    QCOMPARE(c->Image3->Picture(), firstPicture);
    h.advance(1);
    QCOMPARE(c->Image3->Picture(), secondPicture);
    QVERIFY(!c->Command1->isHidden());
    QCOMPARE(c->Command1->text(), QString("www.bludicka-hry.cz"));
    h.advance(5000 - 3600);
    QVERIFY(!c->Timer1->Enabled()); // the slide show has had its one step
    h.advance(60000);
    QCOMPARE(c->Image3->Picture(), secondPicture);

    Mouse::click(c->Command1);
    Form2 *message = Windows::find<Form2>();
    QVERIFY(message);
    QCOMPARE(message->Label1->Caption(),
             QString::fromUtf8("Navštivte naše stránky pro získání nových her a informací"));
    QVERIFY(Windows::find<credits>()); // the message opens beside the credits

    Mouse::click(c->Command2);
    QVERIFY(!Windows::find<credits>());
    Mouse::click(m->Command6);
    c = Windows::find<credits>();
    QCOMPARE(c->Image3->Picture(), firstPicture);
    QVERIFY(c->Command1->isHidden());
    h.advance(3600);
    QCOMPARE(c->Image3->Picture(), secondPicture);
}

void TestScreenFlow::aboutWhileCreditsOpenBringsThemForward() {
    Harness h;
    menu *m = startToMenu(h);
    Form1 *game = newGame(h, m);
    Mouse::click(m->Command6);
    credits *c = Windows::find<credits>();
    h.advance(3600);
    Mouse::click(game->Command1);
    QCOMPARE(Windows::find<credits>(), c);
    QCOMPARE(c->Image3->Picture(), Pictures::ui("credits2"));
    QVERIFY(!c->Command1->isHidden());
}

void TestScreenFlow::closedMenuIsStartedAnewWithItsMusic() {
    Harness h;
    menu *m = Windows::show<menu>();
    Form1 *game = Windows::show<Form1>();
    QVERIFY(m->MMControl1->isSounding());
    m->close();
    QCOMPARE(m->MMControl1->state(), MediaChannel::State::Closed); // its unload stops the music
    Harness::settle();
    QVERIFY(!Windows::find<menu>());
    QVERIFY(Windows::find<Form1>());

    game->tomainmenu->trigger();
    m = Windows::find<menu>();
    QVERIFY(m);
    QCOMPARE(m->MMControl1->FileName, QString("hudba8.mid"));
    QVERIFY(m->MMControl1->isSounding());
}

void TestScreenFlow::outroSlides_data() {
    QTest::addColumn<int>("elapsed");
    QTest::addColumn<QString>("picture");
    QTest::newRow("at start") << 0 << "outro0";
    QTest::newRow("just before the first step") << 4998 << "outro0";
    QTest::newRow("first step") << 4999 << "outro1";
    QTest::newRow("second step") << 9998 << "outro2";
    QTest::newRow("third step") << 14997 << "credits1";
    QTest::newRow("would start over here") << 19996 << "credits1";
    QTest::newRow("long after") << 120000 << "credits1";
}

void TestScreenFlow::outroSlides() {
    QFETCH(int, elapsed);
    QFETCH(QString, picture);
    Harness h;
    onetwo *outro = Windows::show<onetwo>();
    h.advance(elapsed);
    QCOMPARE(outro->Image3->Picture(), Pictures::ui(qPrintable(picture)));
    QCOMPARE(outro->Image3->Picture(), outro->Image2(outro->slide)->Picture());
}

void TestScreenFlow::closingOutroBringsMenuForward() {
    Harness h;
    // As the finale leaves it: the game gone, the menu still open with its music stopped.
    menu *m = startToMenu(h);
    Form1 *game = newGame(h, m);
    onetwo *outro = Windows::show<onetwo>();
    outro->setWindowTitle("Outro");
    m->MMControl1->setCommand("Play");
    Windows::unload(game);
    Harness::settle();
    closeBox(outro);
    QVERIFY(!Windows::find<onetwo>());
    QCOMPARE(Windows::find<menu>(), m);
    QVERIFY(!m->MMControl1->isSounding());
    QVERIFY(!h.programEnded());

    // With the menu closed meanwhile, the outro opens it anew, and its music plays.
    outro = Windows::show<onetwo>();
    closeBox(m);
    QVERIFY(!Windows::find<menu>());
    closeBox(outro);
    QVERIFY(!h.programEnded());
    m = Windows::find<menu>();
    QVERIFY(m);
    QVERIFY(m->MMControl1->isSounding());
}

void TestScreenFlow::exitEndsAtOnceWithoutUnloadHandlers() {
    Harness h;
    menu *m = startToMenu(h);
    newGame(h, m);
    Windows::show<onetwo>(); // its unload handler would bring a menu back
    Windows::show<credits>();
    Mouse::click(m->Command5);
    QVERIFY(h.programEnded());
    QVERIFY(Windows::open().empty());
}

void TestScreenFlow::programEndsWithItsLastWindow() {
    Harness h;
    menu *m = startToMenu(h);
    Form1 *game = newGame(h, m);
    Mouse::click(m->Command6);
    closeBox(game);
    closeBox(m);
    QVERIFY(!h.programEnded());
    closeBox(Windows::find<credits>());
    QVERIFY(h.programEnded());
}

QTEST_MAIN(TestScreenFlow)
#include "test_screenflow.moc"
