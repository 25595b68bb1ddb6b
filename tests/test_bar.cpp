// The Rock bar, played with the real mouse: the guard and his motorbike, the chip and the door, the
// reception's computer and stairs, the one right door of four and the letter; and the game lost
// behind a wrong door.
#include "support/harness.h"

#include "game/form1.h"
#include "game/inventory.h"
#include "scenes/form4.h"
#include "shell/form2.h"
#include "world/bar.h"
#include "world/citymap.h"
#include "world/start.h"

namespace {
Form1 *openOnMap() {
    Form1 *f = Windows::show<Form1>();
    f->start->Raketa->setVisible(true);
    f->citymap->map->setVisible(true);
    return f;
}

// Enters a place by its hotspot on the map, with the real mouse; false when the map has none.
bool enterFromMap(Form1 *f, const char *place) {
    Control *c = f->citymap->map->findChild<Control *>(place);
    if (c) Mouse::click(c);
    return c;
}

QString text(const char *utf8) {
    return QString::fromUtf8(utf8);
}

QString message() {
    Form2 *d = Windows::find<Form2>();
    return d ? d->Label1->Caption() : QString();
}

void dismiss() {
    if (Form2 *d = Windows::find<Form2>()) Mouse::click(d->Command1);
}

void standIn(Control *scene) {
    for (auto *c = scene; c; c = qobject_cast<Control *>(c->parentWidget())) {
        c->setVisible(true);
        c->setTop(0);
        c->setLeft(0);
    }
}

// The conversation window the last click opened: the computer's (Frame1 shown) or the guard's.
void endTalk(bool computer) {
    Form4 *talk = Windows::find<Form4>();
    QVERIFY(talk);
    QCOMPARE(talk->Frame1->isHidden(), !computer);
    QVERIFY(!Windows::find<Form2>());
    Windows::unload(talk);
    Harness::settle();
}

// Records what the message dialog's text showed each time it was painted.
class PaintRecorder : public QObject {
  public:
    QStringList painted;
    bool eventFilter(QObject *watched, QEvent *event) override {
        auto *label = qobject_cast<LabelControl *>(watched);
        if (event->type() == QEvent::Paint && label && label->window()->objectName() == "Form2")
            painted << label->Caption();
        return false;
    }
};
} // namespace

class TestBar : public QObject {
    Q_OBJECT
  private slots:
    void walkThroughBar();
    void wrongDoorLosesTheGame_data();
    void wrongDoorLosesTheGame();
    void drops_data();
    void drops();
    void everyHotspotCanBeReached();
};

void TestBar::walkThroughBar() {
    Harness h;
    Form1 *f = openOnMap();
    BarArea *b = f->bar.get();
    Inventory *inv = f->inventory.get();
    // The cup as the homeless man's crate leaves it, filled with acid.
    inv->Odmerka->setPicture(inv->Odmerka11->Picture());
    inv->Odmerka->DragIcon = inv->Odmerka11->DragIcon;
    inv->Odmerka->Tag = inv->Odmerka11->Tag;
    inv->Odmerka->setVisible(true);
    QVERIFY(enterFromMap(f, "Image24"));
    QVERIFY(!b->barvstup->isHidden() && f->Timer3->Enabled());

    Mouse::click(b->Image68);
    endTalk(false);
    Mouse::click(f->Command2);
    Mouse::drag(inv->Odmerka, b->Image70);
    QCOMPARE(message(), text("Doplnil jsi palivo do motorky, získal jsi čip a můžeš dovnitř"));
    QVERIFY(inv->Odmerka->isHidden() && !inv->c->isHidden());
    dismiss();

    // Now the guard only thanks; a click on the door is not enough, the chip dropped on it is.
    Mouse::click(b->Image68);
    QCOMPARE(message(), text("Už jsem ti dal čip, tak jdi a neukazuj se tu, jo mimochodem díky za palivo"));
    QVERIFY(!Windows::find<Form4>());
    Mouse::click(b->Image71);
    QCOMPARE(message(), text("nebyl vložen přístupový čip"));
    QVERIFY(b->barin->isHidden());
    Mouse::drag(inv->c, b->Image71);
    QCOMPARE(message(), text("Vložil jsi čip a vcházíš dovnitř"));
    QVERIFY(!b->barin->isHidden());
    dismiss();

    Mouse::click(b->Image74);
    QVERIFY(b->Image74->isHidden() && !inv->notebook->isHidden());
    QVERIFY(!Windows::find<Form2>());

    // Upstairs only after the computer has spoken; it speaks once, then reminds.
    Mouse::click(b->Image79);
    QCOMPARE(message(),
             text("Radši na horu nechoď, nejdřív promluv s Robotem na recepci, čeké tě těžký úkol"));
    dismiss();
    Mouse::click(b->Image75);
    endTalk(true);
    Mouse::click(b->Image75);
    QCOMPARE(message(), text("Jdi splnit svůj úkol, přečti dopis!?!"));
    QVERIFY(!Windows::find<Form4>());
    Mouse::click(b->Image79);
    QCOMPARE(message(), text("Nezapoměň, jen jedny dvěře jsou správné a máš jen jeden pokus, jinak je end"));
    QCOMPARE(b->barukol->pos(), QPoint(0, 0));
    dismiss();

    // The third room from the stairs, and the letter on its nightstand.
    Mouse::click(b->Image83);
    QCOMPARE(b->ukolok->pos(), QPoint(0, 0));
    Mouse::move(b->Image89_4);
    QCOMPARE(f->Label1->Caption(), text("Skříňka, (noční stolek) na kterém leží dopis s úkolem"));
    Mouse::click(b->Image88_1); // only looked at
    QVERIFY(!Windows::find<Form2>());
    Mouse::click(b->Image87);
    QCOMPARE(message(), text("Splnil jsi svůj úkol, získal jsi dopis"));
    QVERIFY(!inv->dopis->isHidden() && b->Image87->isHidden());
    QVERIFY(b->ukolok->isHidden() && b->barukol->isHidden() && !b->barin->isHidden());

    // The stairs and the computer have nothing more to give.
    Mouse::click(b->Image79);
    QCOMPARE(message(), text("Tvůj úkol je splněn, nyní splň úkol, který je zapsán na tom dopise"));
    QVERIFY(b->barukol->isHidden());
    Mouse::click(b->Image75);
    QCOMPARE(message(), text("Dobře, ty jsi opravdu statečný a nyní splň úkol z dopisu"));
    QVERIFY(!Windows::find<Form4>());

    // Out to the street; the chip, never used up, opens the door again.
    Mouse::click(b->Image77);
    QVERIFY(b->barin->isHidden() && !b->barvstup->isHidden());
    Mouse::drag(inv->c, b->Image71);
    QVERIFY(!b->barin->isHidden() && !inv->c->isHidden());
    Mouse::click(b->Image77);

    // Back on the map the bar's music stops repeating.
    Mouse::click(b->Image69);
    QVERIFY(b->barvstup->isHidden() && !f->citymap->map->isHidden());
    QVERIFY(!f->Timer3->Enabled());
    QCOMPARE(f->MMControl1->FileName, QString("9m18.wav"));
    h.advance(40000);
    QCOMPARE(f->MMControl1->FileName, QString("9m18.wav"));
    QVERIFY(!h.programEnded());
}

void TestBar::wrongDoorLosesTheGame_data() {
    QTest::addColumn<QString>("door");
    QTest::newRow("door 1") << "Image81";
    QTest::newRow("door 2") << "Image82";
    QTest::newRow("door 4") << "Image84";
}

void TestBar::wrongDoorLosesTheGame() {
    QFETCH(QString, door);
    Harness h;
    Form1 *f = openOnMap();
    BarArea *b = f->bar.get();
    QVERIFY(enterFromMap(f, "Image24"));
    standIn(b->barukol);
    Control *wrong = b->barukol->findChild<Control *>(door);
    Mouse::click(wrong);

    // The end covers the corridor, its doors included; the bar's music keeps repeating to the end.
    QCOMPARE(b->no->pos(), QPoint(0, 0));
    QVERIFY(b->no->isAncestorOf(Mouse::hitAt(f, Mouse::centreOf(wrong))));
    QCOMPARE(f->MMControl1->FileName, QString("uvod2.wav"));
    QVERIFY(f->Timer4->Enabled() && f->Timer3->Enabled());
    QVERIFY(!Windows::find<Form2>());

    PaintRecorder recorder;
    qApp->installEventFilter(&recorder);
    h.advance(2999);
    QVERIFY(!h.programEnded());
    h.advance(1);
    qApp->removeEventFilter(&recorder);
    QVERIFY(h.programEnded());
    QVERIFY(Windows::open().empty());
    const QString lost =
        text("Prohrál jsi, to vůbec nevadí, stačí si hru zahrát znovu a pečlivě číst dialogy");
    QVERIFY2(recorder.painted.contains(lost), qPrintable(recorder.painted.join('|')));
}

void TestBar::drops_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("answer");
    const QString wontWork = text("Takhle to nemůže fungovat");
    const QString cantUse = text("Takhle to nejde použít");
    QTest::newRow("split wood on guard") << "Image68"
                                         << "Image11"
                                         << "drivko" << QString();
    QTest::newRow("cap on guard") << "Image68"
                                  << "cepka"
                                  << "" << wontWork;
    QTest::newRow("empty cup on motorbike") << "Image70"
                                            << "Odmerka"
                                            << "Odmerka" << wontWork;
    QTest::newRow("banana on door") << "Image71"
                                    << "banan"
                                    << "jidlo1" << wontWork;
    QTest::newRow("split wood on building") << "Image72"
                                            << "Image11"
                                            << "drivko" << QString();
    QTest::newRow("whole wood on building") << "Image72"
                                            << "Image11"
                                            << "drevo" << wontWork;
    QTest::newRow("cap on computer") << "Image75"
                                     << "cepka"
                                     << "" << QString();
    QTest::newRow("split wood on computer") << "Image75"
                                            << "Image11"
                                            << "drivko" << cantUse;
    QTest::newRow("cap on desk") << "Image76"
                                 << "cepka"
                                 << "" << QString();
    QTest::newRow("card on desk") << "Image76"
                                  << "cepka"
                                  << "karta" << cantUse;
    QTest::newRow("cap on sign") << "Image78"
                                 << "cepka"
                                 << "" << QString();
    QTest::newRow("banana on exit") << "Image77"
                                    << "banan"
                                    << "jidlo1" << QString(); // takes no drops
}

void TestBar::drops() {
    QFETCH(QString, target);
    QFETCH(QString, item);
    QFETCH(QString, tag);
    QFETCH(QString, answer);
    Harness h;
    Form1 *f = openOnMap();
    BarArea *b = f->bar.get();
    Control *onto = b->barvstup->findChild<Control *>(target);
    standIn(static_cast<Control *>(onto->parentWidget()));
    const bool inside = !b->barin->isHidden();
    Mouse::click(f->Command2);
    Control *dragged = f->inventory->Frame2->findChild<Control *>(item);
    dragged->Tag = tag;
    dragged->setVisible(true);
    Mouse::drag(dragged, onto);
    QCOMPARE(message(), answer);
    QVERIFY(!dragged->isHidden() && f->inventory->c->isHidden());
    QCOMPARE(b->barin->isHidden(), !inside);
}

// In every scene every hotspot lies open to the mouse: nothing of its own scene, nor a scene nested
// in it (the parked end included), covers its middle; and each but the map thumbnail has its cursor.
void TestBar::everyHotspotCanBeReached() {
    Harness h;
    Form1 *f = openOnMap();
    BarArea *bar = f->bar.get();
    for (Control *scene : {bar->barvstup, bar->barin, bar->barukol, bar->ukolok}) {
        standIn(scene);
        for (Control *c : scene->findChildren<Control *>(Qt::FindDirectChildrenOnly)) {
            if (c->isHidden() || c->width() >= 440) continue; // the background and nested scenes
            QCOMPARE(Mouse::hitAt(f, Mouse::centreOf(c)), static_cast<QWidget *>(c));
            QVERIFY2((c->MouseIcon() != CursorKind::None) == (c != bar->Image69),
                     qPrintable(c->objectName()));
        }
    }
}

QTEST_MAIN(TestBar)
#include "test_bar.moc"
