// The castle ruin, played with the real mouse: the spider, the sponge, the hideout that opens only
// while the homeless man waits for his matches, and the hall's refusals.
#include "support/harness.h"

#include "game/form1.h"
#include "game/inventory.h"
#include "shell/form2.h"
#include "world/castle.h"
#include "world/citymap.h"
#include "world/police.h"
#include "world/start.h"

namespace {
// The game window on the city map, as the launch leaves it.
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

// The text of the message dialog, or a null string when none is open.
QString message() {
    Form2 *d = Windows::find<Form2>();
    return d ? d->Label1->Caption() : QString();
}

void dismiss() {
    if (Form2 *d = Windows::find<Form2>()) Mouse::click(d->Command1);
}

// Shows the scene and every container above it, as walking there would.
void standIn(Control *scene) {
    for (auto *c = scene; c; c = qobject_cast<Control *>(c->parentWidget())) {
        c->setVisible(true);
        c->setTop(0);
        c->setLeft(0);
    }
}
} // namespace

class TestCastle : public QObject {
    Q_OBJECT
  private slots:
    void walkThroughCastle();
    void hallDrops_data();
    void hallDrops();
    void everyHotspotCanBeReached();
};

void TestCastle::walkThroughCastle() {
    Harness h;
    Form1 *f = openOnMap();
    CastleArea *c = f->castle.get();
    QVERIFY(enterFromMap(f, "Image23"));
    QVERIFY(!c->Hrad1->isHidden());
    QCOMPARE(f->MMControl1->FileName, QString("Hudba15.mid"));
    Mouse::click(c->Image45);

    // The spider and, up in the tower, the sponge go into the inventory without a word.
    Mouse::move(c->Pavouk);
    QCOMPARE(f->Label1->Caption(),
             QString::fromUtf8("je to malinkatý pavouček, možná že se bude někdy hodit"));
    Mouse::click(c->Pavouk);
    QVERIFY(c->Pavouk->isHidden() && !f->inventory->Pavoukva->isHidden());
    Mouse::click(c->Image63);
    Mouse::click(c->Houba);
    QVERIFY(c->Houba->isHidden() && !f->inventory->Houbava->isHidden());
    Mouse::click(c->Image65);
    QVERIFY(c->Hradvez->isHidden() && !c->Hrad2->isHidden());
    QVERIFY(!Windows::find<Form2>());

    // Nobody has sent the player to the hideout yet.
    Mouse::click(c->Image55);
    QCOMPARE(message(),
             QString::fromUtf8("Nemáš důvod tam jít, i když je to důležité, ještě někam zajdi a pak to "
                               "zkus znovu, jak chceš!?!"));
    QVERIFY(c->Hrad3->isHidden());
    QCOMPARE(c->Hrad3->pos(), QPoint(432, 264));
    dismiss();

    // The homeless man has asked for his wood and matches, as his first talk does.
    f->police->Label2->setCaption("2");
    Mouse::click(c->Image55);
    QCOMPARE(message(), QString::fromUtf8("Našel jsi úkryt toho bezdomovce, co byl na policii"));
    QCOMPARE(f->MMControl1->FileName, QString("Hudba10.mid"));
    QCOMPARE(c->Hrad3->pos(), QPoint(0, 0));
    dismiss();
    Mouse::click(c->Image62);
    QCOMPARE(message(),
             QString::fromUtf8("je to postel od bezdomovce, který je právě na policejní stanici, ale ty "
                               "mu máš snad něco sehnat!"));
    dismiss();
    Mouse::click(c->Zapalka);
    QVERIFY(c->Zapalka->isHidden() && !f->inventory->Zapalkava->isHidden());
    QCOMPARE(f->police->Label2->Caption(), QString("3"));
    QVERIFY(!Windows::find<Form2>());

    // Back in the hall the hideout stays shut without a word; its music plays on to the map.
    Mouse::click(c->Image58);
    QVERIFY(c->Hrad3->isHidden() && !c->Hrad2->isHidden());
    Mouse::click(c->Image55);
    QVERIFY(c->Hrad3->isHidden());
    QVERIFY(!Windows::find<Form2>());
    Mouse::click(c->Image56);
    QVERIFY(c->Hrad2->isHidden());
    QVERIFY(!f->citymap->hrad->isHidden());
    Mouse::click(c->Image44);
    QVERIFY(c->Hrad1->isHidden() && !f->citymap->map->isHidden());
    QCOMPARE(f->MMControl1->FileName, QString("Hudba10.mid"));
    QVERIFY(f->MMControl1->state() != MediaChannel::State::Closed);
}

void TestCastle::hallDrops_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("refused");
    QTest::newRow("split wood on portrait") << "Image49"
                                            << "Image11"
                                            << "drivko" << false;
    QTest::newRow("split wood on cobweb") << "Image53"
                                          << "Image11"
                                          << "drivko" << false;
    QTest::newRow("cap on portrait") << "Image49"
                                     << "cepka"
                                     << "" << true;
    QTest::newRow("whole wood on tool") << "Image50"
                                        << "Image11"
                                        << "drevo" << true;
    QTest::newRow("card on signpost") << "Image52"
                                      << "cepka"
                                      << "karta" << true;
    QTest::newRow("cap on the passage") << "Image55"
                                        << "cepka"
                                        << "" << false; // takes no drops
}

void TestCastle::hallDrops() {
    QFETCH(QString, target);
    QFETCH(QString, item);
    QFETCH(QString, tag);
    QFETCH(bool, refused);
    Harness h;
    Form1 *f = openOnMap();
    standIn(f->castle->Hrad2);
    Mouse::click(f->Command2);
    Control *dragged = f->inventory->Frame2->findChild<Control *>(item);
    dragged->Tag = tag;
    Mouse::drag(dragged, f->castle->Hrad2->findChild<Control *>(target));
    QCOMPARE(message(), refused ? QString::fromUtf8("To nepůjde, ne") : QString());
    QVERIFY(!dragged->isHidden()); // a drop never uses the item up by itself
}

// In every scene every hotspot lies open to the mouse: nothing of its own scene, nor a scene nested
// in it, covers its middle; and each but the map thumbnail shows what it is for.
void TestCastle::everyHotspotCanBeReached() {
    Harness h;
    Form1 *f = openOnMap();
    CastleArea *castle = f->castle.get();
    for (Control *scene : {castle->Hrad1, castle->Hrad2, castle->Hradvez, castle->Hrad3}) {
        standIn(scene);
        for (Control *c : scene->findChildren<Control *>(Qt::FindDirectChildrenOnly)) {
            if (c->isHidden() || c->width() >= 440) continue; // the background and nested scenes
            QCOMPARE(Mouse::hitAt(f, Mouse::centreOf(c)), static_cast<QWidget *>(c));
            QVERIFY2((c->MouseIcon() != CursorKind::None) == (c != castle->Image44),
                     qPrintable(c->objectName()));
        }
    }
}

QTEST_MAIN(TestCastle)
#include "test_castle.moc"
