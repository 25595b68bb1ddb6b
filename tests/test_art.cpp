// What the eye cannot be trusted to keep: cursors that point where their picture points, buttons
// that still show which one has the keyboard, scenes drawn within what the window shows, and English
// signs that are their Czech pictures with other words.
#include "support/harness.h"

#include "game/form1.h"
#include "runtime/cursors.h"
#include "runtime/picture.h"
#include "shell/menu.h"

#include <QApplication>
#include <QDirIterator>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {
// The most opaque pixel within one pixel of p.
int alphaNear(const QImage &image, QPoint p) {
    int best = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.rect().contains(p + QPoint(dx, dy)))
                best = std::max(best, qAlpha(image.pixel(p + QPoint(dx, dy))));
    return best;
}

// One walk through a picture's SVG gives it with an id on every drawn shape, so that each can be
// measured, and the ids of those outside the definitions and the backdrop (class="backdrop": sky, walls,
// ground, whatever runs on out of the picture); and its words (its <text> elements) and the drawing
// without them.
struct Walked {
    QByteArray svg, drawing;
    QStringList shapes, words;
};
Walked walk(const QString &path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    Walked out;
    QXmlStreamReader in(&f);
    QXmlStreamWriter w(&out.svg), drawing(&out.drawing);
    int depth = 0, defsAt = 0, backdropAt = 0, textAt = 0, n = 0;
    while (!in.atEnd()) {
        in.readNext();
        w.writeCurrentToken(in);
        if (in.isStartElement()) {
            ++depth;
            if (!defsAt && in.name() == QLatin1String("defs")) defsAt = depth;
            if (!backdropAt && in.attributes().value("class") == QLatin1String("backdrop"))
                backdropAt = depth;
            if (!textAt && in.name() == QLatin1String("text")) out.words << QString(), textAt = depth;
            QString id = in.attributes().value("id").toString();
            if (id.isEmpty())
                w.writeAttribute("id", id = QString("line-%1.%2").arg(in.lineNumber()).arg(++n));
            if (!defsAt && !backdropAt && depth > 1) out.shapes << id;
        }
        if (textAt && in.isCharacters())
            out.words.last() += in.text();
        else if (!textAt && !in.isComment())
            drawing.writeCurrentToken(in);
        if (in.isEndElement()) {
            if (depth == defsAt) defsAt = 0;
            if (depth == backdropAt) backdropAt = 0;
            if (depth == textAt) textAt = 0;
            --depth;
        }
    }
    return out;
}

// Focus as the keyboard gives it: the window is the active one and the button holds its focus.
void focus(QWidget *button) {
    QWidget *window = button->window();
    window->activateWindow();
    button->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
}
} // namespace

class TestArt : public QObject {
    Q_OBJECT
  private slots:
    void cursorsArePicturesThatPointWithTheirTips() {
        Harness h;
        for (int k = int(CursorKind::Pointer); k <= int(CursorKind::Crosshair); ++k) {
            const QString path = cursorPicture(CursorKind(k));
            // A caption in a cursor is a smear at 32 pixels: the cursors tell their kind by their shape.
            QVERIFY2(walk(path).words.isEmpty(), qPrintable(path));
            const QImage picture = Picture::render(path, QSize(32, 32), 1.0).toImage();
            const QCursor cursor = gameCursor(CursorKind(k));
            QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
            // A hot spot beside the drawing clicks something other than what the tip touches.
            QVERIFY2(alphaNear(picture, cursor.hotSpot()) >= 128,
                     qPrintable(path + " points off its picture"));
        }
    }

    // The game window shows 445 of a scene's 460 pixels (6675 twips), less where a picture lies moved
    // to the left in its container or the container is narrower. Whatever is drawn in a column the
    // window never shows is cut off: only the backdrop, or a shape across the whole shown width,
    // may carry on there.
    void everyThingDrawnInAScene_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("pictureLeft");    // twips, in its container
        QTest::addColumn<int>("containerWidth"); // twips
        const QHash<QString, QPair<int, int>> placed = {
            {"rocket", {-120, 6735}},   {"police_inside", {-240, 6735}}, {"bar_death", {-120, 6735}},
            {"finale_door", {0, 6615}}, {"finale_door_open", {0, 6615}},
        };
        QDirIterator it(":/scenes", {"*.svg"}, QDir::Files);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString scene = QFileInfo(path).fileName().section('.', 0, 0);
            const auto [left, width] = placed.value(scene, {0, 6735});
            QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path << left << width;
        }
    }
    void everyThingDrawnInAScene() {
        QFETCH(QString, path);
        QFETCH(int, pictureLeft);
        QFETCH(int, containerWidth);
        const qreal shownLeft = -pictureLeft / 15.0;
        const qreal shownRight = (std::min(containerWidth, 6675) - pictureLeft) / 15.0;
        const Walked named = walk(path);
        QSvgRenderer svg(named.svg);
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBoxF().width(), 460.0);
        QVERIFY(named.shapes.size() > 10);
        const qreal slack = 0.5; // the antialiased edge of an outline
        QStringList cut;
        for (const QString &id : named.shapes) {
            // Its bounds carry its own transformation, not its parents'.
            const QRectF b = svg.transformForElement(id).mapRect(svg.boundsOnElement(id));
            if (b.isEmpty()) continue;
            const bool hidden = (shownLeft > 0 && b.left() < shownLeft - slack && b.right() > 0) ||
                                (shownRight < 460 && b.right() > shownRight + slack && b.left() < 460);
            const bool acrossTheWindow =
                b.left() <= shownLeft + slack && b.right() >= std::min(shownRight, 460.0) - slack;
            if (hidden && !acrossTheWindow)
                cut << QString("%1 %2..%3").arg(id).arg(b.left(), 0, 'f', 1).arg(b.right(), 0, 'f', 1);
        }
        QVERIFY2(cut.isEmpty(),
                 qPrintable(QString("shown %1..%2: ").arg(shownLeft).arg(shownRight) + cut.join(", ")));
    }

    // The signs an English player reads have an English twin: the same drawing, its words in English.
    void signsHaveEnglishTwins_data() {
        QTest::addColumn<QString>("picture");
        for (const char *p :
             {"scenes/citymap", "scenes/police_inside", "scenes/villa_side", "scenes/rocket",
              "scenes/finale_door", "scenes/finale_door_open", "scenes/bar_death", "items/diskette"})
            QTest::newRow(p) << QString(p);
    }
    void signsHaveEnglishTwins() {
        QFETCH(QString, picture);
        const Walked czech = walk(":/" + picture + ".svg"), english = walk(":/" + picture + ".en.svg");
        QVERIFY(!english.drawing.isEmpty());
        QCOMPARE(english.drawing, czech.drawing);
        QVERIFY(english.words != czech.words);
        static const QRegularExpression czechLetters(QString::fromUtf8("[áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ]"));
        QVERIFY2(!english.words.join(' ').contains(czechLetters), qPrintable(english.words.join(' ')));
    }

    void buttonsShowTheKeyboardFocus() {
        Harness h;
        auto *m = Windows::show<menu>();
        Form1 *game = Windows::show<Form1>();
        for (QAbstractButton *b : QList<QAbstractButton *>{m->Command7, game->Command2}) {
            focus(b == m->Command7 ? static_cast<QWidget *>(m->Command1) : game->Command1);
            QVERIFY(!b->hasFocus());
            const QImage unfocused = b->grab().toImage();
            focus(b);
            QVERIFY(b->hasFocus());
            QVERIFY2(b->grab().toImage() != unfocused,
                     qPrintable(b->objectName() + " looks the same with the focus"));
        }
    }
};

QTEST_MAIN(TestArt)
#include "test_art.moc"
