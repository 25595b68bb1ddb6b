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

#include <QCryptographicHash>

namespace {
// Shows the windows with texts in them, as a player meets them.
void openTalkingWindows() {
    showMessage(QT_TRANSLATE_NOOP("Message", "Zapálil jsi dynamit"));
    Windows::show<dopisek>();
    Form3 *police = Windows::show<Form3>();
    police->Label1->setCaption("Dobrý den pane policajte!");
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

QByteArray checksum(const QImage &image) {
    const QImage i = image.convertToFormat(QImage::Format_ARGB32);
    return QCryptographicHash::hash(QByteArrayView(i.constBits(), i.sizeInBytes()), QCryptographicHash::Md5)
        .toHex();
}
} // namespace

class TestLook : public QObject {
    Q_OBJECT
  private slots:
    void classicIsTheDesignedGame() {
        Harness h;
        openTalkingWindows();
        // Recorded from the game before it had a second look.
        const QHash<QString, QByteArray> designed = {
            {"Form2", "8c35bd6b1f2be9d0373d57d0572396f3"}, {"dopisek", "9f16e3f32b7743945e7ddf7f4a5f9792"},
            {"Form3", "d6b46bf4b8ae007b456a74383a32ec8d"}, {"Form4", "920facf72458e1c7f213234845a842ad"},
            {"panel", "e2958c24b6b9283fd59469bb45a70f00"}, {"ps", "1f284ff653fa6b9945a4f201c9a0ab4e"},
            {"hrad", "3ca3600f506853805dece7329da08139"},
        };
        QStringList changed;
        for (const auto &[name, image] : grabs()) {
            if (checksum(image) != designed.value(name)) changed << name + " " + checksum(image);
        }
        QVERIFY2(changed.isEmpty(), qPrintable(changed.join(", ")));
    }
};

QTEST_MAIN(TestLook)
#include "test_look.moc"
