// What the player sees of every window and every scene: each window opens at its designed client
// size with its frame lines, buttons and labels whole inside it, as a grab of it shows; in every scene
// the middle of each hotspot reaches that hotspot, and where two hotspots overlap the designed one lies
// on top, probed inside the overlap away from both middles.
#include "support/game.h"
#include "support/harness.h"

#include "game/form1.h"
#include "shell/form2.h"

#include <QAbstractButton>
#include <QLabel>

class TestLayout : public QObject {
    Q_OBJECT
  private slots:
    void everyWindowAtItsDesignedSize_data() {
        QTest::addColumn<int>("width"); // twips, as designed
        QTest::addColumn<int>("height");
        QTest::newRow("first") << 6375 << 3270;
        QTest::newRow("menu") << 3945 << 2985;
        QTest::newRow("intro") << 6645 << 6765;
        QTest::newRow("load") << 3105 << 720;
        QTest::newRow("credits") << 6555 << 7215;
        QTest::newRow("onetwo") << 6645 << 6765;
        QTest::newRow("dopisek") << 4590 << 4935;
        QTest::newRow("Form2") << 4095 << 1950;
        QTest::newRow("Form3") << 4095 << 1950;
        QTest::newRow("Form4") << 4095 << 1950;
        QTest::newRow("Broucek") << 5370 << 3375;
        QTest::newRow("Form1") << 6675 << 6795;
    }
    void everyWindowAtItsDesignedSize() {
        QFETCH(int, width);
        QFETCH(int, height);
        Harness h;
        openEveryWindow();
        showMessage(QStringLiteral("Odemkl jsi dveře"));
        GameWindow *window = nullptr;
        for (GameWindow *w : Windows::open())
            if (w->objectName() == QLatin1String(QTest::currentDataTag())) window = w;
        QVERIFY(window);
        const QSize designed(width / 15, height / 15);
        QCOMPARE(window->size(), designed);
        QCOMPARE(window->grab().size(), designed);
        // A button or a label the window cuts off is not seen whole (the menu's buttons are designed two
        // pixels wider than it); a frame line shows at least half its width.
        QStringList cut;
        for (QWidget *c : window->findChildren<QWidget *>()) {
            const bool line = qobject_cast<LineControl *>(c);
            const QRect r(c->mapTo(window, QPoint(0, 0)), c->size()), seen = r.intersected(window->rect());
            const bool whole =
                line ? 2 * std::min(seen.width(), seen.height()) >= std::min(r.width(), r.height())
                     : window->rect().adjusted(-2, -2, 2, 2).contains(r);
            if ((line || qobject_cast<QAbstractButton *>(c) || qobject_cast<QLabel *>(c)) && c->isVisible() &&
                !whole)
                cut << c->objectName();
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(", ")));
    }
    // Every scene of the game window in turn, with the containers above it shown as walking there would:
    // nothing of the scene, nor a scene nested in it, covers the middle of one of its hotspots.
    void everyHotspotReachedAtItsMiddle() {
        Harness h;
        Form1 *f = openOnMap();
        QList<Control *> scenes;
        for (Control *c : f->findChildren<Control *>())
            if (c->width() >= 449 && !c->children().isEmpty()) scenes << c;
        for (Control *scene : scenes)
            scene->hide();
        QStringList covered;
        for (Control *scene : scenes) {
            const QList<Control *> spots = scene->findChildren<Control *>(Qt::FindDirectChildrenOnly);
            standIn(scene);
            for (Control *spot : spots) {
                if (spot->isHidden() || spot->width() >= 449 || !(spot->onClick || spot->onDragDrop))
                    continue;
                if (QWidget *hit = Mouse::hitAt(f, Mouse::centreOf(spot)); hit != spot)
                    covered << QString("%1 under %2")
                                   .arg(spot->objectName(), hit ? hit->objectName() : "nothing");
            }
            for (auto *c = scene; c; c = qobject_cast<Control *>(c->parentWidget()))
                c->setVisible(false);
        }
        QVERIFY(scenes.size() > 20);
        QVERIFY2(covered.isEmpty(), qPrintable(covered.join(", ")));
    }
    void overlapsStackAsDesigned_data() {
        QTest::addColumn<QString>("upperOverLower");
        QTest::newRow("rocket door") << "Image3 Image2";
        QTest::newRow("cave entrance") << "Image7 Image5";
        QTest::newRow("yard: homeless man over the crate") << "Image39 Image40";
        QTest::newRow("castle gate: thumbnail over the gate") << "Image44 Image46";
        QTest::newRow("castle hall") << "Image52 Image50";
        QTest::newRow("hideout: bed") << "Image60 Image59";
        QTest::newRow("hideout: way back") << "Image58 Image59";
        QTest::newRow("bar: thumbnail over the motorbike") << "Image69 Image70";
        QTest::newRow("villa gate: thumbnail") << "Image91 Image92";
        QTest::newRow("side building: way back over the cabinet") << "Image97 Image96";
        QTest::newRow("shell over the aquarium") << "Image100 Image99";
        QTest::newRow("starter lock over the president") << "Image105 Image103";
        QTest::newRow("lighthouse: way back over the bench") << "Image117 Image114";
    }
    void overlapsStackAsDesigned() {
        QFETCH(QString, upperOverLower);
        Harness h;
        Form1 *f = openOnMap();
        auto *top = f->findChild<Control *>(upperOverLower.section(' ', 0, 0));
        auto *below = f->findChild<Control *>(upperOverLower.section(' ', 1));
        QVERIFY(top && below);
        if (auto *scene = qobject_cast<Control *>(top->parentWidget())) standIn(scene);
        // The scenes nested in it are closed, the two hotspots shown.
        for (Control *c : top->parentWidget()->findChildren<Control *>(Qt::FindDirectChildrenOnly))
            if (c->width() >= 449 && !c->children().isEmpty()) c->hide();
        top->show();
        below->show();
        const QRect a(top->mapTo(f, QPoint(0, 0)), top->size()),
            b(below->mapTo(f, QPoint(0, 0)), below->size());
        const QRect overlap = a.intersected(b);
        QVERIFY2(!overlap.isEmpty(), "they no longer overlap");
        // A point of the overlap that is neither middle: its corners and its own middle, in turn.
        QPoint probe(-1, -1);
        for (QPoint p : {overlap.center(), overlap.topLeft(), overlap.bottomRight(), overlap.topRight(),
                         overlap.bottomLeft()})
            if (probe.x() < 0 && p != a.center() && p != b.center()) probe = p;
        QCOMPARE(Mouse::hitAt(f, probe), static_cast<QWidget *>(top));
    }
};

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
