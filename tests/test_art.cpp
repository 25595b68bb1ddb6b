// What the eye cannot be trusted to keep: cursors that point where their picture points, and buttons
// that still show which one has the keyboard and still hold their captions in the game's own style.
#include "support/harness.h"

#include "game/form1.h"
#include "game/inventory.h"
#include "runtime/cursors.h"
#include "runtime/picture.h"
#include "shell/menu.h"

#include <QApplication>
#include <QDirIterator>
#include <QStyleOptionButton>

namespace {
constexpr CursorKind kAllCursors[] = {
    CursorKind::Pointer, CursorKind::Look,  CursorKind::Take,      CursorKind::TakeLight,
    CursorKind::Talk,    CursorKind::Read,  CursorKind::Forward,   CursorKind::Back,
    CursorKind::Left,    CursorKind::Right, CursorKind::Crosshair,
};

// The most opaque pixel within one pixel of p.
int alphaNear(const QImage &image, QPoint p) {
    int best = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.rect().contains(p + QPoint(dx, dy)))
                best = std::max(best, qAlpha(image.pixel(p + QPoint(dx, dy))));
    return best;
}

QImage look(QWidget *w) {
    QApplication::processEvents();
    return w->grab().toImage();
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
        // A caption in a cursor is a smear at 32 pixels: the cursors tell their kind by their shape.
        QDirIterator it(":/cursors", {"*.svg"}, QDir::Files);
        int files = 0;
        for (; it.hasNext(); ++files) {
            QFile f(it.next());
            QVERIFY(f.open(QIODevice::ReadOnly));
            QVERIFY2(!f.readAll().contains("<text"), qPrintable(f.fileName()));
        }
        QVERIFY(files >= int(std::size(kAllCursors)));

        for (CursorKind kind : kAllCursors) {
            const QString path = cursorPicture(kind);
            const QImage picture = Picture::render(path, QSize(32, 32), 1.0).toImage();
            QCOMPARE(picture.size(), QSize(32, 32));
            const QCursor cursor = gameCursor(kind);
            QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
            // A hot spot beside the drawing clicks something other than what the tip touches.
            QVERIFY2(alphaNear(picture, cursor.hotSpot()) >= 128,
                     qPrintable(QString("%1 points at %2,%3, off its picture")
                                    .arg(path)
                                    .arg(cursor.hotSpot().x())
                                    .arg(cursor.hotSpot().y())));
        }
    }

    void buttonsShowTheKeyboardFocus() {
        Harness h;
        auto *m = Windows::show<menu>();
        Form1 *game = Windows::show<Form1>();
        const QList<QAbstractButton *> buttons = {m->Command7, game->Command2};
        for (QAbstractButton *b : buttons) {
            focus(b == m->Command7 ? static_cast<QWidget *>(m->Command1) : game->Command1);
            QVERIFY(!b->hasFocus());
            const QImage unfocused = look(b);
            focus(b);
            QVERIFY(b->hasFocus());
            QVERIFY2(look(b) != unfocused, qPrintable(b->objectName() + " looks the same with the focus"));
        }
    }
};

QTEST_MAIN(TestArt)
#include "test_art.moc"
