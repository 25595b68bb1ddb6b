// The inventory panel and the message dialog that tells what the items did. The walkthrough uses every
// item once where it belongs; here are the second and the wrong uses, the corners of the drag-and-drop
// protocol, and the dialog that never blocks the game.
#include "support/game.h"
#include "support/harness.h"

#include "game/form1.h"
#include "game/inventory.h"
#include "scenes/broucek.h"
#include "shell/dopisek.h"
#include "shell/form2.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>

namespace {
// The game window with the inventory panel opened by its INV button.
Form1 *openInventory() {
    Form1 *f = Windows::show<Form1>();
    Mouse::click(f->Command2);
    return f;
}

// Everything about the items that a handler could change, one line per item.
QStringList snapshot(Form1 *f) {
    QStringList out{f->inventory->Image111->Tag};
    for (Control *c : f->inventory->items())
        out << QStringList{c->objectName(), c->Tag, c->Picture(), c->DragIcon}.join(' ') +
                   QString(" %1%2%3").arg(c->Visible()).arg(int(c->dragMode)).arg(int(c->MouseIcon()));
    return out;
}
} // namespace

class TestInventory : public QObject {
    Q_OBJECT
  private slots:
    void usesThatChangeNothing_data();
    void usesThatChangeNothing();
    void pressDragsOrClicksAndNoDragOutlivesItsRelease();
    void dropAndDragOverGoToTheTopmostControl();
    void oneDialogTheLastTextWinsAndTheGameGoesOn();
    void longTextIsCutAtBottomOfLabel();
};

void TestInventory::usesThatChangeNothing_data() {
    QTest::addColumn<QString>("moves");  // "source>target"; the last use must change nothing
    QTest::addColumn<QString>("answer"); // its message, if any
    const auto row = [](const char *name, const char *moves, const char *answer = "") {
        QTest::newRow(name) << QString(moves) << QString::fromUtf8(answer);
    };
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

void TestInventory::usesThatChangeNothing() {
    QFETCH(QString, moves);
    QFETCH(QString, answer);
    Harness h;
    Form1 *f = openInventory();
    for (Control *c : f->inventory->items())
        if (c != f->inventory->dynambum && c != f->inventory->vorna) c->show();
    const auto item = [f](const QString &name) { return f->inventory->Frame2->findChild<Control *>(name); };
    QStringList state;
    for (const QString &move : moves.split(' ')) {
        dismiss();
        state = snapshot(f);
        Mouse::drag(item(move.section('>', 0, 0)), item(move.section('>', 1)));
    }
    QCOMPARE(message(), answer.isEmpty() ? QString() : answer);
    QCOMPARE(snapshot(f), state);
}

void TestInventory::pressDragsOrClicksAndNoDragOutlivesItsRelease() {
    Harness h;
    Form1 *f = openInventory();
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

void TestInventory::dropAndDragOverGoToTheTopmostControl() {
    Harness h;
    Form1 *f = openInventory();
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
    log.clear();
    Mouse::move(f->Label1);
    Mouse::move(receiver);
    QVERIFY(log.isEmpty()); // no drag, no drag-over
    receiver->setEnabled(false);
    QCOMPARE(dropOnReceiver(), QString());
    receiver->setEnabled(true);
    (new LabelControl(f, "caption", {1800, 1800, 900, 900}, "text"))->show();
    QCOMPARE(dropOnReceiver(), QString());
}

void TestInventory::oneDialogTheLastTextWinsAndTheGameGoesOn() {
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
    QVERIFY(f->inventory->Frame2->isHidden());
    QCOMPARE(f->Command2->Picture(), f->inventory->Image1112->Picture());

    dialog->move(0, 0);
    dismiss();
    QVERIFY(!dialog); // destroyed, not hidden: the next one is fresh and centred
    QCOMPARE(showMessageDialog()->Label1->Caption(), QString());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY((Windows::find<Form2>()->geometry().center() - screen.center()).manhattanLength() <= 2);
    // The letter viewer's OK lies over the bottom of the letter and takes the click.
    showLetter();
    dopisek *viewer = Windows::find<dopisek>();
    QCOMPARE(Mouse::hitAt(viewer, Mouse::centreOf(viewer->Command1)), viewer->Command1);
}

void TestInventory::longTextIsCutAtBottomOfLabel() {
    Harness h;
    showMessage(QString("Povedlo se ti zapálit dříví bezdomovcovou zápalkou. ").repeated(6));
    Form2 *dialog = Windows::find<Form2>();
    const QRect label = dialog->Label1->geometry(), button = dialog->Command1->geometry();
    QVERIFY(dialog->Label1->heightForWidth(label.width()) > label.height()); // it really does not fit
    // A text that is not the game's own is not shrunk to a smear to make it fit.
    QCOMPARE(dialog->Label1->font(), dialog->Label1->designFont());
    // Green text down to the label's bottom edge; black below it, beside the OK button.
    const QImage img = dialog->grab().toImage().scaled(dialog->size());
    QVERIFY(!img.copy(label.left(), label.bottom() - 10, label.width(), 10).allGray());
    QVERIFY(img.copy(5, label.bottom() + 1, button.left() - 5, 25).allGray());
    QVERIFY(
        img.copy(button.right() + 1, label.bottom() + 1, dialog->width() - 6 - button.right(), 25).allGray());
}

QTEST_MAIN(TestInventory)
#include "test_inventory.moc"
