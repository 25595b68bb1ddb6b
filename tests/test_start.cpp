// The crash site, the cave, the rocket and the launch, played with the mouse in virtual time.
#include "support/harness.h"

#include "game/form1.h"
#include "game/inventory.h"
#include "runtime/mediachannel.h"
#include "shell/form2.h"
#include "world/citymap.h"
#include "world/start.h"

namespace {
QString u(const char *text) {
    return QString::fromUtf8(text);
}

QString message() {
    Form2 *dialog = Windows::find<Form2>();
    return dialog ? dialog->Label1->Caption() : QString();
}

void closeMessage() {
    if (Form2 *dialog = Windows::find<Form2>()) Mouse::click(dialog->Command1);
    QVERIFY(!Windows::find<Form2>());
}

// Every control that a click at the centre of w would reach lies in container.
bool hitsInside(Form1 *form, const QWidget *w, const QWidget *container) {
    QWidget *hit = Mouse::hitAt(form, Mouse::centreOf(w));
    return hit && (hit == container || container->isAncestorOf(hit));
}

const char *const kNotHere = "Tento předmět tady nejde použít";
const char *const kCapOnButtons = "Jak chceš použít čepici na tlačítka";
} // namespace

class TestStart : public QObject {
    Q_OBJECT
  private slots:
    void fromTheCrashSiteToTheCityMap();
    void hoverTexts_data();
    void hoverTexts();
    void doorClick_data();
    void doorClick();
    void boxGivesTheKeyAgain();
    void drops_data();
    void drops();
    void slotRefusesOnceTheCardIsIn();
    void startWithoutTheCard();
    void launchClosesTheInventory_data();
    void launchClosesTheInventory();
    void launchPictureCoversTheCockpit();
};

void TestStart::fromTheCrashSiteToTheCityMap() {
    Harness h;
    Form1 *form = Windows::show<Form1>();
    StartArea *s = form->start.get();
    Inventory *inv = form->inventory.get();
    QCOMPARE(form->MMControl1->FileName, QString("Hudba7.mid"));

    // Into the cave and out with the key.
    Mouse::click(s->Image7);
    QVERIFY(s->Frame1->Visible());
    QCOMPARE(form->Label1->Caption(), u("jsi v nějaké jeskyni, ale nic moc tu není, jen nějaká skříňka"));
    Mouse::click(s->Image9);
    QCOMPARE(message(), u("V bedně byl klíč, tak jsi ho vzal!?!"));
    QVERIFY(inv->klicek->Visible());
    closeMessage();
    Mouse::click(s->Image8);
    QVERIFY(!s->Frame1->Visible());

    // The key unlocks the door; a click on it then goes in.
    Mouse::click(form->Command2);
    QVERIFY(inv->Frame2->Visible());
    Mouse::drag(inv->klicek, s->Image3);
    QCOMPARE(message(), u("Odemkl jsi dveře"));
    QCOMPARE(form->Key->Caption(), QString("1"));
    QVERIFY(!inv->klicek->Visible());
    QVERIFY(!s->Raketa->Visible());
    closeMessage();
    Mouse::click(s->Image3);
    QVERIFY(s->Raketa->Visible());
    QVERIFY(!Windows::find<Form2>());

    // The wood breaks the card off the cap; the card goes into the slot.
    Mouse::drag(inv->Image11, inv->cepka);
    QCOMPARE(inv->cepka->Tag, QString("karta"));
    closeMessage();
    Mouse::drag(inv->cepka, s->Image13);
    QCOMPARE(message(), u("Zalogoval jses a loď nastartovala"));
    QVERIFY(!s->Image13->Enabled());
    QVERIFY(inv->cepka->Visible());
    closeMessage();

    // Start: four seconds of the launch picture, then the map.
    Mouse::click(s->Image14);
    QVERIFY(!Windows::find<Form2>());
    QVERIFY(s->Frame3->Visible());
    QCOMPARE(s->Frame3->Left(), 0);
    QCOMPARE(s->Frame3->Top(), 0);
    QVERIFY(!inv->Frame2->Visible());
    QCOMPARE(form->MMControl1->FileName, QString("frame3start.wav"));
    QVERIFY(form->MMControl1->isSounding());
    h.advance(3999);
    QVERIFY(s->Frame3->Visible());
    QVERIFY(!form->citymap->map->Visible());
    h.advance(1);
    QVERIFY(!s->Frame3->Visible());
    QVERIFY(form->citymap->map->Visible());
    QVERIFY(!s->Timer2->Enabled());
    QCOMPARE(form->MMControl1->FileName, QString("9m18.wav"));
    QVERIFY(form->MMControl1->isSounding());
    QVERIFY(hitsInside(form, s->Image14, form->citymap->map));
    QVERIFY(s->Raketa->Visible());
}

void TestStart::hoverTexts_data() {
    QTest::addColumn<QString>("scene"); // "" for the crash site
    QTest::addColumn<QString>("hotspot");
    QTest::addColumn<QString>("text"); // empty: the status line keeps what it had
    QTest::addColumn<int>("cursor");
    // The door lies on the rocket and the entrance on the rock; the sky only shows the look cursor.
    auto row = [](const char *scene, const char *hotspot, const char *text, CursorKind cursor) {
        QTest::addRow("%s", hotspot) << QString(scene) << QString(hotspot) << u(text) << int(cursor);
    };
    row("", "Image3", "Jsou to dveře", CursorKind::Forward);
    row("", "Image7", "Je to vchod do jeskyně", CursorKind::Forward);
    row("", "Image88(3)", "", CursorKind::Look);
    row("Frame1", "Image9", "Je to skříňka, a vypadá to, že v ní něco je!?!", CursorKind::Look);
    row("Frame1", "Image8", "", CursorKind::Back);
    row("Raketa", "Image13", "je to něco do čeho se vkládádá karta pro start loďi", CursorKind::None);
}

void TestStart::hoverTexts() {
    QFETCH(QString, scene);
    QFETCH(QString, hotspot);
    QFETCH(QString, text);
    QFETCH(int, cursor);
    Harness h;
    Form1 *form = Windows::show<Form1>();
    if (!scene.isEmpty()) form->findChild<Control *>(scene)->setVisible(true);
    auto *c = form->findChild<Control *>(hotspot);
    QVERIFY(c);
    form->setStatus("before");
    QCOMPARE(Mouse::hitAt(form, Mouse::centreOf(c)), c); // nothing covers it
    Mouse::move(c);
    QCOMPARE(form->Label1->Caption(), text.isEmpty() ? QString("before") : text);
    QCOMPARE(int(c->MouseIcon()), cursor);
}

void TestStart::doorClick_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<bool>("entered");
    QTest::newRow("locked") << "0" << true << false;
    QTest::newRow("unlocked") << "1" << false << true;
    QTest::newRow("neither") << "2" << false << false;
}

void TestStart::doorClick() {
    QFETCH(QString, key);
    QFETCH(bool, locked);
    QFETCH(bool, entered);
    Harness h;
    Form1 *form = Windows::show<Form1>();
    form->Key->setCaption(key);
    Mouse::click(form->start->Image3);
    QCOMPARE(message(), locked ? u("Je zamčeno, měl bys najít klíč") : QString());
    QCOMPARE(form->start->Raketa->Visible(), entered);
}

void TestStart::boxGivesTheKeyAgain() {
    Harness h;
    Form1 *form = Windows::show<Form1>();
    StartArea *s = form->start.get();
    Control *klicek = form->inventory->klicek;
    Mouse::click(s->Image7);
    Mouse::click(s->Image9);
    closeMessage();
    Mouse::click(s->Image9);
    QCOMPARE(message(), u("V bedně byl klíč, tak jsi ho vzal!?!"));
    QVERIFY(klicek->Visible());
    QCOMPARE(form->inventory->Frame2->findChildren<Control *>("klicek").size(), 1);

    // Used on the door, the key is gone; the box gives it once more and the door stays unlocked.
    Mouse::click(s->Image8);
    Mouse::click(form->Command2);
    Mouse::drag(klicek, s->Image3);
    QVERIFY(!klicek->Visible());
    Mouse::click(s->Image7);
    Mouse::click(s->Image9);
    QVERIFY(klicek->Visible());
    QCOMPARE(form->Key->Caption(), QString("1"));
}

void TestStart::drops_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("tag"); // the item's tag at the drop
    QTest::addColumn<QString>("text");
    auto row = [](const char *target, const char *item, const char *tag, const char *text) {
        QTest::addRow("%s on %s (%s)", item, target, tag)
            << QString(target) << QString(item) << QString(tag) << u(text);
    };
    // The cap has no tag; the card is the same item once split.
    row("Image2", "cepka", "", kCapOnButtons);
    row("Image2", "Image11", "drevo", kNotHere);
    row("Image2", "cepka", "karta", kNotHere);
    row("Image3", "Image11", "drevo", kNotHere);
    row("Image4", "cepka", "", kCapOnButtons);
    row("Image4", "Image11", "drevo", " Myslím, že tady to nepujde");
    row("Image5", "cepka", "", kCapOnButtons);
    row("Image5", "Image11", "drevo", "Jak tohle chceš použít na jeskyni");
    row("Image12", "cepka", "", kCapOnButtons);
    row("Image12", "cepka", "karta", kNotHere);
    row("Image13", "cepka", "",
        "Myslím, že by jsi měl z té čepice něčím odďelit tu železnou destičku, která ji drží pohromadě");
    row("Image13", "Image11", "drevo", "Co tím chceš docílit, nejde to");
    row("Image13", "klicek", "Key", "Co tím chceš docílit, nejde to");
}

void TestStart::drops() {
    QFETCH(QString, target);
    QFETCH(QString, item);
    QFETCH(QString, tag);
    QFETCH(QString, text);
    Harness h;
    Form1 *form = Windows::show<Form1>();
    StartArea *s = form->start.get();
    auto *t = form->findChild<Control *>(target);
    auto *i = form->inventory->Frame2->findChild<Control *>(item);
    QVERIFY(t && i);
    if (t->parentWidget() == s->Raketa) s->Raketa->setVisible(true);
    i->setVisible(true);
    i->Tag = tag;
    Mouse::click(form->Command2);
    Mouse::drag(i, t);
    QCOMPARE(message(), text);
    // A refusal changes nothing.
    QCOMPARE(form->Key->Caption(), QString("0"));
    QVERIFY(s->Image13->Enabled());
    QVERIFY(i->Visible());
    QCOMPARE(i->Tag, tag);
}

void TestStart::slotRefusesOnceTheCardIsIn() {
    Harness h;
    Form1 *form = Windows::show<Form1>();
    StartArea *s = form->start.get();
    Control *card = form->inventory->cepka;
    card->Tag = "karta";
    s->Raketa->setVisible(true);
    Mouse::click(form->Command2);
    Mouse::drag(card, s->Image13);
    QVERIFY(!s->Image13->Enabled());
    closeMessage();

    Mouse::drag(card, s->Image13);
    QVERIFY(!Windows::find<Form2>());
    form->setStatus("before");
    Mouse::move(s->Image13);
    QCOMPARE(form->Label1->Caption(), QString("before"));
    // The card stays in the inventory as it was.
    QVERIFY(card->Visible());
    QCOMPARE(card->Tag, QString("karta"));
}

void TestStart::startWithoutTheCard() {
    Harness h;
    Form1 *form = Windows::show<Form1>();
    StartArea *s = form->start.get();
    s->Raketa->setVisible(true);
    Mouse::click(form->Command2);
    Mouse::click(s->Image14);
    QCOMPARE(message(), u("Bohužel, nebyla vložena startovní karta"));
    QVERIFY(!s->Frame3->Visible());
    QVERIFY(!s->Timer2->Enabled());
    QVERIFY(form->inventory->Frame2->Visible());
    QCOMPARE(form->MMControl1->FileName, QString("Hudba7.mid"));
    h.advance(10000);
    QVERIFY(!form->citymap->map->Visible());
}

void TestStart::launchClosesTheInventory_data() {
    QTest::addColumn<bool>("panelOpen");
    QTest::newRow("open") << true;
    QTest::newRow("closed") << false;
}

void TestStart::launchClosesTheInventory() {
    QFETCH(bool, panelOpen);
    Harness h;
    Form1 *form = Windows::show<Form1>();
    StartArea *s = form->start.get();
    s->Raketa->setVisible(true);
    s->Image13->setEnabled(false);
    if (panelOpen) Mouse::click(form->Command2);
    Mouse::click(s->Image14);
    QVERIFY(s->Frame3->Visible());
    QVERIFY(!form->inventory->Frame2->Visible());
    QCOMPARE(form->Command2->Picture(), form->inventory->Image1112->Picture());
}

void TestStart::launchPictureCoversTheCockpit() {
    Harness h;
    Form1 *form = Windows::show<Form1>();
    StartArea *s = form->start.get();
    s->Raketa->setVisible(true);
    s->Image13->setEnabled(false);
    Mouse::click(s->Image14);
    h.advance(1000);
    for (Control *c : {s->Image12, s->Image13, s->Image14})
        QVERIFY(hitsInside(form, c, s->Frame3));

    // Nothing under the picture reacts: no text, no message, and START does not begin again.
    form->setStatus("before");
    Mouse::move(s->Image14);
    QCOMPARE(form->Label1->Caption(), QString("before"));
    Mouse::click(s->Image14);
    Mouse::click(form->Command2);
    Mouse::drag(form->inventory->cepka, s->Image12);
    QVERIFY(!Windows::find<Form2>());
    h.advance(3000);
    QVERIFY(form->citymap->map->Visible());
    QCOMPARE(form->MMControl1->FileName, QString("9m18.wav"));
}

QTEST_MAIN(TestStart)
#include "test_start.moc"
