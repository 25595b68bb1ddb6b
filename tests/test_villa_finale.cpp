// The president's villa and the finale beyond what the whole game's walk shows: refusals that must
// change nothing, searches and the president that give only once, the tank that does not shield the
// door, the outro with and without the menu behind it, and every hotspot open to the mouse.
#include "support/game.h"
#include "support/harness.h"

#include "game/form1.h"
#include "game/inventory.h"
#include "runtime/mediachannel.h"
#include "shell/menu.h"
#include "shell/onetwo.h"
#include "world/finale.h"
#include "world/villa.h"

namespace {
void row(const char *name, const char *target, const char *item, const char *answer) {
    QTest::newRow(name) << QString(target) << QString(item) << QString(answer);
}

// The game window standing where the hotspot is, the inventory open.
Control *standAt(Form1 *f, const QString &name) {
    Control *target = f->findChild<Control *>(name);
    standIn(static_cast<Control *>(target->parentWidget()));
    Mouse::click(f->Command2);
    return target;
}

// What the player holds and which of the villa's and the finale's scenes are on screen.
QStringList shown(Form1 *f) {
    QStringList out;
    VillaArea &v = *f->villa;
    for (Control *c : f->inventory->items() + QList{v.malavila, v.vilain, v.prezident, f->finale->toend})
        if (!c->isHidden()) out << c->objectName();
    return out;
}
} // namespace

class TestVillaFinale : public QObject {
    Q_OBJECT
  private slots:
    void refusalsChangeNothing_data();
    void refusalsChangeNothing();
    void givesOnlyOnce_data();
    void givesOnlyOnce();
    void tankAtTheDoorDoesNotShieldIt();
    void openDoorLeadsToTheOutro_data();
    void openDoorLeadsToTheOutro();
};

void TestVillaFinale::refusalsChangeNothing_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("item"); // none: a click
    QTest::addColumn<QString>("answer");
    row("tower door, no letter", "Image93", "",
        "Nemáš žádný důvod, respektive úkol, takže si ho obstarej - Nejlépe v Rock Baru");
    row("main door clicked, clip held", "Image98", "", "Je zamčeno a to hodně dobře");
    row("main door: key", "Image98", "klic",
        "Je to sice správný klíč, ale byl vyměněn zámek, čím by se to dalo otevřít");
    row("main door: diskette", "Image98", "disk", "Ne, takhle to nelze použít");
    row("shell before the search", "Image100", "", "");
    row("lock before the treasure: key", "Image105", "klic", "");
    row("president: diskette", "Image103", "disk", "Tak to nejde použít");
    row("teleport: diskette", "Image104", "disk", "Tak to nejde použít");
    row("teleport: cap", "Image104", "cepka", "");
    row("lighthouse: petrol", "Image112", "benzin", "Takhle to nemůže fungovat");
    row("lighthouse: cap", "Image113", "cepka", "");
}

void TestVillaFinale::refusalsChangeNothing() {
    QFETCH(QString, target);
    QFETCH(QString, item);
    QFETCH(QString, answer);
    Harness h;
    Form1 *f = openOnMap();
    Control *onto = standAt(f, target);
    Inventory &inv = *f->inventory;
    for (Control *c : {inv.spona, inv.klic, inv.disk, inv.benzin})
        c->show();
    const QStringList before = shown(f);
    item.isEmpty() ? Mouse::click(onto) : Mouse::drag(f->findChild<Control *>(item), onto);
    QCOMPARE(message(), answer);
    QCOMPARE(shown(f), before);
}

void TestVillaFinale::givesOnlyOnce_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("item");   // handed over first; none: a click
    QTest::addColumn<QString>("answer"); // the second time
    row("key cabinet", "Image96", "", "Už tam nic není - Spona, klíč a disketa ti nestačí");
    row("aquarium", "Image99", "", "Už nemáš co prohledat");
    row("lighthouse cabinet", "Image112", "", "");
    row("president, his treasure back", "Image103", "vorna", "");
}

// Whatever became of what the first time gave, the second time gives nothing.
void TestVillaFinale::givesOnlyOnce() {
    QFETCH(QString, target);
    QFETCH(QString, item);
    QFETCH(QString, answer);
    Harness h;
    Form1 *f = openOnMap();
    Control *onto = standAt(f, target);
    f->inventory->vorna->show();
    item.isEmpty() ? Mouse::click(onto) : Mouse::drag(f->findChild<Control *>(item), onto);
    QVERIFY(!message().isEmpty());
    dismiss();
    for (Control *c : f->inventory->items())
        c->hide();
    const QStringList before = shown(f);
    Mouse::click(onto);
    QCOMPARE(message(), answer);
    QCOMPARE(shown(f), before);
}

// The tank only stands at the door to be seen: the door beneath it takes the mouse and the dynamite.
void TestVillaFinale::tankAtTheDoorDoesNotShieldIt() {
    Harness h;
    Form1 *f = openOnMap();
    Inventory &inv = *f->inventory;
    standAt(f, "Image107");
    inv.benzin->show();
    inv.dynam->show();
    inv.dynam->Tag = "dynam1"; // lit
    Mouse::drag(inv.benzin, f->finale->Image107);
    const QPoint tank = Mouse::centreOf(f->finale->benzinek);
    QCOMPARE(Mouse::hitAt(f, tank), f->finale->Image107);
    Mouse::dragTo(inv.dynam, f, tank);
    QCOMPARE(message(), QString("Výbušnina Bouchla a ty mnůžeš dovnitř"));
}

void TestVillaFinale::openDoorLeadsToTheOutro_data() {
    QTest::addColumn<bool>("menuLoaded");
    QTest::newRow("menu behind, its music closed") << true;
    QTest::newRow("no menu") << false;
}

void TestVillaFinale::openDoorLeadsToTheOutro() {
    QFETCH(bool, menuLoaded);
    Harness h;
    menu *m = menuLoaded ? Windows::show<menu>() : nullptr;
    if (m) m->MMControl1->setCommand("Close"); // as the story screen leaves it
    Form1 *f = openOnMap();
    standIn(f->finale->toend);
    f->finale->toend->setPicture(f->finale->toend1->Picture()); // blown open
    Mouse::click(f->finale->Image107);
    Harness::settle();
    QVERIFY(Windows::find<onetwo>() && !Windows::find<Form1>());
    QCOMPARE(Windows::find<menu>(), m); // never created only to be told "Play"
    if (m) QCOMPARE(m->MMControl1->Command(), QString("Play"));
    if (m) QCOMPARE(m->MMControl1->state(), MediaChannel::State::Closed);
}

QTEST_MAIN(TestVillaFinale)
#include "test_villa_finale.moc"
