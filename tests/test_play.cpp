// The game past what the whole-game walk plays: the windows around it opened and closed the other ways; every
// use that must change nothing (a wrong item, a second search, a step out of order), the launch, the map's
// stacking, the siren and the bar's music to the millisecond, the lost game, the conversations that must
// never get stuck, the tank at the villa's door and the outro; the corners of the items' drag-and-drop and
// the message dialog that never blocks the game.
#include "support/game.h"
#include "support/harness.h"

#include "game/app.h"
#include "game/form1.h"
#include "game/inventory.h"
#include "game/scene.h"
#include "runtime/mediachannel.h"
#include "scenes/broucek.h"
#include "scenes/form3.h"
#include "scenes/form4.h"
#include "shell/credits.h"
#include "shell/dopisek.h"
#include "shell/form2.h"
#include "shell/intro.h"
#include "shell/load.h"
#include "shell/menu.h"
#include "shell/onetwo.h"
#include "world/bar.h"
#include "world/citymap.h"
#include "world/finale.h"
#include "world/police.h"
#include "world/start.h"

#include <QAction>
#include <QApplication>
#include <QPointer>

namespace {
// Whatever a click at the centre of w would reach lies in container.
bool covered(Form1 *form, const QWidget *w, const QWidget *container) {
    QWidget *hit = Mouse::hitAt(form, Mouse::centreOf(w));
    return hit && (hit == container || container->isAncestorOf(hit));
}

// Everything in the game a handler could change: the windows open, every control, every caption.
QStringList state(Form1 *f) {
    QStringList out;
    for (GameWindow *w : Windows::open())
        if (w->objectName() != "Form2") out << w->objectName();
    for (Control *c : f->findChildren<Control *>())
        out << QStringList{c->objectName(), c->Tag, c->Picture(), c->DragIcon}.join(' ') +
                   QString::asprintf(" %d%d%d%d", c->isHidden(), c->isEnabled(), int(c->dragMode),
                                     int(c->MouseIcon()));
    for (LabelControl *l : f->findChildren<LabelControl *>())
        if (l != f->Label1) out << l->objectName() + " " + l->Caption();
    return out;
}

// A conversation opened as its opener does it: the window, then the conversation's frame.
GameWindow *openTalk(bool bar, const QString &frame) {
    GameWindow *w = bar ? static_cast<GameWindow *>(Windows::show<Form4>()) : Windows::show<Form3>();
    if (!frame.isEmpty()) w->findChild<Control *>(frame)->setVisible(true);
    return w;
}
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

class TestPlay : public QObject {
    Q_OBJECT
  private slots:
    void usesThatChangeNothing_data();
    void usesThatChangeNothing();
    void launchCoversTheCockpitForFourSeconds();
    void mapLabelsAndStacking();
    void sirenEvery26SecondsWhateverIsInFront();
    void barMusicRepeatsOnlyInTheBar();
    void everyWrongDoorLosesAndClosingCancelsTheEnd();
    void fastPressesNeverLeaveATalkOpen();
    void onlyTheTopTalkGoesOn();
    void tankAtTheDoorDoesNotShieldIt();
    void openDoorLeadsToTheOutro();
    void pressDragsOrClicksAndNoDragOutlivesItsRelease();
    void dropAndDragOverGoToTheTopmostControl();
    void oneDialogTheLastTextWinsAndTheGameGoesOn();
    void newGameWithGameLoadedBringsTheSameGameForward();
    void onlyTheStorysOwnTimerStartsTheGame();
    void creditsChangeOnceAndStartOverAfterZpet();
    void closedMenuIsStartedAnewWithItsMusic();
    void programEndsWithItsLastWindowOrAtOnceByExit();
};

void TestPlay::usesThatChangeNothing_data() {
    // Moves: "X" clicks X, "A>B" drops item A on B, "A=v" sets A's tag (a label's caption), "+A" gives
    // item A, "-" takes every item away. The player stands where the first
    // hotspot is; the last move must show the answer (none: no dialog) and change nothing.
    QTest::addColumn<QString>("moves");
    QTest::addColumn<QString>("answer");
    const auto row = [](const char *name, const QString &moves, const char *answer = "") {
        QTest::newRow(name) << moves << QString::fromUtf8(answer);
    };
    row("cap on the buttons", "cepka>Image2", "Jak chceš použít čepici na tlačítka");
    row("card on the stick", "cepka=karta cepka>Image12", "Tento předmět tady nejde použít");
    row("key in the card slot", "klicek=Key klicek>Image13", "Co tím chceš docílit, nejde to");
    row("split wood on the bin", "Image11=drivko Image11>Image36");
    row("split wood on the flower", "Image11=drivko Image11>Image54", "To nepůjde, ne");
    row("homeless man after the first talk", "Label2=2 Image39",
        "Radši mu sežěň ty zápalky a dříví, jinak ti nedá tu hořlavinu");
    row("homeless man fed: banana", "Label2=2 Image11=Ohen Image11>Image39 Odmerka>Image40 banan>Image39");
    row("hideout before he asks", "Image55",
        "Nemáš důvod tam jít, i když je to důležité, ještě někam zajdi a pak to zkus znovu, jak chceš!?!");
    row("castle: split wood", "cepka=drivko cepka>Image49");
    row("castle: cap", "cepka>Image52", "To nepůjde, ne");
    row("motorbike: empty cup", "cepka=Odmerka cepka>Image70", "Takhle to nemůže fungovat");
    row("door: banana", "cepka=jidlo1 cepka>Image71", "Takhle to nemůže fungovat");
    row("computer: cap", "cepka>Image75");
    row("desk: card", "cepka=karta cepka>Image76", "Takhle to nejde použít");
    const QString done = "+c Image75 Image79 Image83 Image87 ";
    row("stairs when done", done + "Image79",
        "Tvůj úkol je splněn, nyní splň úkol, který je zapsán na tom dopise");
    row("computer when done", done + "Image75", "Dobře, ty jsi opravdu statečný a nyní splň úkol z dopisu");
    row("guard when the chip is given", done + "Image77 Image68",
        "Už jsem ti dal čip, tak jdi a neukazuj se tu, jo mimochodem díky za palivo");
    const QString held = "+spona +klic +disk +benzin ";
    row("tower door, no letter", held + "Image93",
        "Nemáš žádný důvod, respektive úkol, takže si ho obstarej - Nejlépe v Rock Baru");
    row("main door clicked", held + "Image98", "Je zamčeno a to hodně dobře");
    row("main door: diskette", held + "disk>Image98", "Ne, takhle to nelze použít");
    row("shell before the search", held + "Image100");
    row("lock before the treasure: key", held + "klic>Image105");
    row("president: diskette", held + "disk>Image103", "Tak to nejde použít");
    row("teleport: diskette", held + "disk>Image104", "Tak to nejde použít");
    row("lighthouse: petrol", held + "benzin>Image112", "Takhle to nemůže fungovat");
    row("key cabinet twice", "Image96 - Image96", "Už tam nic není - Spona, klíč a disketa ti nestačí");
    row("aquarium twice", "Image99 - Image99", "Už nemáš co prohledat");
    row("lighthouse cabinet twice", "Image112 - Image112");
    row("president, his treasure back twice", "vorna>Image103 - Image103");
    row("wood on the cap twice", "Image11>cepka Image11>cepka");
    row("burning wood on a whole cap", "Zapalkava>Image11 Image11>cepka");
    row("match on the burning wood again", "Zapalkava>Image11 Zapalkava>Image11",
        "Povedlo se ti zapálit dříví bezdomovcovou zápalkou, těď mu tento Oheň jen dát");
    row("match on the lit dynamite", "Zapalkava>dynam Zapalkava>dynam", "Zapálil jsi dynamit");
    row("lit dynamite on the wood", "Zapalkava>dynam dynam>Image11");
    row("closed shell clicked", "musle>musle");
    row("golden key on the notebook", "klic>notebook");
    row("notebook clicked without the diskette", "notebook>notebook");
}

void TestPlay::usesThatChangeNothing() {
    QFETCH(QString, moves);
    QFETCH(QString, answer);
    Harness h;
    Form1 *f = Windows::show<Form1>();
    Control *panel = f->inventory->Frame2;
    const QStringList list = moves.split(' ');
    for (const QString &m : list) // the place; the crash site is where a new game begins
        if (auto *at = f->findChild<Control *>(m.section('>', -1)); at && !m.contains('=') && m[0] != '+') {
            if (at->parentWidget() == f->start->Raketa)
                f->start->Raketa->show();
            else if (!panel->isAncestorOf(at) && at != f->start->Image2) {
                openOnMap();
                standIn(static_cast<Control *>(at->parentWidget()));
            }
            break;
        }
    Mouse::click(f->Command2);
    QStringList before;
    for (const QString &m : list) {
        dismiss();
        Windows::unload<Form4>(); // the computer's talk, read to its end
        before = state(f);
        const QString a = m.section(QRegularExpression("[>=]"), 0, 0),
                      b = m.section(QRegularExpression("[>=]"), 1);
        if (m == "-")
            for (Control *c : f->inventory->items())
                c->hide();
        else if (m[0] == '+')
            f->findChild<Control *>(m.mid(1))->show();
        else if (m.contains('=') && f->findChild<LabelControl *>(a))
            f->findChild<LabelControl *>(a)->setCaption(b);
        else if (m.contains('='))
            f->findChild<Control *>(a)->Tag = b;
        else if (m.contains('>')) {
            for (Control *c : {f->findChild<Control *>(a), f->findChild<Control *>(b)}) // held
                if (panel->isAncestorOf(c)) c->show();
            before = state(f);
            Mouse::drag(f->findChild<Control *>(a), f->findChild<Control *>(b));
        } else
            Mouse::click(f->findChild<Control *>(m));
        h.advance(36);
    }
    QCOMPARE(message(), answer);
    QCOMPARE(state(f), before);
}

// Started with the inventory closed, it stays closed; under the launch picture nothing reacts, and START
// does not begin again.
void TestPlay::launchCoversTheCockpitForFourSeconds() {
    Harness h;
    Form1 *form = Windows::show<Form1>();
    StartArea *s = form->start.get();
    standIn(s->Raketa);
    s->Image13->setEnabled(false); // the card is in
    Mouse::click(s->Image14);
    QVERIFY(!form->inventory->Frame2->Visible());
    h.advance(1000);
    form->setStatus("before");
    Mouse::move(s->Image14);
    QCOMPARE(form->Label1->Caption(), QString("before"));
    Mouse::click(s->Image14);
    Mouse::click(form->Command2);
    Mouse::drag(form->inventory->cepka, s->Image12);
    QCOMPARE(message(), QString());
    h.advance(3000);
    QVERIFY(!s->Frame3->Visible() && covered(form, s->Image14, form->citymap->map));
}

// The labels and the flats do not hide the map's labels; only the bare map does. The villa's label covers
// the bottom strip of the block above it and lies under the villa; a place's container covers them all.
void TestPlay::mapLabelsAndStacking() {
    Harness h;
    Form1 *form = openOnMap();
    CityMap *m = form->citymap.get();
    const QList<LabelControl *> labels{m->ps, m->vila, m->hrad, m->bar};
    for (const char *name : {"Image22", "Image23", "Image24", "Image25", "ps", "Image16"})
        Mouse::move(m->map->findChild<QWidget *>(name));
    QVERIFY(std::ranges::all_of(labels, &QWidget::isVisible));
    QCOMPARE(Mouse::hitAt(form, pxPoint(3500, 845)), m->vila);
    QCOMPARE(Mouse::hitAt(form, pxPoint(2300, 900)), m->Image25);
    QCOMPARE(Mouse::hitAt(form, pxPoint(2000, 2800)), m->bar);
    Mouse::moveTo(form, QPoint(300, 250)); // the bare map
    QVERIFY(std::ranges::none_of(labels, &QWidget::isVisible));
    form->findChild<Control *>("Hrad1")->setVisible(true);
    for (QWidget *w : std::initializer_list<QWidget *>{m->Image22, m->Image25, m->Image16})
        QVERIFY2(covered(form, w, form->findChild<Control *>("Hrad1")), qPrintable(w->objectName()));
}

void TestPlay::sirenEvery26SecondsWhateverIsInFront() {
    Harness h;
    Form1 *form = openOnMap();
    MediaChannel *effects = form->MMControl2;
    Mouse::click(form->citymap->Image22);
    showMessage("x");
    Windows::show<menu>();
    for (int i = 0; i < 2; ++i) {
        h.advance(25999);
        QVERIFY(!effects->isSounding());
        h.advance(1);
        QCOMPARE(effects->FileName + (effects->isSounding() ? " over " : " ") + form->MMControl1->FileName +
                     (form->MMControl1->isSounding() ? "" : " stopped"),
                 QString("police.wav over Hudba13.mid"));
        effects->setCommand("Close");
    }
}

void TestPlay::barMusicRepeatsOnlyInTheBar() {
    Harness h;
    Form1 *form = openOnMap();
    h.advance(100); // not in step with the siren
    MediaChannel *music = form->MMControl1;
    for (int visit = 0; visit < 2; ++visit) {
        Mouse::click(form->citymap->Image24);
        playTrack(music, "uvod2.wav"); // cut off: the bar's track starts again from its beginning
        h.advance(18629);
        QCOMPARE(music->FileName, QString("uvod2.wav"));
        h.advance(1);
        QVERIFY(music->FileName == "Hudbabarvstupatd.wav" && music->isSounding());
        h.advance(5000);
        Mouse::click(form->findChild<Control *>("Image69"));
        h.advance(3 * 18630);
        QCOMPARE(music->FileName, QString("9m18.wav"));
    }
}

void TestPlay::everyWrongDoorLosesAndClosingCancelsTheEnd() {
    for (const char *door : {"Image82", "Image84", ""}) {
        Harness h;
        QPointer<Form1> f = openOnMap();
        Windows::show<menu>();
        standIn(f->bar->barukol);
        if (*door)
            Mouse::click(f->bar->barukol->findChild<Control *>(door));
        else
            f->Timer4->setEnabled(true), h.advance(2000), f->close(); // the game window closed meanwhile
        h.advance(3000);
        QCOMPARE(h.programEnded(), bool(*door));
        QVERIFY(*door || (!Windows::find<Form2>() && Windows::find<menu>()));
    }
}

// Two presses between two ticks skip a line, but even a burst past the end closes the window at the
// next tick: the officer's talk of 6 lines, the computer's of 7.
void TestPlay::fastPressesNeverLeaveATalkOpen() {
    for (auto [bar, frame, button, lines] :
         {std::tuple{false, "", "Command1", 6}, {true, "Frame1", "Command2", 7}})
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

// The buttons under a visible frame can be neither hit, nor reached by the keyboard, nor pressed by a key
// sent straight to them; opening another talk reloads nothing. Both homeless talks over the officer's,
// the computer's over the guard's; the counters: the own talk's, then each frame's.
void TestPlay::onlyTheTopTalkGoesOn() {
    for (auto [bar, frames, counts] :
         {std::tuple{false, QStringList{"Frame1", "Frame2"}, QList<int>{1, 0, 3}},
          {true, QStringList{"Frame1"}, QList<int>{1, 3}}}) {
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
}

// The tank only stands at the door to be seen: the door beneath it takes the mouse and the dynamite.
void TestPlay::tankAtTheDoorDoesNotShieldIt() {
    Harness h;
    Form1 *f = openOnMap();
    Inventory &inv = *f->inventory;
    standIn(f->finale->toend);
    Mouse::click(f->Command2);
    inv.dynam->Tag = "dynam1"; // lit
    for (Control *c : {inv.benzin, inv.dynam})
        c->show();
    Mouse::drag(inv.benzin, f->finale->Image107);
    const QPoint tank = Mouse::centreOf(f->finale->benzinek);
    QCOMPARE(Mouse::hitAt(f, tank), f->finale->Image107);
    Mouse::dragTo(inv.dynam, f, tank);
    QCOMPARE(message(), QString("Výbušnina Bouchla a ty mnůžeš dovnitř"));
}

// With no menu behind, the door opens the outro and never creates a menu only to be told "Play".
void TestPlay::openDoorLeadsToTheOutro() {
    Harness h;
    Form1 *f = openOnMap();
    standIn(f->finale->toend);
    f->finale->toend->setPicture(f->finale->toend1->Picture()); // blown open
    Mouse::click(f->finale->Image107);
    Harness::settle();
    QVERIFY(Windows::find<onetwo>() && !Windows::find<Form1>() && !Windows::find<menu>());
}

void TestPlay::pressDragsOrClicksAndNoDragOutlivesItsRelease() {
    Harness h;
    Form1 *f = Windows::show<Form1>();
    Mouse::click(f->Command2); // the inventory open
    Inventory &inv = *f->inventory;
    const QPoint empty = Mouse::centreOf(f->Label1); // the status line takes no drops
    // "drag" with the drag icon following the mouse, or "click"; either way nothing is left behind.
    const auto pressAndLeave = [&](Control *c, QPoint to, bool takenAway = false) {
        Mouse::press(c);
        const bool dragging = Drag::source() == c, icon = QApplication::overrideCursor();
        if (takenAway) c->hide(); // as when a handler elsewhere takes the item during its drag
        QTest::mouseMove(f->windowHandle(), to);
        QTest::mouseRelease(f->windowHandle(), Qt::LeftButton, Qt::NoModifier, to);
        Harness::settle();
        if (Drag::source() || QApplication::overrideCursor()) return QString("stuck");
        return QString(dragging != icon ? "no icon" : dragging ? "drag" : "click");
    };
    for (Control *c : inv.items()) {
        if (c == inv.dynambum) continue;
        c->show();
        QCOMPARE(pressAndLeave(c, empty), QString(c == inv.dopis || c == inv.notebook ? "click" : "drag"));
    }
    QVERIFY(!Windows::find<Form2>() && !Windows::find<dopisek>() && !Windows::find<Broucek>());
    // The item taken away is not used.
    QCOMPARE(pressAndLeave(inv.Image11, Mouse::centreOf(inv.cepka), true), QString("drag"));
    QVERIFY(inv.cepka->Tag.isEmpty() && !Windows::find<Form2>());
    inv.Image11->show();
    // The shell, once opened by the card, is clicked, no longer dragged.
    Mouse::drag(inv.Image11, inv.cepka);
    Mouse::drag(inv.cepka, inv.musle);
    QCOMPARE(pressAndLeave(inv.musle, empty), QString("click"));
    // Released outside the window, the drag ends all the same.
    QCOMPARE(pressAndLeave(inv.cepka, QPoint(f->width() + 40, 10)), QString("drag"));
    // The diskette opens the beetles and leaves the music alone; a later click on the notebook closes it.
    Mouse::drag(inv.disk, inv.notebook);
    QCOMPARE(f->MMControl1->Command(), QString("Play"));
    Windows::unload<Broucek>();
    Harness::settle();
    Mouse::click(inv.notebook);
    QVERIFY(Windows::find<Broucek>());
    QCOMPARE(f->MMControl1->state(), MediaChannel::State::Closed);
}

void TestPlay::dropAndDragOverGoToTheTopmostControl() {
    Harness h;
    Form1 *f = Windows::show<Form1>();
    Mouse::click(f->Command2); // the inventory open
    QStringList log;
    const auto object = [&](const char *name, Twips rect) {
        auto *c = new Control(f, name, rect);
        c->show();
        c->onDragDrop = [c, &log](Control *s) { log << c->objectName() + " <- " + s->objectName(); };
        c->onDragOver = [c, &log](Control *s) { log << c->objectName() + " over " + s->objectName(); };
        return c;
    };
    Control *receiver = object("receiver", {1500, 1500, 1500, 1500}),
            *cover = object("cover", {1800, 1800, 900, 900});
    const auto dropOnReceiver = [&] {
        log.clear();
        Mouse::drag(f->inventory->Image11, receiver);
        return log.join(", ");
    };
    QCOMPARE(dropOnReceiver(), QString("cover over Image11, cover <- Image11"));
    cover->onDragDrop = nullptr; // the drop does not fall through to what lies below
    QCOMPARE(dropOnReceiver(), QString("cover over Image11"));
    cover->setEnabled(false);
    QCOMPARE(dropOnReceiver(), QString());
    cover->hide();
    QCOMPARE(dropOnReceiver(), QString("receiver over Image11, receiver <- Image11"));
    (new LabelControl(f, "caption", {1800, 1800, 900, 900}, "text"))->show();
    QCOMPARE(dropOnReceiver(), QString());
}

void TestPlay::oneDialogTheLastTextWinsAndTheGameGoesOn() {
    Harness h;
    Form1 *f = Windows::show<Form1>();
    QPointer<Form2> dialog = showMessageDialog();
    QCOMPARE(message(), QString()); // shown first, its text comes after
    showMessage("první");
    showMessage(" druhá, s mezerou na začátku");
    QCOMPARE(message(), QString(" druhá, s mezerou na začátku"));
    // Under the dialog the player clicks and drags, and the same dialog tells the news.
    Mouse::click(f->Command2);
    Mouse::drag(f->inventory->Image11, f->inventory->cepka);
    QCOMPARE(message(), QString("Odštípl jsi železný předmět o podobě nějaké kredit karty z čepice"));
    QCOMPARE(Windows::open(), std::vector<GameWindow *>({f, dialog.data()}));
    Mouse::click(f->inventory->Command3); // the panel's OK closes it and shows the closed INV icon
    QVERIFY(f->inventory->Frame2->isHidden() && f->Command2->Picture() == f->inventory->Image1112->Picture());

    dialog->move(0, 0);
    dismiss();
    QVERIFY(!dialog); // destroyed, not hidden: the next one is fresh
    QVERIFY(showMessageDialog()->Label1->Caption().isEmpty());
}

// Brought forward, not loaded again: the inventory panel stays open, the menu's music off.
void TestPlay::newGameWithGameLoadedBringsTheSameGameForward() {
    Harness h;
    menu *m = startToMenu(h);
    Form1 *game = newGame(h, m);
    Mouse::click(game->Command2);
    game->tomainmenu->trigger();
    QVERIFY(Windows::find<menu>() == m && !m->MMControl1->isSounding());
    QVERIFY(newGame(h, m) == game && !game->inventory->Frame2->isHidden());
}

// "Intro a úkol hry" waits for OK; "Nová Hra" meanwhile only brings the story forward. The story closed
// during its seven seconds cancels the start; the menu closed instead does not, and no menu comes back.
void TestPlay::onlyTheStorysOwnTimerStartsTheGame() {
    Harness h;
    menu *m = startToMenu(h);
    Mouse::click(m->Command7);
    intro *story = Windows::find<intro>();
    Mouse::click(m->Command1);
    QVERIFY(Windows::find<intro>() == story && !story->Command1->isHidden());
    h.advance(60000);
    QVERIFY(!Windows::find<load>() && !Windows::find<Form1>());
    Mouse::click(story->Command1);
    QVERIFY(!Windows::find<intro>());
    Mouse::click(m->Command1);
    h.advance(5000);
    closeBox(Windows::find<intro>());
    h.advance(30000);
    QVERIFY(!Windows::find<load>() && !Windows::find<Form1>());
    Mouse::click(m->Command1);
    closeBox(m);
    h.advance(7000 + 361);
    QVERIFY(Windows::find<Form1>() && !Windows::find<menu>());
}

// One step after 3.6 s, then no more; About brings the same credits forward; after "Zpět" they start over.
void TestPlay::creditsChangeOnceAndStartOverAfterZpet() {
    Harness h;
    menu *m = startToMenu(h);
    Form1 *game = newGame(h, m);
    Mouse::click(m->Command6);
    credits *c = Windows::find<credits>();
    h.advance(3599);
    QVERIFY(c->Image3->Picture() == Pictures::ui("credits1") && c->Command1->isHidden());
    h.advance(1);
    QVERIFY(c->Image3->Picture() == Pictures::ui("credits2") && c->Command1->isVisible());
    h.advance(60000);
    Mouse::click(game->Command1);
    QVERIFY(Windows::find<credits>() == c && c->Image3->Picture() == Pictures::ui("credits2"));
    Mouse::click(c->Command1);
    QCOMPARE(message(), QString::fromUtf8("Navštivte naše stránky pro získání nových her a informací"));
    Mouse::click(c->Command2);
    Mouse::click(m->Command6);
    QCOMPARE(Windows::find<credits>()->Image3->Picture(), Pictures::ui("credits1"));
}

// By the game's "Hlavní Menu" and by closing the outro; its unload stops the music.
void TestPlay::closedMenuIsStartedAnewWithItsMusic() {
    Harness h;
    menu *m = Windows::show<menu>();
    Form1 *game = Windows::show<Form1>();
    onetwo *outro = Windows::show<onetwo>();
    m->close();
    QCOMPARE(m->MMControl1->state(), MediaChannel::State::Closed);
    Harness::settle();
    game->tomainmenu->trigger();
    QVERIFY(Windows::find<menu>() && Windows::find<menu>()->MMControl1->isSounding());
    closeBox(Windows::find<menu>());
    closeBox(outro);
    QVERIFY(Windows::find<menu>() && Windows::find<menu>()->MMControl1->isSounding());
}

// Exit ends at once, without the outro's unload handler bringing a menu back.
void TestPlay::programEndsWithItsLastWindowOrAtOnceByExit() {
    {
        Harness h;
        Windows::show<credits>();
        closeBox(Windows::show<menu>());
        closeBox(Windows::show<Form1>());
        QVERIFY(!h.programEnded());
        closeBox(Windows::find<credits>());
        QVERIFY(h.programEnded());
    }
    Harness h;
    Windows::show<onetwo>();
    Mouse::click(Windows::show<menu>()->Command5);
    QVERIFY(h.programEnded() && Windows::open().empty());
}

QTEST_MAIN(TestPlay)
#include "test_play.moc"
