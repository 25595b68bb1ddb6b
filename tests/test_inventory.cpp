// The inventory panel: the items' descriptions, items used on one another, the clicks on the letter,
// the shell and the notebook, and the drag-and-drop protocol that carries an item to its target.
#include "support/harness.h"

#include "game/form1.h"
#include "game/inventory.h"
#include "scenes/broucek.h"
#include "shell/dopisek.h"
#include "shell/form2.h"
#include "world/villa.h"

#include <QApplication>
#include <QPointer>

namespace {
// The game window with the inventory panel opened by its INV button.
Form1 *openInventory() {
    Form1 *f = Windows::show<Form1>();
    Mouse::click(f->Command2);
    return f;
}

QString message() {
    Form2 *dialog = Windows::find<Form2>();
    return dialog ? dialog->Label1->Caption() : QString();
}

void acknowledge() {
    if (Form2 *dialog = Windows::find<Form2>()) Mouse::click(dialog->Command1);
    Harness::settle();
}

Control *item(Form1 *f, const QString &name) {
    for (Control *c : f->inventory->items())
        if (c->objectName() == name) return c;
    return nullptr;
}

// Everything about the items that a handler could change, one line per item.
QStringList snapshot(Form1 *f) {
    QStringList out;
    for (Control *c : f->inventory->items())
        out << QString("%1 %2 [%3] %4 %5 %6 %7")
                   .arg(c->objectName())
                   .arg(c->Visible())
                   .arg(c->Tag, c->Picture(), c->DragIcon)
                   .arg(int(c->dragMode))
                   .arg(int(c->MouseIcon()));
    out << "Image111 " + f->inventory->Image111->Tag;
    return out;
}

// A scene object for the protocol's tests, lying in the viewport above the home scene.
Control *sceneObject(Form1 *f, const char *name, Twips rect, QStringList *log) {
    auto *c = new Control(f, name, rect);
    c->show();
    if (log)
        c->onDragDrop = [c, log](Control *source) {
            *log << c->objectName() + " <- " + source->objectName();
        };
    return c;
}
} // namespace

class TestInventory : public QObject {
    Q_OBJECT
  private slots:
    void woodOnCapSplitsItOnce();
    void matchLightsTheWood();
    void matchOnLitDynamiteOnlyRepeatsMessage();
    void cardOpensShellAndClickTakesTreasure();
    void disketteOnNotebookThenClickClosesMusic();
    void letterOpensViewerAgainAndAgain();
    void wrongItemChangesNothing_data();
    void wrongItemChangesNothing();
    void hoverTexts_data();
    void hoverTexts();
    void pressDragsOnlyDraggableItems();
    void dropGoesToTopmostControlUnderMouse_data();
    void dropGoesToTopmostControlUnderMouse();
    void dragOverFollowsTheMouse();
    void lostReleaseDoesNotLeaveDragStuck();
    void okClosesPanelItemsKeepState();
};

void TestInventory::woodOnCapSplitsItOnce() {
    Harness h;
    Form1 *f = openInventory();
    Inventory &inv = *f->inventory;
    Mouse::drag(inv.Image11, inv.cepka);
    QCOMPARE(message(), QString("Odštípl jsi železný předmět o podobě nějaké kredit karty z čepice"));
    QVERIFY(inv.cepka->Visible());
    QCOMPARE(inv.cepka->Tag, QString("karta"));
    QCOMPARE(inv.cepka->Picture(), inv.karta->Picture());
    QCOMPARE(inv.cepka->DragIcon, inv.karta->DragIcon);
    QCOMPARE(inv.Image11->Tag, QString("drivko"));
    QVERIFY(inv.Image11->Visible()); // the wood stays in the inventory

    acknowledge();
    const QStringList before = snapshot(f);
    Mouse::drag(inv.Image11, inv.cepka);
    QVERIFY(!Windows::find<Form2>());
    QCOMPARE(snapshot(f), before);
}

void TestInventory::matchLightsTheWood() {
    Harness h;
    Form1 *f = openInventory();
    Inventory &inv = *f->inventory;
    const QString lit = "Povedlo se ti zapálit dříví bezdomovcovou zápalkou, těď mu tento Oheň jen dát";
    inv.Zapalkava->show();
    Mouse::drag(inv.Zapalkava, inv.Image11);
    QCOMPARE(message(), lit);
    QCOMPARE(inv.Image11->Picture(), inv.Ohen11->Picture());
    QCOMPARE(inv.Image11->DragIcon, inv.Ohen11->DragIcon);
    QCOMPARE(inv.Image11->Tag, QString("Ohen"));
    QCOMPARE(inv.Image11->dragMode, Control::DragMode::Automatic);
    QVERIFY(inv.Zapalkava->Visible());
    Mouse::move(f->Label1);
    Mouse::move(inv.Image11);
    QCOMPARE(f->Label1->Caption(), QString("Je to hořící dřívko, které chtěl ten bezdomovec"));

    // A second match only repeats the message.
    acknowledge();
    const QStringList before = snapshot(f);
    Mouse::drag(inv.Zapalkava, inv.Image11);
    QCOMPARE(message(), lit);
    QCOMPARE(snapshot(f), before);

    // The burning wood no longer splits the cap.
    acknowledge();
    Mouse::drag(inv.Image11, inv.cepka);
    QVERIFY(!Windows::find<Form2>());
    QCOMPARE(snapshot(f), before);
}

void TestInventory::matchOnLitDynamiteOnlyRepeatsMessage() {
    Harness h;
    Form1 *f = openInventory();
    Inventory &inv = *f->inventory;
    inv.Zapalkava->show();
    inv.dynam->show();
    QCOMPARE(inv.dynam->DragIcon, QString(":/items/dynamite_drag.svg")); // its own drag icon, not its picture
    Mouse::drag(inv.Zapalkava, inv.dynam);
    QCOMPARE(message(), QString("Zapálil jsi dynamit"));
    QCOMPARE(inv.dynam->Tag, QString("dynam1"));
    QCOMPARE(inv.dynam->Picture(), inv.dynambum->Picture());
    QCOMPARE(inv.dynam->DragIcon, inv.dynambum->DragIcon);
    QVERIFY(inv.dynambum->isHidden());

    acknowledge();
    const QStringList before = snapshot(f);
    Mouse::drag(inv.Zapalkava, inv.dynam);
    QCOMPARE(message(), QString("Zapálil jsi dynamit"));
    QCOMPARE(snapshot(f), before);
}

void TestInventory::cardOpensShellAndClickTakesTreasure() {
    Harness h;
    Form1 *f = openInventory();
    Inventory &inv = *f->inventory;
    Control *prezident = f->villa->prezident;
    inv.musle->show();

    // The closed shell only drags: a click never opens it.
    Mouse::press(inv.musle);
    QCOMPARE(Drag::source(), inv.musle);
    Drag::cancel();
    Mouse::click(inv.musle);
    QCOMPARE(inv.musle->Tag, QString("musle"));
    QVERIFY(inv.vorna->isHidden());

    Mouse::drag(inv.Image11, inv.cepka);
    acknowledge();
    Mouse::drag(inv.cepka, inv.musle);
    QVERIFY(!Windows::find<Form2>()); // opening the shell says nothing
    QCOMPARE(inv.musle->Tag, QString("vorna"));
    QCOMPARE(inv.musle->Picture(), inv.musle2->Picture());
    QCOMPARE(inv.musle->DragIcon, inv.musle2->DragIcon);
    QCOMPARE(inv.musle->MouseIcon(), CursorKind::TakeLight);
    QVERIFY(inv.cepka->Visible());

    Mouse::press(inv.musle);
    QCOMPARE(Drag::source(), nullptr);
    QTest::mouseRelease(f->windowHandle(), Qt::LeftButton, Qt::NoModifier, Mouse::centreOf(inv.musle));
    Harness::settle();
    QVERIFY(inv.musle->isHidden());
    QVERIFY(inv.vorna->Visible());
    QCOMPARE(message(), QString("Vytáhl jsi z mušle Vornu a najednou jses objevil v podivné místnosti!"));
    QVERIFY(prezident->Visible());
}

void TestInventory::disketteOnNotebookThenClickClosesMusic() {
    Harness h;
    Form1 *f = openInventory();
    Inventory &inv = *f->inventory;
    inv.notebook->show();
    inv.disk->show();

    Mouse::click(inv.notebook); // no diskette in it yet
    QVERIFY(!Windows::find<Broucek>());
    QCOMPARE(f->MMControl1->Command(), QString("Play"));

    Mouse::drag(inv.disk, inv.notebook);
    QVERIFY(Windows::find<Broucek>());
    QVERIFY(inv.disk->isHidden());
    QCOMPARE(inv.Image111->Tag, QString("a"));
    QCOMPARE(f->MMControl1->Command(), QString("Play")); // the music goes on
    QVERIFY(!Windows::find<Form2>());

    Windows::unload<Broucek>();
    Harness::settle();
    f->MMControl1->setCommand("Play");
    Mouse::click(inv.notebook);
    QVERIFY(Windows::find<Broucek>());
    QCOMPARE(f->MMControl1->Command(), QString("Close"));
    QCOMPARE(f->MMControl1->state(), MediaChannel::State::Closed);
    QCOMPARE(inv.Image111->Picture(), QString(":/items/inv_open.svg")); // the flag leaves the icon alone
}

void TestInventory::letterOpensViewerAgainAndAgain() {
    Harness h;
    Form1 *f = openInventory();
    Inventory &inv = *f->inventory;
    inv.dopis->show();
    Mouse::press(inv.dopis);
    QCOMPARE(Drag::source(), nullptr); // the letter is read, not dragged
    QTest::mouseRelease(f->windowHandle(), Qt::LeftButton, Qt::NoModifier, Mouse::centreOf(inv.dopis));
    Harness::settle();
    QPointer<dopisek> viewer = Windows::find<dopisek>();
    QVERIFY(viewer);
    Mouse::click(inv.dopis); // brought forward, not a second viewer
    QCOMPARE(Windows::find<dopisek>(), viewer.data());
    Mouse::click(viewer->Command1);
    Harness::settle();
    QVERIFY(!viewer);
    QVERIFY(!Windows::find<dopisek>());
    Mouse::click(inv.dopis);
    QVERIFY(Windows::find<dopisek>());
}

void TestInventory::wrongItemChangesNothing_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    // The five receivers, each given an item it does not take.
    QTest::newRow("banana on cap") << "banan"
                                   << "cepka";
    QTest::newRow("cap on cap") << "cepka"
                                << "cepka";
    QTest::newRow("wood on dynamite") << "Image11"
                                      << "dynam";
    QTest::newRow("lit dynamite on wood") << "dynam"
                                          << "Image11";
    QTest::newRow("wood on shell") << "Image11"
                                   << "musle";
    QTest::newRow("golden key on notebook") << "klic"
                                            << "notebook";
    // Items without a drop handler.
    QTest::newRow("match on keys") << "Zapalkava"
                                   << "klicek";
    QTest::newRow("diskette on letter") << "disk"
                                        << "dopis";
    QTest::newRow("wood on petrol") << "Image11"
                                    << "benzin";
}

void TestInventory::wrongItemChangesNothing() {
    QFETCH(QString, source);
    QFETCH(QString, target);
    Harness h;
    Form1 *f = openInventory();
    for (Control *c : f->inventory->items())
        if (c != f->inventory->dynambum && c != f->inventory->vorna) c->show();
    f->inventory->dynam->Tag = "dynam1"; // whatever the tag, only the match lights it
    const QStringList before = snapshot(f);
    Mouse::drag(item(f, source), item(f, target));
    Drag::drop(item(f, source), item(f, target));
    QCOMPARE(snapshot(f), before);
    QVERIFY(!Windows::find<Form2>());
    QVERIFY(!Windows::find<Broucek>());
}

void TestInventory::hoverTexts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tag");   // "-": as at the start
    QTest::addColumn<QString>("store"); // the picture store whose picture the item shows, if any
    QTest::addColumn<QString>("text");  // empty: the status line keeps its text
    const QString wood =
        "Je to nějaké dřevo, možná, že po zapálení by výborně hořelo nebo může sloužit k odštípnutí "
        "nějakého předmětu";
    QTest::newRow("wood") << "Image11"
                          << "-"
                          << "" << wood;
    QTest::newRow("wood after the split") << "Image11"
                                          << "drivko"
                                          << "" << wood;
    QTest::newRow("burning wood") << "Image11"
                                  << "Ohen"
                                  << "Ohen11"
                                  << "Je to hořící dřívko, které chtěl ten bezdomovec";
    QTest::newRow("cap")
        << "cepka"
        << "-"
        << ""
        << "Je to pravá VEX baseballová čepice, vytvořená z plátná a krytá v zadu nějakou železnou "
           "destičkou";
    QTest::newRow("card")
        << "cepka"
        << "karta"
        << "karta"
        << "Je to železný předmět v podobě kredtit karty, snad ji budeš ještě potřebovat - zajímavé";
    QTest::newRow("empty cup")
        << "Odmerka"
        << "-"
        << ""
        << "Prázdná odměrka, ale je z ní cítit nějaká hořlavina, snad by si ji měl najít";
    QTest::newRow("cup with acid") << "Odmerka"
                                   << "Odmerka2"
                                   << "Odmerka11"
                                   << "Odměrka s poďivně zbarvenou kyselinou";
    QTest::newRow("letter") << "dopis"
                            << "-"
                            << ""
                            << "Dopis, je na něm něco napsáno, snad by si to měl přečíst";
    QTest::newRow("opened shell") << "musle"
                                  << "vorna"
                                  << "musle2"
                                  << "Je to mušle a uvnitř je vorna!";
    QTest::newRow("lit dynamite") << "dynam"
                                  << "dynam1"
                                  << "dynambum"
                                  << "Nezápalená výbušnina";
    QTest::newRow("petrol") << "benzin"
                            << "-"
                            << ""
                            << "";
}

void TestInventory::hoverTexts() {
    QFETCH(QString, name);
    QFETCH(QString, tag);
    QFETCH(QString, store);
    QFETCH(QString, text);
    Harness h;
    Form1 *f = openInventory();
    Control *c = item(f, name);
    c->show();
    if (tag != "-") c->Tag = tag;
    if (!store.isEmpty()) c->setPicture(f->findChild<Control *>(store)->Picture());
    f->setStatus("before");
    Mouse::move(f->Label1);
    Mouse::move(c);
    QCOMPARE(f->Label1->Caption(), text.isEmpty() ? QString("before") : text);
}

void TestInventory::pressDragsOnlyDraggableItems() {
    Harness h;
    Form1 *f = openInventory();
    const QList<Control *> all = f->inventory->items();
    for (Control *c : all)
        if (c != f->inventory->dynambum) c->show();
    const QPoint empty = Mouse::centreOf(f->Label1); // the status line takes no drops
    for (Control *c : all) {
        if (c == f->inventory->dynambum) continue;
        const QPoint at = c->pos();
        Mouse::press(c);
        const bool draggable = c != f->inventory->dopis && c != f->inventory->notebook;
        QCOMPARE(Drag::source(), draggable ? c : nullptr);
        QCOMPARE(QApplication::overrideCursor() != nullptr, draggable); // the drag icon follows the mouse
        QTest::mouseMove(f->windowHandle(), empty);
        QTest::mouseRelease(f->windowHandle(), Qt::LeftButton, Qt::NoModifier, empty);
        Harness::settle();
        QCOMPARE(Drag::source(), nullptr);
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(c->pos(), at); // nothing moves the item
        QVERIFY(c->Visible());
    }
    QVERIFY(!Windows::find<Form2>() && !Windows::find<dopisek>() && !Windows::find<Broucek>());
}

void TestInventory::dropGoesToTopmostControlUnderMouse_data() {
    QTest::addColumn<QString>("cover"); // what lies over the receiver
    QTest::addColumn<QString>("expected");
    QTest::newRow("receiver alone") << "none"
                                    << "receiver <- banan";
    QTest::newRow("under a control without a handler") << "plain"
                                                       << "";
    QTest::newRow("under a disabled receiver") << "disabled"
                                               << "";
    QTest::newRow("under a hidden receiver") << "hidden"
                                             << "receiver <- banan";
    QTest::newRow("disabled itself") << "self-disabled"
                                     << "";
    QTest::newRow("under a label") << "label"
                                   << "";
}

void TestInventory::dropGoesToTopmostControlUnderMouse() {
    QFETCH(QString, cover);
    QFETCH(QString, expected);
    Harness h;
    Form1 *f = openInventory();
    Control *banan = f->inventory->banan;
    banan->show();
    QStringList log;
    Control *receiver = sceneObject(f, "receiver", {1500, 1500, 1500, 1500}, &log);
    if (cover == "plain") sceneObject(f, "plain", {1800, 1800, 900, 900}, nullptr);
    if (cover == "disabled") sceneObject(f, "disabled", {1800, 1800, 900, 900}, &log)->setEnabled(false);
    if (cover == "hidden") sceneObject(f, "hidden", {1800, 1800, 900, 900}, &log)->hide();
    if (cover == "self-disabled") receiver->setEnabled(false);
    if (cover == "label") (new LabelControl(f, "caption", {1800, 1800, 900, 900}, "text"))->show();

    Mouse::drag(banan, receiver);
    QCOMPARE(log.join(", "), expected);
    QVERIFY(banan->Visible());

    // Nothing happens on the bare panel or outside the window either.
    log.clear();
    receiver->setEnabled(true);
    Mouse::dragTo(banan, f, QPoint(f->width() - 3, f->height() - 3));
    Mouse::dragTo(banan, f, QPoint(f->width() + 40, 10));
    QVERIFY(log.isEmpty());
    QCOMPARE(Drag::source(), nullptr);
}

void TestInventory::dragOverFollowsTheMouse() {
    Harness h;
    Form1 *f = openInventory();
    Control *klic = f->inventory->klic;
    klic->show();
    QStringList log;
    Control *door = sceneObject(f, "door", {600, 600, 900, 900}, nullptr);
    door->onDragOver = [&](Control *source) { log << source->objectName(); };
    QWindow *win = f->windowHandle();
    const QPoint from = Mouse::centreOf(klic), over = Mouse::centreOf(door);
    QTest::mouseMove(win, from);
    QTest::mousePress(win, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(win, over);
    QTest::mouseMove(win, over + QPoint(3, 3));
    QCOMPARE(log, QStringList({"klic", "klic"})); // entering and moving over
    QTest::mouseMove(win, from);
    QCOMPARE(log.size(), 3); // and once more on leaving
    QTest::mouseRelease(win, Qt::LeftButton, Qt::NoModifier, from);
    Harness::settle();
    Mouse::move(door);
    QCOMPARE(log.size(), 3); // no drag, no drag-over
}

void TestInventory::lostReleaseDoesNotLeaveDragStuck() {
    // The dragged item goes away before the release (as when a handler elsewhere takes it): it is not
    // used, and the drag does not outlive it: hover texts come back and the next press drags again.
    Harness h;
    Form1 *f = openInventory();
    Inventory &inv = *f->inventory;
    QWindow *win = f->windowHandle();
    const QPoint cap = Mouse::centreOf(inv.cepka);
    Mouse::press(inv.Image11);
    QCOMPARE(Drag::source(), inv.Image11);
    inv.Image11->hide();
    QCOMPARE(Drag::source(), nullptr);
    QVERIFY(!QApplication::overrideCursor());
    QTest::mouseMove(win, cap);
    QTest::mouseRelease(win, Qt::LeftButton, Qt::NoModifier, cap);
    Harness::settle();
    QCOMPARE(inv.cepka->Tag, QString());
    QVERIFY(!Windows::find<Form2>());
    QCOMPARE(Drag::source(), nullptr);
    QVERIFY(!QApplication::overrideCursor());
    f->setStatus("before");
    Mouse::move(f->Label1);
    Mouse::move(inv.cepka);
    QVERIFY(f->Label1->Caption().startsWith("Je to pravá VEX"));
    Mouse::press(inv.cepka);
    QCOMPARE(Drag::source(), inv.cepka);
}

void TestInventory::okClosesPanelItemsKeepState() {
    Harness h;
    Form1 *f = openInventory();
    Inventory &inv = *f->inventory;
    QCOMPARE(f->Command2->Picture(), inv.Image111->Picture());
    Mouse::drag(inv.Image11, inv.cepka);
    const QStringList state = snapshot(f);
    Mouse::click(inv.Command3);
    QVERIFY(inv.Frame2->isHidden());
    QCOMPARE(f->Command2->Picture(), inv.Image1112->Picture());
    QCOMPARE(snapshot(f), state);
    Mouse::click(f->Command2);
    QVERIFY(!inv.Frame2->isHidden());
    QCOMPARE(snapshot(f), state);
}

QTEST_MAIN(TestInventory)
#include "test_inventory.moc"
