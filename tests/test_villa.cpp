// The president's villa: the square, the side building with the key cabinet, the interior with the
// aquarium and the president's room with the teleport, played with the real mouse.
#include "support/harness.h"

#include "game/form1.h"
#include "game/inventory.h"
#include "shell/form2.h"
#include "world/citymap.h"
#include "world/finale.h"
#include "world/start.h"
#include "world/villa.h"

namespace {
enum Depth { Square, Side, Interior, Room };

// The game window with the villa's square on screen (as the map leaves it) and the inventory open.
// Deeper scenes are shown the way the game shows them: on top of the ones above.
Form1 *villaAt(Depth depth) {
    Form1 *f = Windows::show<Form1>();
    f->start->Raketa->show();
    f->citymap->map->show();
    VillaArea &v = *f->villa;
    v.vilavstup->show();
    if (depth == Side) v.malavila->show();
    if (depth >= Interior) v.vilain->show();
    if (depth == Room) v.prezident->show();
    Mouse::click(f->Command2);
    return f;
}

QString message() {
    Form2 *dialog = Windows::find<Form2>();
    return dialog ? dialog->Label1->Caption() : QString();
}

// The player reads the message and presses OK.
void dismiss() {
    if (Form2 *dialog = Windows::find<Form2>()) Mouse::click(dialog->Command1);
    Harness::settle();
}

QString status(Form1 *f) {
    return f->Label1->Caption();
}

Control *byName(Form1 *f, const QString &name) {
    return f->findChild<Control *>(name);
}
} // namespace

class TestVilla : public QObject {
    Q_OBJECT
  private slots:
    void hoverTexts_data();
    void hoverTexts();
    void towerDoorNeedsTheLetter();
    void keyCabinetGivesItsContentsOnce();
    void mainDoorClickIsAlwaysRefused();
    void mainDoorDrops_data();
    void mainDoorDrops();
    void clipDraggedOverMainDoorWritesStatus();
    void shellOnlyAfterTheAquariumSearch();
    void presidentTakesTreasureAndUnlocksStarter();
    void teleportBeforeAndAfterTheLock();
    void teleportDrops_data();
    void teleportDrops();
    void thumbnailReturnsToMapKeepingMusic();
};

void TestVilla::hoverTexts_data() {
    QTest::addColumn<int>("depth");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    const QString tower = QString::fromUtf8("Dveře, do menší budovy vily");
    QTest::newRow("left tower door") << int(Square) << "Image92" << tower;
    QTest::newRow("right tower door") << int(Square) << "Image93" << tower;
    QTest::newRow("main door")
        << int(Square) << "Image98"
        << QString::fromUtf8("Hodně silné a pevné dveře, na ty jen ten nejlepší klíč, nebo něco jiného!?!");
    QTest::newRow("secret cabinet") << int(Side) << "Image94"
                                    << QString::fromUtf8(
                                           "Skříňka, ve které jsou skaladované tajné materiály");
    QTest::newRow("sign") << int(Side) << "Image95"
                          << QString::fromUtf8("tabule s nápisem President´s tower");
    QTest::newRow("key cabinet") << int(Side) << "Image96" << QString::fromUtf8("Skříňka s nápisem klíče");
    QTest::newRow("aquarium") << int(Interior) << "Image99"
                              << QString::fromUtf8("Akvárium a uvnitř je hezká mušle");
    QTest::newRow("windows") << int(Interior) << "Image102" << QString("Okna");
    QTest::newRow("president") << int(Room) << "Image103"
                               << QString::fromUtf8("Prezident, vždyť je to počítač");
    QTest::newRow("teleport") << int(Room) << "Image104"
                              << QString::fromUtf8("Teleport, snad tě teleportuje někam daleko");
}

void TestVilla::hoverTexts() {
    QFETCH(int, depth);
    QFETCH(QString, name);
    QFETCH(QString, text);
    Harness h;
    Form1 *f = villaAt(Depth(depth));
    Control *c = byName(f, name);
    QVERIFY(c);
    // The upper part of each hotspot: the map thumbnail lies over the foot of the left tower door.
    const QPoint at = c->mapTo(f, QPoint(c->width() / 2, c->height() / 4));
    QCOMPARE(Mouse::hitAt(f, at), c);
    f->setStatus("-");
    Mouse::moveTo(f, at);
    QCOMPARE(status(f), text);
}

void TestVilla::towerDoorNeedsTheLetter() {
    Harness h;
    Form1 *f = villaAt(Square);
    Mouse::click(f->villa->Image93);
    QCOMPARE(
        message(),
        QString::fromUtf8("Nemáš žádný důvod, respektive úkol, takže si ho obstarej - Nejlépe v Rock Baru"));
    QVERIFY(f->villa->malavila->isHidden());
    dismiss();

    f->inventory->dopis->show(); // the letter from the bar
    Mouse::click(f->villa->Image93);
    QVERIFY(!f->villa->malavila->isHidden());
    QVERIFY(!Windows::find<Form2>());
    Mouse::click(f->villa->Image97);
    QVERIFY(f->villa->malavila->isHidden());
    QVERIFY(!f->villa->vilavstup->isHidden());
    Mouse::click(f->villa->Image93); // as often as the player likes
    QVERIFY(!f->villa->malavila->isHidden());
}

void TestVilla::keyCabinetGivesItsContentsOnce() {
    Harness h;
    Form1 *f = villaAt(Side);
    Inventory &inv = *f->inventory;
    inv.dopis->show();
    Mouse::click(f->villa->Image96);
    QCOMPARE(message(), QString::fromUtf8("Ve skříňce jsi našel sponku, klíč a disketu"));
    QVERIFY(!inv.spona->isHidden() && !inv.klic->isHidden() && !inv.disk->isHidden());
    QCOMPARE(inv.dopis->Tag, QString("a"));
    dismiss();

    // Used up meanwhile, they are not given again.
    inv.spona->hide();
    inv.disk->hide();
    for (int i = 0; i < 2; ++i) {
        Mouse::click(f->villa->Image96);
        QCOMPARE(message(), QString::fromUtf8("Už tam nic není - Spona, klíč a disketa ti nestačí"));
        QVERIFY(inv.spona->isHidden() && inv.disk->isHidden());
        dismiss();
    }
}

void TestVilla::mainDoorClickIsAlwaysRefused() {
    Harness h;
    Form1 *f = villaAt(Square);
    for (bool clipHeld : {false, true}) {
        f->inventory->spona->setVisible(clipHeld);
        Mouse::click(f->villa->Image98);
        QCOMPARE(message(), QString::fromUtf8("Je zamčeno a to hodně dobře"));
        QVERIFY(f->villa->vilain->isHidden());
        dismiss();
    }
}

void TestVilla::mainDoorDrops_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("opens");
    const QString refusal = QString::fromUtf8("Ne, takhle to nelze použít");
    QTest::newRow("clip") << "spona" << QString::fromUtf8("Otevíráš dveře sponkou a vcházíš dovnitř") << true;
    QTest::newRow("key") << "klic"
                         << QString::fromUtf8(
                                "Je to sice správný klíč, ale byl vyměněn zámek, čím by se to dalo otevřít")
                         << false;
    QTest::newRow("diskette") << "disk" << refusal << false;
    QTest::newRow("cap") << "cepka" << refusal << false;
}

void TestVilla::mainDoorDrops() {
    QFETCH(QString, item);
    QFETCH(QString, text);
    QFETCH(bool, opens);
    Harness h;
    Form1 *f = villaAt(Square);
    Inventory &inv = *f->inventory;
    for (Control *c : {inv.spona, inv.klic, inv.disk})
        c->show();
    Control *dropped = byName(f, item);
    Mouse::drag(dropped, f->villa->Image98);
    QCOMPARE(message(), text);
    QCOMPARE(!f->villa->vilain->isHidden(), opens);
    QCOMPARE(dropped->isHidden(), opens); // only the clip is used up
    QVERIFY(!inv.klic->isHidden());
}

void TestVilla::clipDraggedOverMainDoorWritesStatus() {
    Harness h;
    Form1 *f = villaAt(Square);
    f->inventory->spona->show();
    f->inventory->klic->show();
    const QPoint door = Mouse::centreOf(f->villa->Image98);
    const QPoint statusLine = Mouse::centreOf(f->Label1); // no drop target there

    Mouse::press(f->inventory->klic);
    f->setStatus("-"); // the key wrote its own hover text as the mouse came over it
    Mouse::moveTo(f, door);
    QCOMPARE(status(f), QString("-"));
    Mouse::moveTo(f, statusLine);
    QTest::mouseRelease(f->windowHandle(), Qt::LeftButton, Qt::NoModifier, statusLine);

    Mouse::press(f->inventory->spona);
    Mouse::moveTo(f, door);
    QCOMPARE(status(f), QString::fromUtf8("Použít sponu na odemknutí dveří"));
    f->setStatus("-");
    Mouse::moveTo(f, statusLine); // leaving the door writes it as well
    QCOMPARE(status(f), QString::fromUtf8("Použít sponu na odemknutí dveří"));
    QTest::mouseRelease(f->windowHandle(), Qt::LeftButton, Qt::NoModifier, statusLine);
    Harness::settle();
    QVERIFY(f->villa->vilain->isHidden());
    QVERIFY(!Windows::find<Form2>());
}

void TestVilla::shellOnlyAfterTheAquariumSearch() {
    Harness h;
    Form1 *f = villaAt(Interior);
    VillaArea &v = *f->villa;
    QCOMPARE(Mouse::hitAt(f, Mouse::centreOf(v.Image100)), v.Image100); // it lies in the aquarium, above it
    QVERIFY(!v.Image100->Picture().isEmpty());

    Mouse::move(v.Image102);
    Mouse::move(v.Image100);
    QCOMPARE(status(f), QString("Okna"));
    Mouse::click(v.Image100);
    QVERIFY(f->inventory->musle->isHidden());
    QVERIFY(!v.Image100->isHidden());
    QVERIFY(!Windows::find<Form2>());

    Mouse::click(v.Image99);
    QCOMPARE(message(), QString::fromUtf8("Důkladně jsi prohledal akvárium a něco jsi zjistil"));
    QCOMPARE(v.Image99->Tag, QString("aa"));
    dismiss();
    Mouse::move(v.Image100);
    QCOMPARE(status(f), QString::fromUtf8("Vypadá to jako ty mušličky, co v sobě mají schovanou vornu"));
    Mouse::click(v.Image100);
    QVERIFY(!f->inventory->musle->isHidden());
    QVERIFY(v.Image100->isHidden());
    QVERIFY(!Windows::find<Form2>());

    Mouse::click(v.Image99);
    QCOMPARE(message(), QString::fromUtf8("Už nemáš co prohledat"));
}

void TestVilla::presidentTakesTreasureAndUnlocksStarter() {
    Harness h;
    Form1 *f = villaAt(Room);
    VillaArea &v = *f->villa;
    Inventory &inv = *f->inventory;
    inv.vorna->show();
    inv.klic->show();
    inv.disk->show();
    const QString noUse = QString::fromUtf8("Tak to nejde použít");

    // The lock is still blocked: it neither describes itself nor takes the key.
    QCOMPARE(Mouse::hitAt(f, Mouse::centreOf(v.Image105)), v.Image105);
    Mouse::move(v.Image103);
    Mouse::move(v.Image105);
    QCOMPARE(status(f), QString::fromUtf8("Prezident, vždyť je to počítač"));
    Mouse::drag(inv.klic, v.Image105);
    QVERIFY(!Windows::find<Form2>());
    QVERIFY(!inv.klic->isHidden());

    Mouse::click(v.Image103);
    QCOMPARE(message(), QString::fromUtf8("Runtime ErroR: Prosím dones mi vornu a dej mi ji"));
    dismiss();
    Mouse::drag(inv.disk, v.Image103);
    QCOMPARE(message(), noUse);
    dismiss();

    Mouse::drag(inv.vorna, v.Image103);
    QCOMPARE(message(),
             QString::fromUtf8("Děkuji - Zachránil jsi královský poklad i když vypadá trochu jinak je to "
                               "ona, nyní jsem ti odblokoval startér pro teleport"));
    QVERIFY(inv.vorna->isHidden());
    QVERIFY(!v.Image103->Enabled());
    QVERIFY(v.Image105->Enabled());
    dismiss();

    // Handed over, the president is only a picture.
    f->setStatus("-");
    Mouse::move(v.Image103);
    QCOMPARE(status(f), QString("-"));
    Mouse::click(v.Image103);
    Mouse::drag(inv.disk, v.Image103);
    QVERIFY(!Windows::find<Form2>());

    Mouse::move(v.Image105);
    QCOMPARE(status(f), QString::fromUtf8("Zámek pro nastartování teleportu"));
    Mouse::drag(inv.disk, v.Image105);
    QCOMPARE(message(), noUse);
    QVERIFY(!inv.disk->isHidden());
}

void TestVilla::teleportBeforeAndAfterTheLock() {
    Harness h;
    Form1 *f = villaAt(Room);
    VillaArea &v = *f->villa;
    Inventory &inv = *f->inventory;
    inv.klic->show();
    v.Image105->setEnabled(true);                             // the president has his treasure back
    QCOMPARE(v.Image104->cursor().shape(), Qt::BitmapCursor); // the game's look cursor

    Mouse::click(v.Image104);
    QCOMPARE(message(), QString::fromUtf8("Teleport nebyl aktivován"));
    QVERIFY(f->finale->toend->isHidden());
    QVERIFY(f->MMControl1->FileName != "Hudba8.mid");
    dismiss();

    Mouse::drag(inv.klic, v.Image105);
    QCOMPARE(message(), QString::fromUtf8("Nastartoval jsi teleport, teď už jen odejít"));
    QVERIFY(inv.klic->isHidden());
    QCOMPARE(v.Image104->MouseIcon(), CursorKind::None);
    QCOMPARE(v.Image104->cursor().shape(), Qt::ArrowCursor); // the plain arrow over the teleport
    dismiss();

    Mouse::click(v.Image104);
    QCOMPARE(message(), QString::fromUtf8("Teleport byl aktivován"));
    QCOMPARE(f->MMControl1->FileName, QString("Hudba8.mid"));
    QVERIFY(!f->finale->toend->isHidden());
    QVERIFY(Mouse::hitAt(f, Mouse::centreOf(v.Image104)) != v.Image104); // the finale covers the room
}

void TestVilla::teleportDrops_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("text");
    QTest::newRow("cap, no tag") << "cepka" << QString();
    QTest::newRow("key") << "klic" << QString::fromUtf8("Tak to nejde použít");
    QTest::newRow("diskette") << "disk" << QString::fromUtf8("Tak to nejde použít");
}

void TestVilla::teleportDrops() {
    QFETCH(QString, item);
    QFETCH(QString, text);
    Harness h;
    Form1 *f = villaAt(Room);
    f->inventory->klic->show();
    f->inventory->disk->show();
    Mouse::drag(byName(f, item), f->villa->Image104);
    QCOMPARE(message(), text);
    QVERIFY(f->finale->toend->isHidden());
}

void TestVilla::thumbnailReturnsToMapKeepingMusic() {
    Harness h;
    Form1 *f = villaAt(Square);
    playTrack(f->MMControl1, "Hudba2.mid");
    QCOMPARE(Mouse::hitAt(f, Mouse::centreOf(f->villa->Image91)), f->villa->Image91);
    Mouse::click(f->villa->Image91);
    QVERIFY(f->villa->vilavstup->isHidden());
    QVERIFY(!f->citymap->map->isHidden());
    QCOMPARE(f->MMControl1->FileName, QString("Hudba2.mid"));
}

QTEST_MAIN(TestVilla)
#include "test_villa.moc"
