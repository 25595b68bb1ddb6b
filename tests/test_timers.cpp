// The game window's own timers: the siren, the bar's music again and again, and the end of a lost game.
#include "support/harness.h"

#include "game/form1.h"
#include "runtime/mediachannel.h"
#include "shell/form2.h"
#include "shell/menu.h"
#include "world/bar.h"
#include "world/citymap.h"
#include "world/start.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>

namespace {
QString u(const char *text) {
    return QString::fromUtf8(text);
}

const char *const kLost = "Prohrál jsi, to vůbec nevadí, stačí si hru zahrát znovu a pečlivě číst dialogy";

Form1 *openOnTheMap() {
    Form1 *form = Windows::show<Form1>();
    form->start->Raketa->setVisible(true);
    form->citymap->map->setVisible(true);
    return form;
}

// Pixels of the message's green text inside the label, as last drawn to the screen.
int greenTextPixels(QWidget *dialog, LabelControl *label) {
    const QImage shot = dialog->screen()->grabWindow(dialog->winId()).toImage();
    if (shot.isNull()) return 0;
    const QRect area = label->geometry().adjusted(4, 4, -4, -10); // clear of the frame and the OK button
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = shot.pixelColor(x * shot.devicePixelRatio(), y * shot.devicePixelRatio());
            if (c.green() > 160 && c.red() < 100 && c.blue() < 100) ++n;
        }
    return n;
}
} // namespace

class TestTimers : public QObject {
    Q_OBJECT
  private slots:
    void sirenEvery26SecondsWhateverIsInFront();
    void barMusicRepeatsOnlyInTheBar();
    void lostGameEndsAfter3000msWithItsMessageDrawn();
    void closingTheGameWindowCancelsTheEnd();
};

void TestTimers::sirenEvery26SecondsWhateverIsInFront() {
    Harness h;
    Form1 *form = openOnTheMap();
    MediaChannel *effects = form->MMControl2;
    h.advance(25999);
    QVERIFY(!effects->isSounding());
    h.advance(1);
    QCOMPARE(effects->FileName, QString("police.wav"));
    QVERIFY(effects->isSounding());
    // Over the music, which goes on.
    QCOMPARE(form->MMControl1->FileName, QString("Hudba7.mid"));
    QVERIFY(form->MMControl1->isSounding());

    // Again every 26 s, with a message, the main menu and a place in front of the map.
    showMessage("x");
    Windows::show<menu>();
    Mouse::click(form->citymap->Image22);
    for (int i = 0; i < 3; ++i) {
        effects->setCommand("Close");
        h.advance(25999);
        QVERIFY(!effects->isSounding());
        h.advance(1);
        QVERIFY(effects->isSounding());
        QCOMPARE(effects->FileName, QString("police.wav"));
        QCOMPARE(form->MMControl1->FileName, QString("Hudba13.mid"));
    }
}

void TestTimers::barMusicRepeatsOnlyInTheBar() {
    Harness h;
    Form1 *form = openOnTheMap();
    h.advance(100); // not in step with the siren
    MediaChannel *music = form->MMControl1;
    const QString barTrack("Hudbabarvstupatd.wav");

    for (int visit = 0; visit < 2; ++visit) {
        Mouse::click(form->citymap->Image24);
        QCOMPARE(music->FileName, barTrack);
        QVERIFY(form->Timer3->Enabled());
        for (int i = 0; i < 2; ++i) {
            // Whatever plays meanwhile is cut off: the bar's track starts again from its beginning.
            playTrack(music, "uvod2.wav");
            h.advance(18629);
            QCOMPARE(music->FileName, QString("uvod2.wav"));
            h.advance(1);
            QCOMPARE(music->FileName, barTrack);
            QVERIFY(music->isSounding());
        }
        h.advance(5000);
        auto *thumbnail = form->bar->barvstup->findChild<Control *>("Image69");
        QVERIFY(thumbnail);
        Mouse::click(thumbnail);
        QVERIFY(!form->Timer3->Enabled());
        QCOMPARE(music->FileName, QString("9m18.wav"));
        h.advance(3 * 18630);
        QCOMPARE(music->FileName, QString("9m18.wav"));
    }
}

void TestTimers::lostGameEndsAfter3000msWithItsMessageDrawn() {
    Harness h;
    Form1 *form = openOnTheMap();
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
    QVERIFY(!ended);
    QVERIFY(!Windows::find<Form2>());
    h.advance(1);
    QVERIFY(ended);
    QVERIFY(!unloaded);
    QVERIFY(Windows::open().empty());
    QCOMPARE(text, u(kLost));
    QVERIFY2(drawn > 200, qPrintable(QString("%1 text pixels on screen").arg(drawn)));
}

void TestTimers::closingTheGameWindowCancelsTheEnd() {
    Harness h;
    QPointer<Form1> form = openOnTheMap();
    Windows::show<menu>();
    form->Timer4->setEnabled(true);
    h.advance(2000);
    form->close();
    h.advance(10000);
    QVERIFY(!form);
    QVERIFY(!h.programEnded());
    QVERIFY(!Windows::find<Form2>());
    QVERIFY(Windows::find<menu>());
}

QTEST_MAIN(TestTimers)
#include "test_timers.moc"
