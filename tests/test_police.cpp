// The police station: the way through its three scenes, the bin, the barrel, the homeless man and
// his crate, played with the real mouse in virtual time.
#include "support/harness.h"

#include "game/form1.h"
#include "game/inventory.h"
#include "game/scene.h"
#include "scenes/form3.h"
#include "shell/form2.h"
#include "world/citymap.h"
#include "world/police.h"
#include "world/start.h"

namespace {
QString u8(const char *text) {
    return QString::fromUtf8(text);
}

// The message the player reads, or an empty text when no message is shown.
QString message() {
    Form2 *dialog = Windows::find<Form2>();
    return dialog ? dialog->Label1->Caption() : QString();
}

void closeMessage() {
    if (Form2 *dialog = Windows::find<Form2>()) Mouse::click(dialog->Command1);
}

// The game window on the city map, as the launch of the rocket leaves it.
Form1 *openOnMap() {
    Form1 *form = Windows::show<Form1>();
    form->start->Raketa->setVisible(true);
    form->citymap->map->setVisible(true);
    return form;
}

// The police station on the city map.
Control *stationOnMap(Form1 *form) {
    return form->citymap->map->findChild<Control *>("Image22");
}

// Walks from the map into the station and, if asked, on into the yard.
bool enterStation(Form1 *form, bool yard) {
    Control *entrance = stationOnMap(form);
    if (!entrance) return false;
    Mouse::click(entrance);
    Mouse::click(form->police->Image30);
    if (yard) Mouse::click(form->police->Image32);
    return form->police->police2->isVisible();
}

// Presses "Dále" once a line, to the end of the conversation.
void talkThrough(Harness &h, ButtonControl *button, int presses) {
    for (int i = 0; i < presses; ++i) {
        h.advance(36);
        QVERIFY(Windows::find<Form3>());
        Mouse::click(button);
    }
    h.advance(36);
    QVERIFY(!Windows::find<Form3>());
}
} // namespace

class TestPolice : public QObject {
    Q_OBJECT
  private slots:
    void fromTheMapToTheFilledCup();
    void dropAnswers_data();
    void dropAnswers();
    void bananaGivenAwayAndFoundAgain();
    void homelessManAnswers_data();
    void homelessManAnswers();
    void statusLineInsideTheStation();
    void eachSceneCoversTheOneBeforeIt();
};

void TestPolice::fromTheMapToTheFilledCup() {
    Harness h;
    Form1 *form = openOnMap();
    PoliceArea &p = *form->police;
    Inventory &inv = *form->inventory;

    Control *entrance = stationOnMap(form);
    QVERIFY(entrance);
    Mouse::click(entrance);
    QVERIFY(p.police->isVisible());
    QCOMPARE(form->MMControl1->FileName, QString("Hudba13.mid"));
    Mouse::move(p.Image67);
    QCOMPARE(form->Label1->Caption(), u8("Budova Policie"));

    // Inside: the bin gives the banana, the officer talks, then on into the yard.
    Mouse::click(p.Image30);
    QVERIFY(p.police2->isVisible());
    Mouse::click(p.Image36);
    QCOMPARE(message(), u8("Po dukladném prohledání koše si našel banánovou slupku"));
    QVERIFY(inv.banan->Visible());
    closeMessage();
    Mouse::click(p.Image37);
    Form3 *talk = Windows::find<Form3>();
    QVERIFY(talk && talk->Frame1->isHidden() && talk->Frame2->isHidden());
    talkThrough(h, talk->Command1, 6);

    Mouse::click(p.Image32);
    QVERIFY(p.hause->isVisible());
    QCOMPARE(form->MMControl1->FileName, QString("Hudba10.mid"));

    // The barrel gives the cup; with the cup the homeless man talks and says what he wants.
    Mouse::click(p.Image38);
    QCOMPARE(message(), u8("Našel jsi u sudu prázdnou odměrku"));
    QVERIFY(inv.Odmerka->Visible());
    closeMessage();
    Mouse::click(p.Image39);
    talk = Windows::find<Form3>();
    QVERIFY(talk && talk->Frame1->Visible());
    h.advance(36);
    QCOMPARE(talk->Label4->Caption(), u8("Ahoj Bezdomovče"));
    talkThrough(h, talk->Command2, 7);
    QCOMPARE(p.Label2->Caption(), QString("2"));
    QCOMPARE(message(), QString());

    // Until the matches are found he only repeats his wish.
    Mouse::click(p.Image39);
    QCOMPARE(message(), u8("Radši mu sežěň ty zápalky a dříví, jinak ti nedá tu hořlavinu"));
    h.advance(36);
    QVERIFY(!Windows::find<Form3>());
    closeMessage();

    // The castle: the hideout's matches are taken.
    p.Label2->setCaption("3");
    inv.Zapalkava->setVisible(true);

    Mouse::click(p.Image39);
    talk = Windows::find<Form3>();
    QVERIFY(talk && talk->Frame2->Visible());
    h.advance(36);
    QCOMPARE(talk->Label5->Caption(), u8("Ahoj Bezdomovče, tak jsem tady mám ty věci"));
    talkThrough(h, talk->Command3, 7);
    QCOMPARE(p.Label2->Caption(), QString("3"));

    // The fire: the match on the wood, the fire to the homeless man, the cup on the crate.
    Mouse::click(form->Command2);
    QVERIFY(inv.Frame2->Visible());
    Mouse::drag(inv.Zapalkava, inv.Image11);
    QCOMPARE(inv.Image11->Tag, QString("Ohen"));
    closeMessage();
    Mouse::drag(inv.Image11, p.Image39);
    QCOMPARE(message(), u8("Dal jsi bezdomovci oheň, ten ti je moc vďečný a dovoluje ti nabrat si kyselinu"));
    QVERIFY(!inv.Image11->Visible());
    closeMessage();
    Mouse::drag(inv.Odmerka, p.Image40);
    QCOMPARE(message(), u8("Nabral jsi do odměrky trochu kyseliny"));
    QCOMPARE(inv.Odmerka->Tag, QString("Odmerka2"));
    QCOMPARE(inv.Odmerka->Picture(), inv.Odmerka11->Picture());
    QCOMPARE(inv.Odmerka->DragIcon, inv.Odmerka11->DragIcon);
    QCOMPARE(p.Label2->Caption(), QString("9"));
    closeMessage();

    // The homeless man no longer reacts.
    Mouse::click(p.Image39);
    Mouse::drag(inv.banan, p.Image39);
    QCOMPARE(message(), QString());
    QVERIFY(!Windows::find<Form3>());
    QVERIFY(inv.banan->Visible());

    // Back out: the yard's music gives way to the street's; the station and the map keep it.
    Mouse::click(p.Image35);
    QVERIFY(p.hause->isHidden() && p.police2->isVisible());
    QCOMPARE(form->MMControl1->FileName, QString("Hudba13.mid"));
    Mouse::click(p.Image32); // the yard cannot be entered again
    QVERIFY(p.hause->isHidden());
    Mouse::click(p.Image33);
    QVERIFY(p.police2->isHidden() && p.police->isVisible());
    Mouse::click(p.Image41);
    QVERIFY(p.police->isHidden() && form->citymap->map->isVisible());
    QCOMPARE(form->MMControl1->FileName, QString("Hudba13.mid"));
}

// What each hotspot says to each item dropped on it; the split wood passes in silence except at the
// flower. Nothing here changes the state of the world.
void TestPolice::dropAnswers_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("answer");
    const char *no = "To nepůjde, ne";
    const struct {
        const char *row, *target, *item, *answer;
    } rows[] = {
        {"split wood on the bin", "Image36", "drivko", ""},
        {"split wood on the officer", "Image37", "drivko", ""},
        {"split wood on the barrel", "Image38", "drivko", ""},
        {"split wood on the poster", "Image42", "drivko", ""},
        {"split wood on the crate", "Image40", "drivko", ""},
        {"split wood on the flower", "Image54", "drivko", no},
        {"banana on the bin", "Image36", "banan", "Na koš, ani se nesnaž"},
        {"banana on the officer", "Image37", "banan", "AŤ už tě tu nevidím"},
        {"banana on the barrel", "Image38", "banan", no},
        {"banana on the poster", "Image42", "banan", no},
        {"sponge on the flower", "Image54", "Houbava", "Zalil jsi květinu, ale moc jí to nepomohlo"},
        {"cup on the crate before the fire", "Image40", "Odmerka", no},
        {"wood on the homeless man", "Image39", "Image11", no},
        {"cup on the homeless man", "Image39", "Odmerka", no},
    };
    for (const auto &r : rows)
        QTest::newRow(r.row) << QString(r.target) << QString(r.item) << u8(r.answer);
}

void TestPolice::dropAnswers() {
    QFETCH(QString, target);
    QFETCH(QString, item);
    QFETCH(QString, answer);
    Harness h;
    Form1 *form = openOnMap();
    PoliceArea &p = *form->police;
    Inventory &inv = *form->inventory;
    Control *on = p.police->findChild<Control *>(target);
    QVERIFY(on);
    QVERIFY(enterStation(form, on->parentWidget() == p.hause));
    for (Control *i : {inv.banan, inv.Odmerka, inv.Houbava})
        i->setVisible(true);
    Control *dragged = item == "drivko" ? inv.Image11 : inv.Frame2->findChild<Control *>(item);
    if (item == "drivko") inv.Image11->Tag = "drivko"; // the wood after it split the cap
    const QString tag = dragged->Tag;
    Mouse::click(form->Command2);

    Mouse::drag(dragged, on);
    QCOMPARE(message(), answer);
    QVERIFY(dragged->Visible());
    QCOMPARE(dragged->Tag, tag);
    QCOMPARE(inv.Odmerka->Picture(), Pictures::item("cup"));
    QCOMPARE(p.Label2->Caption(), QString("0"));
    QVERIFY(p.Image39->Enabled() && p.Image32->Enabled());
    QVERIFY(!Windows::find<Form3>());
}

void TestPolice::bananaGivenAwayAndFoundAgain() {
    Harness h;
    Form1 *form = openOnMap();
    PoliceArea &p = *form->police;
    Inventory &inv = *form->inventory;
    QVERIFY(enterStation(form, false));
    Mouse::click(form->Command2);

    Mouse::click(p.Image36);
    QVERIFY(inv.banan->Visible());
    Mouse::click(p.Image36);
    QCOMPARE(message(), u8("Už tam nic není, hledáš jak můžeš, ale nic"));
    closeMessage();

    Mouse::click(p.Image32);
    Mouse::drag(inv.banan, p.Image39);
    QCOMPARE(message(), u8("Dal jsi bezdomovci banán, ten ho snědl, ale na svém si trvá dále"));
    QVERIFY(!inv.banan->Visible());
    QCOMPARE(p.Label2->Caption(), QString("0"));
    closeMessage();

    Mouse::click(p.Image35);
    Mouse::click(p.Image36);
    QCOMPARE(message(), u8("Po dukladném prohledání koše si našel banánovou slupku"));
    QVERIFY(inv.banan->Visible());
}

void TestPolice::homelessManAnswers_data() {
    QTest::addColumn<bool>("cup");
    QTest::addColumn<QString>("counter");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("frames"); // the frames of the open conversation window, "" when closed
    QTest::addColumn<QString>("line");   // the line shown after the first tick
    const struct {
        const char *row;
        bool cup;
        const char *counter, *answer, *frames, *line;
    } rows[] = {
        {"no cup", false, "0",
         "Nebude s tebou mluvit, asi proto, že se mu nelíbíš nebo nemáš nic co by chtěl, ještě to tu "
         "prozkoumej",
         "", ""},
        {"cup, 0: first talk", true, "0", "", "Frame1", "Ahoj Bezdomovče"},
        {"cup, 2: his wish", true, "2", "Radši mu sežěň ty zápalky a dříví, jinak ti nedá tu hořlavinu", "",
         ""},
        {"cup, 3: second talk over the first", true, "3", "", "Frame1 Frame2",
         "Ahoj Bezdomovče, tak jsem tady mám ty věci"},
    };
    for (const auto &r : rows)
        QTest::newRow(r.row) << r.cup << QString(r.counter) << u8(r.answer) << QString(r.frames)
                             << u8(r.line);
}

void TestPolice::homelessManAnswers() {
    QFETCH(bool, cup);
    QFETCH(QString, counter);
    QFETCH(QString, answer);
    QFETCH(QString, frames);
    QFETCH(QString, line);
    Harness h;
    Form1 *form = openOnMap();
    PoliceArea &p = *form->police;
    QVERIFY(enterStation(form, true));
    form->inventory->Odmerka->setVisible(cup);
    p.Label2->setCaption(counter);

    Mouse::click(p.Image39);
    h.advance(36);
    QCOMPARE(message(), answer);
    Form3 *talk = Windows::find<Form3>();
    QCOMPARE(talk != nullptr, !frames.isEmpty());
    if (talk) {
        QStringList shown;
        for (Control *f : {talk->Frame1, talk->Frame2})
            if (f->Visible()) shown << f->objectName();
        QCOMPARE(shown.join(' '), frames);
        ButtonControl *top = frames.endsWith("Frame2") ? talk->Command3 : talk->Command2;
        LabelControl *topLine = frames.endsWith("Frame2") ? talk->Label5 : talk->Label4;
        QCOMPARE(topLine->Caption(), line);
        QCOMPARE(Mouse::hitAt(talk, Mouse::centreOf(top)), top);
    }
    QCOMPARE(p.Label2->Caption(), counter);
}

// The station's background has its own text; the way out has none and leaves the last text.
void TestPolice::statusLineInsideTheStation() {
    Harness h;
    Form1 *form = openOnMap();
    PoliceArea &p = *form->police;
    QVERIFY(enterStation(form, false));
    Mouse::move(p.Image54);
    QCOMPARE(form->Label1->Caption(), u8("Květina, ale trochu bez květů"));
    Mouse::moveTo(form, QPoint(300, 40)); // the bare wall: the station's background
    QCOMPARE(form->Label1->Caption(), u8("obyčejný východ ven, před tuto stanici"));
    Mouse::move(p.Image36);
    Mouse::move(p.Image33);
    QCOMPARE(form->Label1->Caption(),
             u8("Je to jeden z nejlepších, úžasných vynálezů - Odpadkový koš, ale pozor, něco v něm je"));
}

// A scene covers the one it was entered from: the street's hotspots cannot be reached from inside
// the station, nor the station's from the yard.
void TestPolice::eachSceneCoversTheOneBeforeIt() {
    Harness h;
    Form1 *form = openOnMap();
    PoliceArea &p = *form->police;
    QVERIFY(enterStation(form, false));
    auto inside = [form](Control *scene, Control *c) {
        QWidget *hit = Mouse::hitAt(form, Mouse::centreOf(c));
        return hit == scene || scene->isAncestorOf(hit);
    };
    for (Control *c : {p.Image67, p.Image30, p.Image29, p.Image28, p.Image27, p.Image41})
        QVERIFY2(inside(p.police2, c), qPrintable(c->objectName()));
    Mouse::click(p.Image32);
    for (Control *c : {p.Image54, p.Image42, p.Image37, p.Image36, p.Image32, p.Image33})
        QVERIFY2(inside(p.hause, c), qPrintable(c->objectName()));
    // On the street the building lies over nothing else; the door and the thumbnail are each on top.
    Mouse::click(p.Image35);
    Mouse::click(p.Image33);
    for (Control *c : {p.Image67, p.Image30, p.Image29, p.Image28, p.Image27, p.Image41})
        QCOMPARE(Mouse::hitAt(form, Mouse::centreOf(c)), c);
}

QTEST_MAIN(TestPolice)
#include "test_police.moc"
