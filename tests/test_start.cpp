// The crash site, the launch, the city map and the game window's own timers, past what the whole-game
// test already plays: what a refusal leaves alone, the launch picture over the cockpit, the map's
// labels and stacking, the siren, the bar's music and the end of a lost game, each to the millisecond.
#include "support/game.h"
#include "support/harness.h"

#include "game/form1.h"
#include "game/inventory.h"
#include "runtime/mediachannel.h"
#include "shell/form2.h"
#include "shell/menu.h"
#include "world/citymap.h"
#include "world/start.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>

namespace {
// Whatever a click at the centre of w would reach lies in container.
bool covered(Form1 *form, const QWidget *w, const QWidget *container) {
    QWidget *hit = Mouse::hitAt(form, Mouse::centreOf(w));
    return hit && (hit == container || container->isAncestorOf(hit));
}

// Pixels of the message's green text inside the label, as last drawn to the screen.
int greenTextPixels(QWidget *dialog, LabelControl *label) {
    const QImage shot = dialog->screen()->grabWindow(dialog->winId()).toImage();
    const QRect area = label->geometry().adjusted(4, 4, -4, -10); // clear of the frame and the OK button
    auto green = [](QColor c) { return c.green() > 160 && c.red() < 100 && c.blue() < 100; };
    int n = 0;
    for (int y = area.top(); !shot.isNull() && y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += green(shot.pixelColor(QPoint(x, y) * shot.devicePixelRatio()));
    return n;
}
} // namespace

class TestStart : public QObject {
    Q_OBJECT
  private slots:
    void refusalsChangeNothing_data();
    void refusalsChangeNothing();
    void launchCoversTheCockpitForFourSeconds();
    void mapLabelsAndStacking();
    void sirenEvery26SecondsWhateverIsInFront();
    void barMusicRepeatsOnlyInTheBar();
    void lostGameEndsAfter3000msWithItsMessageDrawn();
    void closingTheGameWindowCancelsTheEnd();
};

void TestStart::refusalsChangeNothing_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("text");
    // The cap has no tag; once split it is the card, the same item, and no longer counts as the cap.
    const char *const rows[][4] = {
        {"Image2", "cepka", "", "Jak chceš použít čepici na tlačítka"},
        {"Image12", "cepka", "karta", "Tento předmět tady nejde použít"},
        {"Image13", "klicek", "Key", "Co tím chceš docílit, nejde to"},
    };
    for (auto r : rows)
        QTest::addRow("%s %s on %s", r[1], r[2], r[0]) << r[0] << r[1] << r[2] << r[3];
}

void TestStart::refusalsChangeNothing() {
    QFETCH(QString, target);
    QFETCH(QString, item);
    QFETCH(QString, tag);
    QFETCH(QString, text);
    Harness h;
    Form1 *form = Windows::show<Form1>();
    StartArea *s = form->start.get();
    auto *t = form->findChild<Control *>(target);
    auto *i = form->inventory->Frame2->findChild<Control *>(item);
    if (t->parentWidget() == s->Raketa) s->Raketa->setVisible(true);
    i->setVisible(true);
    i->Tag = tag;
    Mouse::click(form->Command2);
    Mouse::drag(i, t);
    QCOMPARE(message(), text);
    QVERIFY(form->Key->Caption() == "0" && s->Image13->Enabled());
    QVERIFY(i->Visible() && i->Tag == tag);
}

void TestStart::launchCoversTheCockpitForFourSeconds() {
    Harness h;
    Form1 *form = Windows::show<Form1>();
    StartArea *s = form->start.get();
    s->Raketa->setVisible(true);
    Mouse::click(s->Image14); // no card yet: nothing starts
    dismiss();
    h.advance(10000);
    QVERIFY(!s->Frame3->Visible() && !form->citymap->map->Visible());
    s->Image13->setEnabled(false); // the card is in
    Mouse::click(s->Image14);      // with the inventory closed: it stays closed
    QVERIFY(!form->inventory->Frame2->Visible());
    QCOMPARE(form->Command2->Picture(), form->inventory->Image1112->Picture());
    // Nothing under the picture reacts, and START does not begin again.
    h.advance(1000);
    form->setStatus("before");
    Mouse::move(s->Image14);
    QCOMPARE(form->Label1->Caption(), QString("before"));
    Mouse::click(s->Image14);
    Mouse::click(form->Command2);
    Mouse::drag(form->inventory->cepka, s->Image12);
    QCOMPARE(message(), QString());
    h.advance(2999);
    QVERIFY(s->Frame3->Visible() && !form->citymap->map->Visible());
    h.advance(1);
    QVERIFY(!s->Frame3->Visible() && !s->Timer2->Enabled());
    QVERIFY(covered(form, s->Image14, form->citymap->map));
    QCOMPARE(form->MMControl1->FileName, QString("9m18.wav"));
}

void TestStart::mapLabelsAndStacking() {
    Harness h;
    Form1 *form = openOnMap();
    CityMap *m = form->citymap.get();
    const QList<LabelControl *> labels{m->ps, m->vila, m->hrad, m->bar};
    for (Control *place : {m->Image22, m->Image23, m->Image24, m->Image25})
        Mouse::move(place);
    // The labels and the flats do not hide them; only the bare map does.
    Mouse::move(m->ps);
    Mouse::move(m->Image16);
    for (LabelControl *l : labels)
        QVERIFY2(l->Visible(), qPrintable(l->objectName()));
    // The villa's label covers the bottom strip of the block above it and lies under the villa.
    QCOMPARE(Mouse::hitAt(form, pxPoint(3500, 845)), m->vila);
    QCOMPARE(Mouse::hitAt(form, pxPoint(2300, 900)), m->Image25);
    QCOMPARE(Mouse::hitAt(form, pxPoint(2000, 2800)), m->bar);
    Mouse::moveTo(form, QPoint(300, 250)); // the bare map
    for (LabelControl *l : labels)
        QVERIFY(!l->Visible());
    QCOMPARE(form->Label1->Caption(), QString("Je to část města, obyčejné paneláky"));
    // A place's container covers every hotspot and label of the map.
    auto *castle = form->findChild<Control *>("Hrad1");
    castle->setVisible(true);
    for (QWidget *w : std::initializer_list<QWidget *>{m->Image22, m->Image25, m->Image16})
        QVERIFY2(covered(form, w, castle), qPrintable(w->objectName()));
}

void TestStart::sirenEvery26SecondsWhateverIsInFront() {
    Harness h;
    Form1 *form = openOnMap();
    MediaChannel *effects = form->MMControl2;
    Mouse::click(form->citymap->Image22);
    showMessage("x");
    Windows::show<menu>();
    for (int i = 0; i < 2; ++i) {
        h.advance(25999);
        QVERIFY(!effects->isSounding());
        h.advance(1);
        QVERIFY(effects->isSounding() && effects->FileName == "police.wav");
        // Over the music, which goes on.
        QVERIFY(form->MMControl1->isSounding() && form->MMControl1->FileName == "Hudba13.mid");
        effects->setCommand("Close");
    }
}

void TestStart::barMusicRepeatsOnlyInTheBar() {
    Harness h;
    Form1 *form = openOnMap();
    h.advance(100); // not in step with the siren
    MediaChannel *music = form->MMControl1;
    for (int visit = 0; visit < 2; ++visit) {
        Mouse::click(form->citymap->Image24);
        // Whatever plays meanwhile is cut off: the bar's track starts again from its beginning.
        playTrack(music, "uvod2.wav");
        h.advance(18629);
        QCOMPARE(music->FileName, QString("uvod2.wav"));
        h.advance(1);
        QCOMPARE(music->FileName, QString("Hudbabarvstupatd.wav"));
        QVERIFY(music->isSounding());
        h.advance(5000);
        Mouse::click(form->findChild<Control *>("Image69"));
        h.advance(3 * 18630);
        QCOMPARE(music->FileName, QString("9m18.wav"));
    }
}

void TestStart::lostGameEndsAfter3000msWithItsMessageDrawn() {
    Harness h;
    Form1 *form = openOnMap();
    Windows::show<menu>();
    h.advance(500);
    // What the player sees at the moment the program ends.
    bool ended = false, unloaded = false;
    QString text;
    int drawn = 0;
    Windows::setQuitHandler([&] {
        ended = true;
        unloaded = !form->MMControl1->isSounding(); // the unload handler would have closed it
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *dialog = qobject_cast<Form2 *>(w)) {
                text = dialog->Label1->Caption();
                drawn = greenTextPixels(dialog, dialog->Label1);
            }
    });
    form->Timer4->setEnabled(true);
    // The player goes on meanwhile.
    h.advance(1000);
    Mouse::click(form->citymap->Image23);
    Mouse::click(form->Command2);
    h.advance(1999);
    QVERIFY(!ended && !Windows::find<Form2>());
    h.advance(1);
    QVERIFY(ended && !unloaded);
    QVERIFY(Windows::open().empty());
    QCOMPARE(text, QString("Prohrál jsi, to vůbec nevadí, stačí si hru zahrát znovu a pečlivě číst dialogy"));
    QVERIFY2(drawn > 200, qPrintable(QString("%1 text pixels on screen").arg(drawn)));
}

void TestStart::closingTheGameWindowCancelsTheEnd() {
    Harness h;
    QPointer<Form1> form = openOnMap();
    Windows::show<menu>();
    form->Timer4->setEnabled(true);
    h.advance(2000);
    form->close();
    h.advance(10000);
    QVERIFY(!form && !h.programEnded());
    QVERIFY(!Windows::find<Form2>() && Windows::find<menu>());
}

QTEST_MAIN(TestStart)
#include "test_start.moc"
