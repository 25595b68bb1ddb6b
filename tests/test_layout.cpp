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
    void everyWindowAtItsDesignedSize() {
        Harness h;
        openEveryWindow();
        showMessage(QStringLiteral("Odemkl jsi dveře"));
        const QHash<QString, QSize> twips = {
            {"first", {6375, 3270}},   {"menu", {3945, 2985}},    {"intro", {6645, 6765}},
            {"load", {3105, 720}},     {"credits", {6555, 7215}}, {"onetwo", {6645, 6765}},
            {"dopisek", {4590, 4935}}, {"Form2", {4095, 1950}},   {"Form3", {4095, 1950}},
            {"Form4", {4095, 1950}},   {"Broucek", {5370, 3375}}, {"Form1", {6675, 6795}}};
        QCOMPARE(Windows::open().size(), twips.size() + 1); // and the settings, a window of the game's own
        QStringList cut;
        for (GameWindow *window : Windows::open()) {
            const QSize designed = twips.value(window->objectName()) / 15;
            QVERIFY2(window->objectName() == "settings" ||
                         (window->size() == designed && window->grab().size() == designed),
                     qPrintable(window->objectName()));
            // A button or a label the window cuts off is not seen whole (the menu's buttons are designed
            // two pixels wider than it); a frame line shows at least half its width.
            for (QWidget *c : window->findChildren<QWidget *>()) {
                const bool line = qobject_cast<LineControl *>(c);
                const QRect r(c->mapTo(window, QPoint()), c->size()), seen = r.intersected(window->rect());
                const bool whole =
                    line ? 2 * std::min(seen.width(), seen.height()) >= std::min(r.width(), r.height())
                         : window->rect().adjusted(-2, -2, 2, 2).contains(r);
                if ((line || qobject_cast<QAbstractButton *>(c) || qobject_cast<QLabel *>(c)) &&
                    c->isVisible() && !whole)
                    cut << window->objectName() + "/" + c->objectName();
            }
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
                    covered << spot->objectName() + " under " + (hit ? hit->objectName() : "nothing");
            }
            for (auto *c = scene; c; c = qobject_cast<Control *>(c->parentWidget()))
                c->setVisible(false);
        }
        QVERIFY(scenes.size() > 20);
        QVERIFY2(covered.isEmpty(), qPrintable(covered.join(", ")));
    }
    void overlapsStackAsDesigned_data() {
        QTest::addColumn<QString>("upperOverLower");
        // The rocket's door, the cave's entrance, in the yard the homeless man over the crate, at the castle
        // gate the map's thumbnail over the gate, the castle's hall, the hideout's bed and its way back, at
        // the bar the thumbnail over the motorbike, the villa gate's thumbnail, in the side building the way
        // back over the cabinet, the shell over the aquarium, the starter's lock over the president, at the
        // lighthouse the way back over the bench.
        for (const char *pair :
             {"Image3 Image2", "Image7 Image5", "Image39 Image40", "Image44 Image46", "Image52 Image50",
              "Image60 Image59", "Image58 Image59", "Image69 Image70", "Image91 Image92", "Image97 Image96",
              "Image100 Image99", "Image105 Image103", "Image117 Image114"})
            QTest::newRow(pair) << QString(pair);
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
        const QRect a(top->mapTo(f, QPoint()), top->size()), b(below->mapTo(f, QPoint()), below->size());
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
