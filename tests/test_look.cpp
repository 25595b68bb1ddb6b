// The two looks of the game: the classic one is the game as it was drawn, pixel for pixel; the
// remastered one keeps every text readable; F10 switches every open window at once.
#include "game/form1.h"
#include "game/inventory.h"
#include "scenes/form3.h"
#include "scenes/form4.h"
#include "shell/dopisek.h"
#include "shell/form2.h"
#include "support/game.h"
#include "support/harness.h"
#include "world/citymap.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QSettings>
#include <QStandardPaths>

namespace {
// Shows the windows with texts in them, as a player meets them.
void openTalkingWindows() {
    showMessage(QT_TRANSLATE_NOOP("Message", "Zapálil jsi dynamit"));
    Windows::show<dopisek>();
    Windows::show<Form3>()->Label1->setCaption("Dobrý den pane policajte!");
    Form4 *bar = Windows::show<Form4>();
    bar->Frame1->show();
    bar->Label4->setCaption("Ty jsi počítač");
    Form1 *game = openOnMap();
    game->setStatus("Policejní stanice");
    game->citymap->ps->show();
    game->citymap->hrad->show();
    game->Command2_Click();
    game->inventory->dopis->show();
}

// What the player sees of each window, leaving out the scene pictures (their art is drawn apart).
QList<QPair<QString, QImage>> grabs() {
    Form1 *game = Windows::find<Form1>();
    QList<QPair<QString, QImage>> out;
    for (GameWindow *w : {(GameWindow *)Windows::find<Form2>(), (GameWindow *)Windows::find<dopisek>(),
                          (GameWindow *)Windows::find<Form3>(), (GameWindow *)Windows::find<Form4>()})
        out.append({w->objectName(), w->grab().toImage()});
    out.append({"panel", game->grab(QRect(0, 272, game->width(), game->height() - 272)).toImage()});
    for (LabelControl *l : {game->citymap->ps, game->citymap->hrad})
        out.append({l->objectName(), l->grab().toImage()});
    return out;
}

// The contrast ratio of two colours as the web's accessibility guidelines define it.
double contrast(QColor a, QColor b) {
    auto luminance = [](QColor c) {
        auto lin = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

bool near(QRgb a, QColor b) {
    return qAbs(qRed(a) - b.red()) + qAbs(qGreen(a) - b.green()) + qAbs(qBlue(a) - b.blue()) < 12;
}

// The classic look of each, recorded from the game before it had a second look.
const QHash<QString, QByteArray> designed = {
    {"Form2", "8c35bd6b1f2be9d0373d57d0572396f3"}, {"dopisek", "9f16e3f32b7743945e7ddf7f4a5f9792"},
    {"Form3", "d6b46bf4b8ae007b456a74383a32ec8d"}, {"Form4", "920facf72458e1c7f213234845a842ad"},
    {"panel", "e2958c24b6b9283fd59469bb45a70f00"}, {"ps", "1f284ff653fa6b9945a4f201c9a0ab4e"},
    {"hrad", "3ca3600f506853805dece7329da08139"},
};

QByteArray checksum(const QImage &image) {
    const QImage i = image.convertToFormat(QImage::Format_ARGB32);
    return QCryptographicHash::hash(QByteArrayView(i.constBits(), i.sizeInBytes()), QCryptographicHash::Md5)
        .toHex();
}
} // namespace

class TestLook : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { Theme::setLook(Theme::Look::Classic); }
    // Every text in the remastered look, as drawn: its colour is seen in its place and stands out from
    // the colour most of its place is painted in by at least 4.5 : 1.
    void remasteredTextsCanBeRead() {
        Harness h;
        openTalkingWindows();
        Windows::find<Form3>()->Frame2->show();
        Windows::find<Form3>()->Label5->setCaption("Z jaké bedny, co!");
        Theme::setLook(Theme::Look::Remastered);
        int texts = 0;
        for (GameWindow *w : Windows::open()) {
            const QImage image = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
            for (const Theme::DrawnText &t : Theme::drawnTexts(w)) {
                QHash<QRgb, int> count;
                for (int y = t.rect.top(); y <= t.rect.bottom(); ++y)
                    for (int x = t.rect.left(); x <= t.rect.right(); ++x)
                        ++count[image.pixel(x, y)];
                const QRgb background = std::max_element(count.begin(), count.end()).key();
                const bool drawn =
                    std::any_of(count.keyBegin(), count.keyEnd(), [&](QRgb c) { return near(c, t.colour); });
                const QString where = w->objectName() + QString(" at %1,%2").arg(t.rect.x()).arg(t.rect.y());
                QVERIFY2(drawn, qPrintable(where));
                QVERIFY2(contrast(t.colour, QColor(background)) >= 4.5, qPrintable(where));
                ++texts;
            }
        }
        // The message, two talks on top with their name tabs, the status line, two names on the map.
        QCOMPARE(texts, 8);
    }

    // F10 in any open window switches every window between the looks and remembers the choice; nothing
    // moves, and back in the classic look every window is the designed one again.
    void f10SwitchesEveryOpenWindow() {
        QStandardPaths::setTestModeEnabled(true);
        Harness h;
        openEveryWindow();
        openTalkingWindows();
        Form1 *game = Windows::find<Form1>();
        auto geometries = [] {
            QList<QRect> out;
            for (GameWindow *w : Windows::open())
                for (QWidget *c : w->findChildren<QWidget *>())
                    out << QRect(c->mapTo(w, QPoint(0, 0)), c->size());
            return out;
        };
        std::unique_ptr<QComboBox> field(Theme::makeLookField(nullptr)); // the settings window's row
        // Until the player switches, every window is the game as it was drawn, pixel for pixel.
        for (const auto &[name, image] : grabs())
            QVERIFY2(checksum(image) == designed.value(name), qPrintable(name + " " + checksum(image)));
        const QList<QRect> places = geometries();
        bool remastered = false;
        for (GameWindow *w : Windows::open()) {
            QTest::keyClick(w, Qt::Key_F10);
            remastered = !remastered;
            QCOMPARE(Theme::remastered(), remastered);
            QCOMPARE(QSettings().value("look").toString(), remastered ? "remastered" : "classic");
            QCOMPARE(geometries(), places);
            for (const auto &[name, image] : grabs())
                QVERIFY2((checksum(image) == designed.value(name)) != remastered,
                         qPrintable(w->objectName() + " " + name));
            // The game's pointer where the system arrow was; the map's buildings show the way in.
            QCOMPARE(Windows::find<Form2>()->cursor().shape(),
                     remastered ? Qt::BitmapCursor : Qt::ArrowCursor);
            QCOMPARE(game->citymap->map->cursor().shape(), remastered ? Qt::BitmapCursor : Qt::ArrowCursor);
            QCOMPARE(game->citymap->Image22->testAttribute(Qt::WA_SetCursor), remastered);
            QCOMPARE(field->currentText(), remastered ? "Remasterovaný" : "Klasický");
        }
        field->setCurrentIndex(field->currentIndex() == 0 ? 1 : 0);
        QCOMPARE(QSettings().value("look").toString(), Theme::remastered() ? "remastered" : "classic");
        QCOMPARE(Theme::remastered(), field->currentIndex() == 1);
    }
};

QTEST_MAIN(TestLook)
#include "test_look.moc"
