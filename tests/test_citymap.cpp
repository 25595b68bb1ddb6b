// The city map: names on hover, the four places entered with their music, and the way back.
#include "support/harness.h"

#include "game/form1.h"
#include "runtime/mediachannel.h"
#include "world/citymap.h"
#include "world/start.h"

namespace {
QString u(const char *text) {
    return QString::fromUtf8(text);
}

Form1 *openOnTheMap() {
    Form1 *form = Windows::show<Form1>();
    form->start->Raketa->setVisible(true);
    form->citymap->map->setVisible(true);
    return form;
}

// A point of the map, in the window's coordinates, that no hotspot or label covers.
const QPoint kBareMap(300, 250);
} // namespace

class TestCityMap : public QObject {
    Q_OBJECT
  private slots:
    void places_data();
    void places();
    void labelsStayUntilTheBareMapIsHovered();
    void stacking();
};

void TestCityMap::places_data() {
    QTest::addColumn<QString>("hotspot");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("hover");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("track");
    QTest::addColumn<QString>("thumbnail");
    QTest::addColumn<QString>("trackAfter"); // on the map again
    QTest::newRow("police") << "Image22"
                            << "ps" << u("Policejní stanice") << "police"
                            << "Hudba13.mid"
                            << "Image41"
                            << "Hudba13.mid";
    QTest::newRow("castle") << "Image23"
                            << "hrad" << u("Zřícený Hrad") << "Hrad1"
                            << "Hudba15.mid"
                            << "Image44"
                            << "Hudba15.mid";
    QTest::newRow("bar") << "Image24"
                         << "bar" << u("Bar rock") << "barvstup"
                         << "Hudbabarvstupatd.wav"
                         << "Image69"
                         << "9m18.wav";
    QTest::newRow("villa") << "Image25"
                           << "vila" << u("Prezidentova Vila") << "vilavstup"
                           << "Hudba2.mid"
                           << "Image91"
                           << "Hudba2.mid";
}

void TestCityMap::places() {
    QFETCH(QString, hotspot);
    QFETCH(QString, label);
    QFETCH(QString, hover);
    QFETCH(QString, container);
    QFETCH(QString, track);
    QFETCH(QString, thumbnail);
    QFETCH(QString, trackAfter);
    Harness h;
    Form1 *form = openOnTheMap();
    auto *place = form->citymap->map->findChild<Control *>(hotspot, Qt::FindDirectChildrenOnly);
    auto *name = form->citymap->map->findChild<LabelControl *>(label);
    auto *top = form->citymap->map->findChild<Control *>(container, Qt::FindDirectChildrenOnly);
    QVERIFY(place && name && top);
    const bool isBar = container == "barvstup";

    Mouse::move(place);
    QCOMPARE(form->Label1->Caption(), hover);
    QVERIFY(name->Visible());
    const auto shown = form->citymap->map->findChildren<LabelControl *>();
    for (LabelControl *other : shown)
        if (other != name) QVERIFY2(!other->Visible(), qPrintable(other->objectName()));

    Mouse::click(place);
    QVERIFY(top->Visible());
    QVERIFY(form->citymap->map->Visible());
    QVERIFY(name->Visible());
    QCOMPARE(form->MMControl1->FileName, track);
    QVERIFY(form->MMControl1->isSounding());
    QCOMPARE(form->Timer3->Enabled(), isBar);

    // Back by the place's thumbnail: the map again, its label still shown until the bare map is hovered.
    auto *thumb = top->findChild<Control *>(thumbnail);
    QVERIFY(thumb);
    Mouse::click(thumb);
    QVERIFY(!top->Visible());
    QVERIFY(form->citymap->map->Visible());
    QVERIFY(name->Visible());
    QCOMPARE(form->MMControl1->FileName, trackAfter);
    QVERIFY(form->MMControl1->isSounding());
    QVERIFY(!form->Timer3->Enabled());

    // Any number of times.
    Mouse::click(place);
    QVERIFY(top->Visible());
    QCOMPARE(form->MMControl1->FileName, track);
}

void TestCityMap::labelsStayUntilTheBareMapIsHovered() {
    Harness h;
    Form1 *form = openOnTheMap();
    CityMap *m = form->citymap.get();
    QCOMPARE(Mouse::hitAt(form, kBareMap), m->Image15);

    Mouse::move(m->Image22);
    Mouse::move(m->Image25);
    Mouse::move(m->Image23);
    Mouse::move(m->Image24);
    for (LabelControl *l : {m->ps, m->vila, m->hrad, m->bar})
        QVERIFY(l->Visible());
    QCOMPARE(form->Label1->Caption(), QString("Bar rock"));

    // The labels and the blocks of flats have nothing to do with them.
    Mouse::move(m->ps);
    QCOMPARE(Mouse::hitAt(form, Mouse::centreOf(m->ps)), m->ps);
    Mouse::move(m->Image16);
    for (LabelControl *l : {m->ps, m->vila, m->hrad, m->bar})
        QVERIFY(l->Visible());

    Mouse::moveTo(form, kBareMap);
    for (LabelControl *l : {m->ps, m->vila, m->hrad, m->bar})
        QVERIFY(!l->Visible());
    QCOMPARE(form->Label1->Caption(), u("Je to část města, obyčejné paneláky"));
}

void TestCityMap::stacking() {
    Harness h;
    Form1 *form = openOnTheMap();
    CityMap *m = form->citymap.get();
    for (LabelControl *l : {m->ps, m->vila, m->hrad, m->bar})
        l->setVisible(true);
    auto at = [&](int xTwips, int yTwips) { return Mouse::hitAt(form, pxPoint(xTwips, yTwips)); };
    // The villa's label covers the bottom strip of the block above it, and lies under the villa.
    QCOMPARE(at(3500, 845), m->vila);
    QCOMPARE(at(3500, 800), m->Image21);
    QCOMPARE(at(2300, 900), m->Image25);
    // The bar's label lies just under the bar's lower edge.
    QCOMPARE(at(2000, 2765), m->Image24);
    QCOMPARE(at(2000, 2800), m->bar);
    // A place's container covers every hotspot and label of the map.
    auto *castle = form->findChild<Control *>("Hrad1");
    castle->setVisible(true);
    for (QWidget *w :
         std::initializer_list<QWidget *>{m->Image22, m->Image25, m->vila, m->Image16, m->Image15})
        QVERIFY2(castle->isAncestorOf(Mouse::hitAt(form, Mouse::centreOf(w))), qPrintable(w->objectName()));
}

QTEST_MAIN(TestCityMap)
#include "test_citymap.moc"
