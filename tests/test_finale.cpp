// The finale: the lighthouse with its cabinet, the petrol tank and the lit dynamite at the sealed
// door, and the way out into the outro; and the whole road there from the city map, with the real mouse.
#include "support/harness.h"

#include "game/form1.h"
#include "game/inventory.h"
#include "runtime/mediachannel.h"
#include "shell/form2.h"
#include "shell/menu.h"
#include "shell/onetwo.h"
#include "world/citymap.h"
#include "world/finale.h"
#include "world/start.h"
#include "world/villa.h"

#include <QTemporaryDir>

namespace {
// The game window with the teleport just activated: the sealed door on screen, the inventory open.
Form1 *atTheDoor() {
    Form1 *f = Windows::show<Form1>();
    for (Control *c : {f->start->Raketa, f->citymap->map, f->villa->vilavstup, f->villa->vilain,
                       f->villa->prezident, f->finale->toend})
        c->show();
    Mouse::click(f->Command2);
    return f;
}

QString message() {
    Form2 *dialog = Windows::find<Form2>();
    return dialog ? dialog->Label1->Caption() : QString();
}

void dismiss() {
    if (Form2 *dialog = Windows::find<Form2>()) Mouse::click(dialog->Command1);
    Harness::settle();
}

Control *byName(QWidget *w, const QString &name) {
    return w->findChild<Control *>(name);
}

// The burning match from the castle lights the dynamite in the inventory.
void lightDynamite(Form1 *f) {
    f->inventory->Zapalkava->show();
    Mouse::drag(f->inventory->Zapalkava, f->inventory->dynam);
    QCOMPARE(f->inventory->dynam->Tag, QString("dynam1"));
    dismiss();
}

const char *const kTooWeak = "Sice by to bouchlo, ale nezničilo by to dveře - Chce to něco silnějšího";
const char *const kBlown = "Výbušnina Bouchla a ty mnůžeš dovnitř";
} // namespace

class TestFinale : public QObject {
    Q_OBJECT
  private slots:
    void hoverTexts_data();
    void hoverTexts();
    void finaleCoversTheWholeViewport();
    void cabinetIsSearchedOnce();
    void lighthouseDrops_data();
    void lighthouseDrops();
    void doorTakesTankThenLitDynamite();
    void tankAtTheDoorDoesNotShieldIt();
    void doorClickBeforeAndAfterTheExplosion();
    void openDoorWithoutMenuLoaded();
    void cityMapThroughVillaAndFinaleToOutro();
};

void TestFinale::hoverTexts_data() {
    QTest::addColumn<bool>("lighthouse");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("door") << false << "Image107"
                          << QString::fromUtf8(
                                 "Hodně silně zabezpečené dveře, asi se nedají jen tak odemknout");
    QTest::newRow("lighthouse") << false << "Image108" << QString::fromUtf8("maják");
    QTest::newRow("cabinet") << true << "Image112"
                             << QString::fromUtf8("Skřínka, něco v ní je, ale je dobře zamčená");
    QTest::newRow("cobweb") << true << "Image113" << QString::fromUtf8("Pavučina");
    QTest::newRow("bench") << true << "Image114" << QString("Lavice");
    QTest::newRow("windows") << true << "Image115" << QString("Okna");
}

void TestFinale::hoverTexts() {
    QFETCH(bool, lighthouse);
    QFETCH(QString, name);
    QFETCH(QString, text);
    Harness h;
    Form1 *f = atTheDoor();
    if (lighthouse) Mouse::click(f->finale->Image108);
    Control *c = byName(f, name);
    QCOMPARE(Mouse::hitAt(f, Mouse::centreOf(c)), c);
    f->setStatus("-");
    Mouse::move(c);
    QCOMPARE(f->Label1->Caption(), text);
}

void TestFinale::finaleCoversTheWholeViewport() {
    Harness h;
    Form1 *f = atTheDoor();
    // Not a sliver of the president's room, nor its teleport, at the right edge.
    for (int x : {0, 300, 444})
        QCOMPARE(Mouse::hitAt(f, QPoint(x, 20)), f->finale->toend);
    f->setStatus("-");
    Mouse::moveTo(f, QPoint(444, 100));
    QCOMPARE(f->Label1->Caption(), QString("-"));
}

void TestFinale::cabinetIsSearchedOnce() {
    Harness h;
    Form1 *f = atTheDoor();
    FinaleArea &fin = *f->finale;
    Inventory &inv = *f->inventory;
    QCOMPARE(fin.MAJAK->Left(), -6480);
    Mouse::click(fin.Image108);
    QVERIFY(!fin.MAJAK->isHidden());
    QCOMPARE(fin.MAJAK->pos(), QPoint(0, 0));

    Mouse::click(fin.Image112);
    QCOMPARE(message(),
             QString::fromUtf8("Prohledal jsi skříňku a našel jsi nehořící výbušninu a nádrž benzínu"));
    QVERIFY(!inv.dynam->isHidden() && !inv.benzin->isHidden());
    QVERIFY(!fin.Image112->Enabled());
    dismiss();

    // Out of the lighthouse and back: the cabinet stays searched and silent.
    Mouse::click(fin.Image117);
    QVERIFY(fin.MAJAK->isHidden());
    QVERIFY(!fin.toend->isHidden());
    Mouse::click(fin.Image108);
    QCOMPARE(fin.MAJAK->pos(), QPoint(0, 0));
    inv.benzin->hide(); // already at the door
    f->setStatus("-");
    Mouse::move(fin.Image112);
    QCOMPARE(f->Label1->Caption(), QString("-"));
    Mouse::click(fin.Image112);
    Mouse::drag(inv.dynam, fin.Image112);
    QVERIFY(!Windows::find<Form2>());
    QVERIFY(inv.benzin->isHidden());
}

void TestFinale::lighthouseDrops_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("refused");
    for (const char *target : {"Image112", "Image113", "Image114", "Image115"}) {
        QTest::addRow("%s, cap", target) << target << "cepka" << false;
        QTest::addRow("%s, petrol", target) << target << "benzin" << true;
    }
    QTest::newRow("bottom strip, petrol") << "Image117"
                                          << "benzin" << false;
}

void TestFinale::lighthouseDrops() {
    QFETCH(QString, target);
    QFETCH(QString, item);
    QFETCH(bool, refused);
    Harness h;
    Form1 *f = atTheDoor();
    Mouse::click(f->finale->Image108);
    f->inventory->benzin->show();
    Mouse::drag(byName(f, item), byName(f, target));
    QCOMPARE(message(), refused ? QString::fromUtf8("Takhle to nemůže fungovat") : QString());
    QVERIFY(!f->inventory->benzin->isHidden());
}

void TestFinale::doorTakesTankThenLitDynamite() {
    Harness h;
    Form1 *f = atTheDoor();
    FinaleArea &fin = *f->finale;
    Inventory &inv = *f->inventory;
    inv.dynam->show();
    inv.benzin->show();
    auto sealed = [&] { return fin.toend->Picture() != fin.toend1->Picture(); };

    Mouse::drag(inv.dynam, fin.Image107); // unlit: ignored
    QVERIFY(!Windows::find<Form2>());
    QVERIFY(sealed());

    lightDynamite(f);
    Mouse::drag(inv.dynam, fin.Image107); // lit, but nothing to make it strong enough
    QCOMPARE(message(), QString::fromUtf8(kTooWeak));
    QVERIFY(sealed());
    QVERIFY(!inv.dynam->isHidden());
    dismiss();

    Mouse::drag(inv.benzin, fin.Image107);
    QVERIFY(!fin.benzinek->isHidden());
    QVERIFY(inv.benzin->isHidden());
    QVERIFY(!Windows::find<Form2>());
    QVERIFY(sealed());

    Mouse::drag(inv.dynam, fin.Image107);
    QCOMPARE(message(), QString::fromUtf8(kBlown));
    QVERIFY(!sealed());
    QVERIFY(fin.toend1->isHidden()); // a store, never shown itself
    QVERIFY(fin.benzinek->isHidden());
    QVERIFY(inv.dynam->isHidden());
    QVERIFY(Windows::find<Form1>()); // the door is open; the game goes on until it is entered
}

void TestFinale::tankAtTheDoorDoesNotShieldIt() {
    Harness h;
    Form1 *f = atTheDoor();
    FinaleArea &fin = *f->finale;
    f->inventory->benzin->show();
    f->inventory->dynam->show();
    lightDynamite(f);
    Mouse::drag(f->inventory->benzin, fin.Image107);
    const QPoint tank = Mouse::centreOf(fin.benzinek);
    QCOMPARE(Mouse::hitAt(f, tank), fin.Image107);
    Mouse::moveTo(f, tank);
    QCOMPARE(f->Label1->Caption(),
             QString::fromUtf8("Hodně silně zabezpečené dveře, asi se nedají jen tak odemknout"));
    Mouse::dragTo(f->inventory->dynam, f, tank);
    QCOMPARE(message(), QString::fromUtf8(kBlown));
}

void TestFinale::doorClickBeforeAndAfterTheExplosion() {
    Harness h;
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    writeToneWav(dir.filePath("theme.wav"), 44100);
    menu *m = Windows::show<menu>();
    // The menu's channel holds a track but is silent: "Play" is the one thing that can start it.
    playTrack(m->MMControl1, "theme.wav");
    m->MMControl1->setCommand("Close");
    m->MMControl1->setCommand("Open");
    QCOMPARE(m->MMControl1->state(), MediaChannel::State::Open);

    Form1 *f = atTheDoor();
    Mouse::click(f->finale->Image107);
    QVERIFY(!Windows::find<onetwo>());
    QVERIFY(Windows::find<Form1>());
    QVERIFY(!Windows::find<Form2>());
    QCOMPARE(m->MMControl1->state(), MediaChannel::State::Open);

    f->finale->toend->setPicture(f->finale->toend1->Picture()); // blown open
    Mouse::click(f->finale->Image107);
    Harness::settle();
    onetwo *outro = Windows::find<onetwo>();
    QVERIFY(outro);
    QVERIFY(outro->isVisible());
    QCOMPARE(outro->windowTitle(), QString("Outro"));
    QCOMPARE(m->MMControl1->state(), MediaChannel::State::Playing);
    QVERIFY(!Windows::find<Form1>());
    QVERIFY(!h.programEnded());
    QDir::setCurrent(before);
}

void TestFinale::openDoorWithoutMenuLoaded() {
    Harness h;
    Form1 *f = atTheDoor();
    f->finale->toend->setPicture(f->finale->toend1->Picture());
    Mouse::click(f->finale->Image107);
    Harness::settle();
    QVERIFY(Windows::find<onetwo>());
    QVERIFY(!Windows::find<menu>()); // not created to receive the "Play"
    QVERIFY(!Windows::find<Form1>());
}

void TestFinale::cityMapThroughVillaAndFinaleToOutro() {
    Harness h;
    // The game as the bar leaves it: the menu behind with its music closed since the story screen, the
    // map on screen, the card split from the cap at the start, the wood given to the homeless man, the
    // burning match from the castle and the letter from the bar in the inventory.
    menu *m = Windows::show<menu>();
    m->MMControl1->setCommand("Close");
    Form1 *f = Windows::show<Form1>();
    f->start->Raketa->show();
    f->citymap->map->show();
    VillaArea &v = *f->villa;
    FinaleArea &fin = *f->finale;
    Inventory &inv = *f->inventory;
    Mouse::click(f->Command2);
    Mouse::drag(inv.Image11, inv.cepka);
    QCOMPARE(inv.cepka->Tag, QString("karta"));
    dismiss();
    inv.Image11->hide();
    inv.Zapalkava->show();
    inv.dopis->show();
    h.advance(60000);

    // The square.
    Control *villaOnMap = byName(f->citymap->map, "Image25");
    QVERIFY(villaOnMap);
    Mouse::click(villaOnMap);
    QVERIFY(!v.vilavstup->isHidden());
    QCOMPARE(f->MMControl1->FileName, QString("Hudba2.mid"));
    Mouse::click(v.Image93);
    QVERIFY(!v.malavila->isHidden());
    Mouse::click(v.Image96);
    QCOMPARE(message(), QString::fromUtf8("Ve skříňce jsi našel sponku, klíč a disketu"));
    dismiss();
    Mouse::click(v.Image97);
    QVERIFY(v.malavila->isHidden());
    Mouse::drag(inv.spona, v.Image98);
    QCOMPARE(message(), QString::fromUtf8("Otevíráš dveře sponkou a vcházíš dovnitř"));
    QVERIFY(!v.vilain->isHidden());
    dismiss();

    // The interior: the shell from the aquarium, opened with the card, carries the player on.
    Mouse::click(v.Image99);
    dismiss();
    Mouse::click(v.Image100);
    QVERIFY(!inv.musle->isHidden());
    Mouse::drag(inv.cepka, inv.musle);
    Mouse::click(inv.musle);
    QCOMPARE(message(),
             QString::fromUtf8("Vytáhl jsi z mušle Vornu a najednou jses objevil v podivné místnosti!"));
    QVERIFY(!v.prezident->isHidden());
    dismiss();

    // The president's room.
    Mouse::drag(inv.vorna, v.Image103);
    dismiss();
    Mouse::drag(inv.klic, v.Image105);
    QCOMPARE(message(), QString::fromUtf8("Nastartoval jsi teleport, teď už jen odejít"));
    dismiss();
    Mouse::click(v.Image104);
    QCOMPARE(message(), QString::fromUtf8("Teleport byl aktivován"));
    QCOMPARE(f->MMControl1->FileName, QString("Hudba8.mid"));
    QVERIFY(!fin.toend->isHidden());
    dismiss();

    // The finale.
    Mouse::click(fin.Image107); // still sealed
    QVERIFY(!Windows::find<onetwo>());
    Mouse::click(fin.Image108);
    Mouse::click(fin.Image112);
    dismiss();
    Mouse::click(fin.Image117);
    QVERIFY(fin.MAJAK->isHidden());
    Mouse::drag(inv.benzin, fin.Image107);
    QVERIFY(!fin.benzinek->isHidden());
    Mouse::drag(inv.Zapalkava, inv.dynam);
    QCOMPARE(message(), QString::fromUtf8("Zapálil jsi dynamit"));
    dismiss();
    Mouse::drag(inv.dynam, fin.Image107);
    QCOMPARE(message(), QString::fromUtf8(kBlown));
    dismiss();
    h.advance(30000);
    Mouse::click(fin.Image107);
    Harness::settle();

    // The outro replaces the game; the menu waits behind it, its music closed and so still silent.
    QVERIFY(!Windows::find<Form1>());
    onetwo *outro = Windows::find<onetwo>();
    QVERIFY(outro);
    QCOMPARE(outro->windowTitle(), QString("Outro"));
    QCOMPARE(Windows::find<menu>(), m);
    QCOMPARE(m->MMControl1->Command(), QString("Play"));
    QCOMPARE(m->MMControl1->state(), MediaChannel::State::Closed);
    QVERIFY(!h.programEnded());
}

QTEST_MAIN(TestFinale)
#include "test_finale.moc"
