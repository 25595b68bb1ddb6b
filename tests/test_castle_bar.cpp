// The castle ruin and the Rock bar beyond what the whole game's walk shows: the hideout gated by the
// homeless man's counter, the branches a second visit reaches, the refusals that must change nothing,
// the game lost behind a wrong door, and every hotspot open to the mouse.
#include "support/game.h"
#include "support/harness.h"

#include "game/form1.h"
#include "game/inventory.h"
#include "scenes/form4.h"
#include "world/bar.h"
#include "world/castle.h"
#include "world/police.h"

namespace {
// Records what the message dialog's text showed each time it was painted.
struct PaintRecorder : QObject {
    QStringList painted;
    bool eventFilter(QObject *watched, QEvent *event) override {
        auto *label = qobject_cast<LabelControl *>(watched);
        if (event->type() == QEvent::Paint && label && label->window()->objectName() == "Form2")
            painted << label->Caption();
        return false;
    }
};
} // namespace

class TestCastleBar : public QObject {
    Q_OBJECT
  private slots:
    void hideoutRefusedBeforeTheHomelessManAsks();
    void barAfterEachStepIsDone();
    void wrongDoorLosesTheGame_data();
    void wrongDoorLosesTheGame();
    void drops_data();
    void drops();
};

// Nobody has sent the player to the hideout yet: it stays shut, and nothing else changes.
void TestCastleBar::hideoutRefusedBeforeTheHomelessManAsks() {
    Harness h;
    Form1 *f = openOnMap();
    QVERIFY(enterFromMap(f, "Image23"));
    Mouse::click(f->castle->Image45);
    Mouse::click(f->castle->Image55);
    QCOMPARE(message(), QString("Nemáš důvod tam jít, i když je to důležité, ještě někam zajdi a pak to zkus "
                                "znovu, jak chceš!?!"));
    QVERIFY(f->castle->Hrad3->isHidden());
    QCOMPARE(f->MMControl1->FileName, QString("Hudba15.mid"));
    QCOMPARE(f->police->Label2->Caption(), QString("0"));
}

// Once the letter is found the stairs and the computer have nothing more to give; once the chip
// is given the guard only thanks; and the chip, never used up, opens the door again.
void TestCastleBar::barAfterEachStepIsDone() {
    Harness h;
    Form1 *f = openOnMap();
    BarArea *b = f->bar.get();
    Control *chip = f->inventory->c;
    standIn(b->barin);
    chip->setVisible(true);
    Mouse::click(b->Image75);
    Windows::unload(Windows::find<Form4>()); // the computer's talk, read to its end
    Mouse::click(b->Image79);
    dismiss();
    Mouse::click(b->Image83);
    Mouse::click(b->Image87);
    dismiss();

    Mouse::click(b->Image79);
    QCOMPARE(message(), QString("Tvůj úkol je splněn, nyní splň úkol, který je zapsán na tom dopise"));
    QVERIFY(b->barukol->isHidden());
    dismiss();
    Mouse::click(b->Image75);
    QCOMPARE(message(), QString("Dobře, ty jsi opravdu statečný a nyní splň úkol z dopisu"));
    QVERIFY(!Windows::find<Form4>());
    dismiss();
    Mouse::click(b->Image77);
    Mouse::click(b->Image68);
    QCOMPARE(message(),
             QString("Už jsem ti dal čip, tak jdi a neukazuj se tu, jo mimochodem díky za palivo"));
    QVERIFY(!Windows::find<Form4>());
    dismiss();
    Mouse::click(f->Command2);
    Mouse::drag(chip, b->Image71);
    QVERIFY(!b->barin->isHidden() && !chip->isHidden());
}

void TestCastleBar::wrongDoorLosesTheGame_data() {
    QTest::addColumn<QString>("door");
    QTest::newRow("door 1") << "Image81";
    QTest::newRow("door 2") << "Image82";
    QTest::newRow("door 4") << "Image84";
}

void TestCastleBar::wrongDoorLosesTheGame() {
    QFETCH(QString, door);
    Harness h;
    Form1 *f = openOnMap();
    standIn(f->bar->barukol);
    Control *wrong = f->bar->barukol->findChild<Control *>(door);
    Mouse::click(wrong);

    // The end covers the corridor, its doors included, and the lost game's message is drawn before
    // the program ends.
    QVERIFY(f->bar->no->isAncestorOf(Mouse::hitAt(f, Mouse::centreOf(wrong))));
    PaintRecorder recorder;
    qApp->installEventFilter(&recorder);
    h.advance(3000);
    qApp->removeEventFilter(&recorder);
    QVERIFY(h.programEnded());
    QVERIFY(recorder.painted.contains(
        QString("Prohrál jsi, to vůbec nevadí, stačí si hru zahrát znovu a pečlivě číst dialogy")));
}

void TestCastleBar::drops_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("answer");
    const QString no = QString("To nepůjde, ne"), wontWork = QString("Takhle to nemůže fungovat");
    QTest::newRow("castle: split wood") << QString("Image49") << QString("drivko") << QString();
    QTest::newRow("castle: cap, no tag") << QString("Image52") << QString("") << no;
    QTest::newRow("motorbike: empty cup") << QString("Image70") << QString("Odmerka") << wontWork;
    QTest::newRow("door: banana") << QString("Image71") << QString("jidlo1") << wontWork;
    QTest::newRow("computer: cap, no tag") << QString("Image75") << QString("") << QString();
    QTest::newRow("desk: card") << QString("Image76") << QString("karta")
                                << QString("Takhle to nejde použít");
}

// A refused drop changes nothing: the item stays, no chip is given, the door stays as it was.
void TestCastleBar::drops() {
    QFETCH(QString, target);
    QFETCH(QString, tag);
    QFETCH(QString, answer);
    Harness h;
    Form1 *f = openOnMap();
    Control *onto = f->findChild<Control *>(target);
    standIn(static_cast<Control *>(onto->parentWidget()));
    const bool inside = !f->bar->barin->isHidden();
    Mouse::click(f->Command2);
    f->inventory->cepka->Tag = tag; // the handlers look at nothing but the tag
    Mouse::drag(f->inventory->cepka, onto);
    QCOMPARE(message(), answer);
    QVERIFY(!f->inventory->cepka->isHidden() && f->inventory->c->isHidden());
    QCOMPARE(f->bar->barin->isHidden(), !inside);
}

QTEST_MAIN(TestCastleBar)
#include "test_castle_bar.moc"
