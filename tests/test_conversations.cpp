// The conversation windows: five scripts shown line by line, "Dále" pressed with the real mouse and
// the keyboard, the window closing at the end, and only the conversation on top able to go on.
#include "support/harness.h"

#include "game/form1.h"
#include "scenes/form3.h"
#include "scenes/form4.h"
#include "world/police.h"

#include <QRegularExpression>
#include <QWindow>

namespace {
enum class Talk { Officer, FirstTalk, SecondTalk, Guard, Computer };

// Opens a conversation as its opener does: the window, then the conversation's frame.
GameWindow *openTalk(Talk t) {
    switch (t) {
    case Talk::Officer:
        return Windows::show<Form3>();
    case Talk::FirstTalk: {
        Form3 *w = Windows::show<Form3>();
        w->Frame1->setVisible(true);
        return w;
    }
    case Talk::SecondTalk: {
        Form3 *w = Windows::show<Form3>();
        w->Frame2->setVisible(true);
        return w;
    }
    case Talk::Guard:
        return Windows::show<Form4>();
    case Talk::Computer: {
        Form4 *w = Windows::show<Form4>();
        w->Frame1->setVisible(true);
        return w;
    }
    }
    return nullptr;
}

bool isOpen(Talk t) {
    return t <= Talk::SecondTalk ? Windows::find<Form3>() != nullptr : Windows::find<Form4>() != nullptr;
}

struct Player {
    LabelControl *line;
    ButtonControl *button;
    LabelControl *counter;
};

Player playerOf(GameWindow *w, Talk t) {
    auto label = [w](const char *name) { return w->findChild<LabelControl *>(name); };
    auto button = [w](const char *name) { return w->findChild<ButtonControl *>(name); };
    switch (t) {
    case Talk::Officer:
    case Talk::Guard:
        return {label("Label1"), button("Command1"), label("Label2")};
    case Talk::FirstTalk:
    case Talk::Computer:
        return {label("Label4"), button("Command2"), label("Label3")};
    case Talk::SecondTalk:
        return {label("Label5"), button("Command3"), label("Label6")};
    }
    return {};
}

QString u8(const char *text) {
    return QString::fromUtf8(text);
}

// Each script's length, first and last line; the texts themselves are data, not checked twice here.
void addTalks() {
    QTest::addColumn<Talk>("talk");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("police officer")
        << Talk::Officer << 6 << u8("Dobrý den pane policajte!")
        << u8("Ale když viděl vykradený bazar, chtěl ho vyrabovat a nyní prosím odejděte");
    QTest::newRow("homeless man, first talk") << Talk::FirstTalk << 7 << u8("Ahoj Bezdomovče")
                                              << u8("Ten Hrad není tvůj, ale každopádně se tam podívám");
    QTest::newRow("homeless man, second talk")
        << Talk::SecondTalk << 7 << u8("Ahoj Bezdomovče, tak jsem tady mám ty věci")
        << u8("Aha, tak kyselina, dobrá udělám to");
    QTest::newRow("bar guard")
        << Talk::Guard << 7 << u8("Ahoj, ty jsi hlídač, že jo")
        << u8("palivo neseženu, šéf mě zabije, asi mám vyhazov, kdyby jsi palivo našel a "
              "nalil do motorky, možná by ses dovnitř dostal");
    QTest::newRow("computer") << Talk::Computer << 7 << u8("Ty jsi počítač")
                              << u8("DVEŘÍ! KDYŽ VEJDEŠ DO JINÝCH DVEŘÍ, BUDEŠ MRTEV, UKOL MUSÍŠ SPLNIT");
}
} // namespace

class TestConversations : public QObject {
    Q_OBJECT
  private slots:
    void linesInOrderAndClosingPress_data() { addTalks(); }
    void linesInOrderAndClosingPress();
    void fastPressesNeverLeaveTheWindowStuck_data() { addTalks(); }
    void fastPressesNeverLeaveTheWindowStuck();
    void firstTalkTellsTheGameOnlyAtItsEnd();
    void firstTalkEndWithoutGameWindow();
    void secondFrameCoversTheFirst();
    void frameCoversTheWindowsOwnTalk_data();
    void frameCoversTheWindowsOwnTalk();
};

// One press a line: each press shows the next line at the next tick (not before), every line is a
// new one, and the press after the last line closes the window within a tick.
void TestConversations::linesInOrderAndClosingPress() {
    QFETCH(Talk, talk);
    QFETCH(int, lines);
    QFETCH(QString, first);
    QFETCH(QString, last);
    Harness h;
    GameWindow *w = openTalk(talk);
    const Player p = playerOf(w, talk);
    QVERIFY(p.line->Caption().isEmpty()); // nothing until the first tick
    h.advance(36);
    QCOMPARE(p.line->Caption(), first);
    QStringList seen{first};
    for (int i = 1; i < lines; ++i) {
        Mouse::click(p.button);
        QCOMPARE(p.line->Caption(), seen.last());
        h.advance(36);
        QVERIFY2(!seen.contains(p.line->Caption()), qPrintable(p.line->Caption()));
        seen << p.line->Caption();
        h.advance(3600); // a line stays until the next press
        QCOMPARE(p.line->Caption(), seen.last());
    }
    QCOMPARE(seen.last(), last);
    QVERIFY(isOpen(talk));
    Mouse::click(p.button);
    h.advance(36);
    QVERIFY(!isOpen(talk));

    // Opened again, it starts from its first line with only the opener's frame shown.
    w = openTalk(talk);
    const Player again = playerOf(w, talk);
    QCOMPARE(again.counter->Caption(), QString("0"));
    QVERIFY(again.line->Caption().isEmpty());
    for (Control *frame : w->findChildren<Control *>(QRegularExpression("^Frame")))
        QCOMPARE(frame->Visible(), frame == again.button->parentWidget());
    h.advance(36);
    QCOMPARE(again.line->Caption(), first);
}

// Two presses between two ticks skip a line (the player asked for it), but even past the end the
// window closes at the next tick.
void TestConversations::fastPressesNeverLeaveTheWindowStuck() {
    QFETCH(Talk, talk);
    QFETCH(int, lines);
    for (int burst : {2, 3, lines + 4}) {
        Harness h;
        GameWindow *w = openTalk(talk);
        const Player p = playerOf(w, talk);
        // Up to the last line one press at a time, then a burst that goes past the end.
        for (int i = 0; i < std::max(0, lines - burst + 1); ++i) {
            h.advance(36);
            Mouse::click(p.button);
        }
        for (int i = 0; i < burst; ++i)
            Mouse::click(p.button);
        QVERIFY2(p.counter->number() > lines, qPrintable(p.counter->Caption()));
        h.advance(36);
        QVERIFY2(!isOpen(talk), qPrintable(QString("burst %1").arg(burst)));
    }
}

void TestConversations::firstTalkTellsTheGameOnlyAtItsEnd() {
    Harness h;
    Form1 *game = Windows::show<Form1>();
    LabelControl *counter = game->police->Label2;

    // Opened and left open, even at its last line, the first talk changes nothing.
    Form3 *w = Windows::show<Form3>();
    w->Frame1->setVisible(true);
    for (int i = 0; i < 6; ++i) {
        h.advance(36);
        Mouse::click(w->Command2);
    }
    h.advance(5000);
    QVERIFY(Windows::find<Form3>());
    QCOMPARE(counter->Caption(), QString("0"));
    Mouse::click(w->Command2);
    h.advance(36);
    QVERIFY(!Windows::find<Form3>());
    QCOMPARE(counter->Caption(), QString("2"));
    QCOMPARE(Windows::find<Form1>(), game);
}

void TestConversations::firstTalkEndWithoutGameWindow() {
    Harness h;
    Form3 *w = Windows::show<Form3>();
    w->Frame1->setVisible(true);
    for (int i = 0; i < 7; ++i) {
        h.advance(36);
        Mouse::click(w->Command2);
    }
    h.advance(36);
    QVERIFY(!Windows::find<Form3>());
    QVERIFY(!Windows::find<Form1>()); // the end of the talk never opens the game window
}

void TestConversations::secondFrameCoversTheFirst() {
    Harness h;
    Form3 *w = Windows::show<Form3>();
    // The officer's talk is under way when the homeless man's openers run.
    h.advance(36);
    Mouse::click(w->Command1);
    h.advance(36);
    w->Frame1->setVisible(true);
    h.advance(36);
    QCOMPARE(w->Label4->Caption(), QString::fromUtf8("Ahoj Bezdomovče"));
    w->Frame2->setVisible(true); // opened again: brought forward, nothing reloaded
    QCOMPARE(Windows::show<Form3>(), w);
    QCOMPARE(w->Label2->Caption(), QString("1"));

    // Only the second talk's button can be hit, clicked or reached by the keyboard.
    QCOMPARE(Mouse::hitAt(w, Mouse::centreOf(w->Command2)), w->Command3);
    QCOMPARE(w->focusWidget(), w->Command3);
    QVERIFY(!w->Command1->isEnabled());
    QVERIFY(!w->Command2->isEnabled());
    for (int i = 0; i < 3; ++i) {
        Mouse::click(w->Command3);
        h.advance(36);
    }
    QTest::keyClick(w->windowHandle(), Qt::Key_Space);
    h.advance(36);
    QCOMPARE(w->Label6->Caption(), QString("4"));
    QCOMPARE(w->Label5->Caption(), QString::fromUtf8("Z jaké bedny, co!"));
    // The first talk stays at its first line underneath, the officer where he was.
    QCOMPARE(w->Label3->Caption(), QString("0"));
    QCOMPARE(w->Label4->Caption(), QString::fromUtf8("Ahoj Bezdomovče"));
    QCOMPARE(w->Label2->Caption(), QString("1"));
}

// A visible frame hides the window's own line and button completely (the green border stays), and
// from then on no key presses that button: the focus moves to the visible conversation's button.
void TestConversations::frameCoversTheWindowsOwnTalk_data() {
    QTest::addColumn<bool>("bar");
    QTest::newRow("Form3, Frame1 over the officer") << false;
    QTest::newRow("Form4, Frame1 over the guard") << true;
}

void TestConversations::frameCoversTheWindowsOwnTalk() {
    QFETCH(bool, bar);
    Harness h;
    GameWindow *w = bar ? static_cast<GameWindow *>(Windows::show<Form4>()) : Windows::show<Form3>();
    QCOMPARE(w->size(), QSize(273, 130));
    auto *own = w->findChild<ButtonControl *>("Command1");
    auto *ownCounter = w->findChild<LabelControl *>("Label2");
    auto *frame = w->findChild<Control *>("Frame1");
    QVERIFY(frame->isHidden());
    QVERIFY(frame->geometry().contains(w->findChild<LabelControl *>("Label1")->geometry()));
    QVERIFY(frame->geometry().contains(own->geometry()));
    for (const char *line : {"Line1", "Line2", "Line3", "Line4"})
        QVERIFY(!frame->geometry().intersects(w->findChild<QWidget *>(line)->geometry()));
    QCOMPARE(w->focusWidget(), own);

    frame->setVisible(true);
    QCOMPARE(w->focusWidget(), frame->findChild<ButtonControl *>("Command2"));
    auto *visibleCounter = frame->findChild<LabelControl *>("Label3");
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(w->windowHandle(), Qt::Key_Tab);
        QVERIFY(w->focusWidget() != own);
        QTest::keyClick(w->windowHandle(), Qt::Key_Space);
        QTest::keyClick(own, Qt::Key_Space); // even a key sent straight to it
        h.advance(36);
        if (!Windows::isLoaded(w)) break; // the visible conversation reached its end
        QCOMPARE(ownCounter->Caption(), QString("0"));
        QCOMPARE(visibleCounter->number(), i + 1);
    }
    QVERIFY(!Windows::isLoaded(w));
}

QTEST_MAIN(TestConversations)
#include "test_conversations.moc"
