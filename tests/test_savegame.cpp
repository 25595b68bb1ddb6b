// The game remembers: whatever the player has done comes back through "Pokračovat" exactly as it was,
// a lost or finished game leaves nothing to continue, a bad file is kept and reported, and the
// settings apply at once and are remembered. Every test works in Qt's test folders, never the user's.
#include "support/game.h"
#include "support/harness.h"

#include "game/form1.h"
#include "game/inventory.h"
#include "game/preferences.h"
#include "game/savegame.h"
#include "scenes/form3.h"
#include "shell/form2.h"
#include "shell/menu.h"
#include "shell/onetwo.h"
#include "shell/settings.h"
#include "world/bar.h"
#include "world/finale.h"
#include "world/police.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSlider>

namespace {
// Everything a player could tell apart in a window, read through the controls themselves; nothing of
// a window that is not open.
QStringList dump(const QWidget *window) {
    QStringList out;
    if (!window) return out;
    for (QObject *o : window->findChildren<QObject *>()) {
        QStringList d{o->objectName()};
        if (auto *w = qobject_cast<QWidget *>(o))
            d << QString::number(w->isHidden()) << QString::number(w->testAttribute(Qt::WA_Disabled))
              << QString::number(w->geometry().x()) + "," + QString::number(w->geometry().y());
        if (auto *c = qobject_cast<Control *>(o))
            d << c->Picture() << c->Tag << c->DragIcon << QString::number(int(c->dragMode))
              << QString::number(int(c->MouseIcon())) << QString::number(c->Width());
        if (auto *l = qobject_cast<QLabel *>(o)) d << l->text();
        if (auto *b = qobject_cast<PictureButton *>(o)) d << b->Picture();
        if (auto *t = qobject_cast<Timer *>(o)) d << QString::number(t->Enabled());
        if (auto *m = qobject_cast<MediaChannel *>(o)) d << m->FileName << QString::number(m->isSounding());
        out << d.join('|');
    }
    return out;
}

QByteArray saved() {
    SaveGame::instance().flush();
    QFile f(SaveGame::path());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeSave(const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(SaveGame::path()).path());
    QFile f(SaveGame::path());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

// A control of the talk or of the game window by its name.
QWidget *named(const QString &name) {
    QWidget *w = Windows::find<Form3>() ? Windows::find<Form3>()->findChild<QWidget *>(name) : nullptr;
    return w ? w : Windows::find<Form1>()->findChild<QWidget *>(name);
}

class TestSaveGame : public QObject {
    Q_OBJECT
    Harness *h = nullptr;
    menu *m = nullptr;

    // Closes the game by its close box and opens it again with "Pokračovat": the two must agree.
    void closeAndContinue() {
        Form1 *f = Windows::find<Form1>();
        const QStringList game = dump(f), conversation = dump(Windows::find<Form3>());
        f->close();
        Windows::unload<Form3>();
        h->settle();
        QVERIFY(m->Command8->isVisible());
        Mouse::click(m->Command8);
        QVERIFY(!m->MMControl1->isSounding());
        QCOMPARE(dump(Windows::find<Form1>()), game);
        QCOMPARE(dump(Windows::find<Form3>()), conversation);
    }

  private slots:
    void initTestCase() { useOwnHome(); }
    void init() {
        h = new Harness;
        QFile::remove(SaveGame::path());
        QSettings().clear();
        SaveGame::instance().install();
        m = Windows::show<menu>();
    }
    void cleanup() {
        delete h;
        QDir(QFileInfo(SaveGame::path()).path()).removeRecursively();
    }

    // Any property of any kind of control that the saved game missed would come back changed.
    void everyPropertyOfEveryControlComesBack() {
        Form1 *f = Windows::show<Form1>();
        for (Control *c : f->findChildren<Control *>()) {
            c->setVisible(c->isHidden());
            c->setEnabled(c->testAttribute(Qt::WA_Disabled));
            c->setRect({c->Left() + 15, c->Top() - 15, c->Width() + 30, c->Height()});
            c->setPicture(":/items/cap.svg");
            c->Tag = "t" + c->objectName();
            c->DragIcon = ":/items/keys.svg";
            c->dragMode = Control::DragMode(1 - int(c->dragMode));
            c->setMouseIcon(CursorKind::Talk);
        }
        for (QWidget *w : f->findChildren<QWidget *>())
            if (qobject_cast<LabelControl *>(w) || qobject_cast<QAbstractButton *>(w) ||
                qobject_cast<LineControl *>(w)) {
                w->setVisible(w->isHidden());
                w->setEnabled(false);
                if (auto *l = qobject_cast<LabelControl *>(w)) l->setCaption("7");
            }
        f->Command2->setPicture(":/items/keys.svg");
        f->Timer1->setEnabled(false);
        f->Timer3->setEnabled(true);
        playTrack(f->MMControl1, "Hudba13.mid");
        f->MMControl2->FileName = "police.wav";
        // A conversation half way through.
        f->police->Image37->setVisible(true);
        Form3 *talk = Windows::show<Form3>();
        talk->Frame1->setVisible(true);
        talk->Label3->setCaption("4");
        h->advance(36);
        closeAndContinue();
    }

    // A compact play from the crash site into the police station and a talk, saved and continued at
    // every step: names are clicked in turn, "item>target" is a drag, "ok" reads the message, a number
    // of milliseconds passes.
    void everyStepOfAPlayComesBack() {
        Windows::show<Form1>();
        for (const char *step :
             {"Image7", "Image9 ok", "Image8 Command2", "klicek>Image3 ok", "Image3 Image11>cepka ok",
              "cepka>Image13 ok", "Image14", "4000 Image22", "Image30 Image37 36", "Command1 36"}) {
            for (const QString &word : QString(step).split(' ')) {
                const QStringList drag = word.split('>');
                if (word == "ok")
                    dismiss();
                else if (word.toInt())
                    h->advance(word.toInt());
                else if (drag.size() == 2)
                    Mouse::drag(named(drag[0]), named(drag[1]));
                else
                    Mouse::click(named(word));
            }
            QVERIFY2(!Windows::find<Form2>(), step);
            closeAndContinue();
            if (QTest::currentTestFailed()) return;
        }
        QCOMPARE(Windows::find<Form3>()->Label2->Caption(), QString("1"));
        QCOMPARE(Windows::find<Form1>()->Key->Caption(), QString("1"));
    }

    void theMenuOffersToContinueOnlyWhileAGameWaits() {
        // Nothing saved: the menu as designed, four buttons in 3945 x 2985 twips.
        QCOMPARE(m->size(), QSize(263, 199));
        QVERIFY(m->Command8->isHidden());
        // A new game that has only been looked at replaces nothing.
        writeSave("kept");
        Form1 *f = Windows::show<Form1>();
        QVERIFY(m->Command8->isHidden());
        Mouse::move(f->Image118);
        h->advance(1000);
        f->close();
        h->settle();
        QCOMPARE(saved(), QByteArray("kept"));
        // Its first change does, within half a second, and the menu grows one row for "Pokračovat".
        f = Windows::show<Form1>();
        Mouse::click(f->Command2);
        h->advance(499);
        QCOMPARE(saved(), QByteArray("kept"));
        h->advance(1);
        QVERIFY(saved().startsWith("{"));
        Windows::endProgram(); // "Konec"
        h->settle();
        m = Windows::show<menu>();
        QCOMPARE(m->size(), QSize(263, 231));
        QCOMPARE(m->Command8->geometry(), QRect(0, 72, 265, 33));
        QCOMPARE(m->Command1->geometry().top(), 104);
        QCOMPARE(m->Command8->text(), tr("Pokračovat"));
    }

    void oneTryChoicesLeaveNothingToContinue_data() {
        QTest::addColumn<bool>("finale");
        for (bool finale : {false, true})
            QTest::newRow(finale ? "the finale" : "a wrong door") << finale;
    }

    void oneTryChoicesLeaveNothingToContinue() {
        QFETCH(bool, finale);
        Form1 *f = Windows::show<Form1>();
        Mouse::click(f->Command2);
        SaveGame::instance().saveNow();
        QVERIFY(!saved().isEmpty());
        if (finale) {
            standIn(f->finale->toend);
            f->finale->toend->setPicture(f->finale->toend1->Picture());
            Mouse::click(f->finale->Image107);
            QVERIFY(Windows::find<onetwo>());
        } else {
            standIn(f->bar->barukol);
            Mouse::click(f->bar->Image81);
        }
        QVERIFY(!QFile::exists(SaveGame::path())); // at once, before any kill could come
        if (!finale) {
            Mouse::click(f->Command2);
            f->close();
        }
        h->advance(1000);
        QVERIFY(!QFile::exists(SaveGame::path()));
        QVERIFY(m->Command8->isHidden());
    }

    void aBadFileIsKeptAndReported_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good =
            R"({"game": "Zur ev Edivu", "version": 1, "windows": {"Form1": {"Key": {"caption": "1"}}}})";
        QTest::newRow("garbage") << QByteArray("\x89PNG\r\n garbage");
        QTest::newRow("cut short") << good.left(40);
        QTest::newRow("newer format") << QByteArray(good).replace("\"version\": 1", "\"version\": 2");
        QTest::newRow("a control that is gone") << QByteArray(good).replace("Key", "Image999");
        QTest::newRow("a value of the wrong kind") << QByteArray(good).replace("\"1\"", "true");
    }

    void aBadFileIsKeptAndReported() {
        QFETCH(QByteArray, bytes);
        writeSave(bytes);
        m->offerContinue();
        Mouse::click(m->Command8);
        QVERIFY(!Windows::find<Form1>());
        QVERIFY2(message().contains(".bad-"), qPrintable(message()));
        const QStringList aside = QDir(QFileInfo(SaveGame::path()).path()).entryList({"save.json.bad-*"});
        QCOMPARE(aside.size(), 1);
        QFile kept(QFileInfo(SaveGame::path()).path() + "/" + aside.first());
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), bytes);
        QVERIFY(m->Command8->isHidden());
    }

    void anUnwritableFolderIsToldOnce() {
        // A file where the folder should be: nothing can be written there, not even by root.
        const QString folder = QFileInfo(SaveGame::path()).path();
        QDir().mkpath(QFileInfo(folder).path());
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        Form1 *f = Windows::show<Form1>();
        for (QWidget *change : std::initializer_list<QWidget *>{f->Command2, f->inventory->Command3}) {
            Mouse::click(change);
            h->advance(500);
            SaveGame::instance().flush();
            h->settle();
            QVERIFY2(change == f->Command2 ? message().contains("nejde uložit") : message().isNull(),
                     qPrintable(message()));
            dismiss();
        }
        QVERIFY(Windows::find<Form1>());
        QFile::remove(folder);
    }

    void settingsApplyAtOnceAndAreRemembered() {
        installSettingsKeys();
        Form1 *f = Windows::show<Form1>();
        QTest::keyClick(f, Qt::Key_F2);
        settings *s = Windows::find<settings>();
        QVERIFY(s);
        writeToneWav("savegame_tone.wav", 44100);
        playTrack(f->MMControl1, "savegame_tone.wav");
        playTrack(f->MMControl2, "savegame_tone.wav");
        const float both = renderPeak(50);
        s->music->setValue(0);
        QCOMPARE(QSettings().value("music").toInt(), 0);
        const float effectsAlone = renderPeak(50);
        QVERIFY(effectsAlone > 0.1f && effectsAlone < both - 0.05f);
        QTest::keyClick(f, Qt::Key_M);
        QVERIFY(s->mute->isChecked());
        QCOMPARE(renderPeak(50), 0.0f);
        QCOMPARE(Preferences::load().mute, true);
        s->music->setValue(100);
        s->mute->setChecked(false);
        QVERIFY(renderPeak(50) > effectsAlone + 0.05f);
        QFile::remove("savegame_tone.wav");
    }
};

QTEST_MAIN(TestSaveGame)
#include "test_savegame.moc"
