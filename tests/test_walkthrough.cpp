// The whole game as a player plays it, in virtual time: from the splash through the menu, the story
// and the loading screen, the crash site, the police station, the castle, the bar, the villa and the
// finale to the outro and back to the menu; and the one wrong door that ends it all. The game is one
// table of steps, tests/walkthrough.txt ("click this", "use that item on this", "the message reads
// so"), each text in Czech and in English as the player reads it. The suite plays it on a Czech and on
// an English desktop, and a driver turns each step into the player's own input: the real mouse,
// through event delivery, or the keyboard alone.
#include "support/game.h"
#include "support/harness.h"

#include "game/app.h"
#include "game/form1.h"
#include "game/inventory.h"
#include "game/language.h"
#include "game/savegame.h"
#include "runtime/focusring.h"
#include "runtime/mediachannel.h"
#include "runtime/picture.h"
#include "shell/form2.h"
#include "shell/menu.h"
#include "shell/onetwo.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLocale>
#include <map>
#include <vector>

namespace {

// One line of the table: a verb, its controls, what the player reads (Czech, English) and, for a
// conversation, its lines in their order.
struct Step {
    QString verb;
    QStringList args, text;
    std::vector<QStringList> lines;
    int line = 0;
};

std::map<QString, std::vector<Step>> readTable() {
    QFile file(QStringLiteral(WALKTHROUGH));
    if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", WALKTHROUGH);
    std::map<QString, std::vector<Step>> parts;
    std::vector<Step> *part = nullptr;
    int n = 0;
    for (QString l : QString::fromUtf8(file.readAll()).split('\n')) {
        ++n;
        if (const qsizetype comment = l.indexOf("  # "); comment >= 0) l.truncate(comment);
        if (l.trimmed().isEmpty() || l.startsWith('#')) continue;
        if (l.startsWith('[')) {
            part = &parts[l.mid(1, l.size() - 2)];
            continue;
        }
        QStringList text = l.split(" :: ");
        const QStringList words = text.takeFirst().split(' ', Qt::SkipEmptyParts);
        if (words.first() == "line")
            part->back().lines.push_back(text);
        else
            part->push_back({words.first(), words.mid(1), text, {}, n});
    }
    return parts;
}

QString read(const QStringList &text) {
    return currentLanguage() == QLatin1String("en") && text.size() > 1 ? text[1] : text.value(0, "1");
}
QStringList sorted(QStringList names) {
    names.sort();
    return names;
}

// A control by its name: the one of that name in its window, or nothing when it is not unique.
QObject *find(const QString &p) {
    const qsizetype slash = p.indexOf('/');
    const QString window = slash < 0 ? QStringLiteral("Form1") : p.left(slash), name = p.mid(slash + 1);
    for (GameWindow *w : Windows::open()) {
        if (w->objectName() != window) continue;
        if (name.isEmpty()) return w;
        const QList<QObject *> found = w->findChildren<QObject *>(name);
        return found.size() == 1 ? found.first() : nullptr;
    }
    return nullptr;
}

QString propertyOf(QObject *o, const QString &name) {
    auto *w = qobject_cast<QWidget *>(o);
    auto *c = qobject_cast<Control *>(o);
    if (name == "shown") return w && w->isVisible() ? "1" : "0";
    if (name == "hidden") return w && w->isHidden() ? "1" : "0";
    if (name == "Tag" && c) return c->Tag;
    if (name == "Picture" && c) return Picture::resolve(c->Picture());
    if (name == "Caption" && (qobject_cast<QLabel *>(o) || qobject_cast<QAbstractButton *>(o)))
        return o->property("text").toString();
    if (name == "Title" && w) return w->windowTitle();
    if (name == "Name" && w) { // what a screen reader reads of a button
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
        return a->role() == QAccessible::Button ? a->text(QAccessible::Name) : "(no button)";
    }
    if (name == "Pos" && w) return QString("%1,%2").arg(w->x()).arg(w->y());
    return QStringLiteral("(no %1)").arg(name);
}

} // namespace

// The player's hand: the real mouse, through the window's event delivery, clicking only what lies on
// top there; or the keyboard alone: Tab walks the game window's focus onto a control and Enter clicks
// it, Enter takes an item in hand and Enter on the target uses it there; every other window's button
// answers Enter.
struct Hand {
    bool keys = false;
    void click(QWidget *w) { // a hotspot, an item, a button
        if (!keys) {
            QVERIFY2(w->isVisible(), qPrintable(w->objectName() + " cannot be seen"));
            QCOMPARE(Mouse::hitAt(w->window(), Mouse::centreOf(w)), w);
            Mouse::click(w);
        } else if (!FocusRing::of(w)) {
            press(qobject_cast<QAbstractButton *>(w));
        } else if (focus(w)) {
            key(Qt::Key_Return);
        }
    }
    void hover(QWidget *w) { // rests on it
        if (!keys) return Mouse::move(w);
        if (w->hasFocus()) key(Qt::Key_Tab); // to read it again: away and back
        focus(w);
    }
    void use(QWidget *item, QWidget *target) { // the item onto a thing or onto another item
        if (!keys) {
            QVERIFY2(item->isVisible(), qPrintable(item->objectName() + " is not held"));
            QCOMPARE(Mouse::hitAt(target->window(), Mouse::centreOf(target)), target);
            return Mouse::drag(item, target);
        }
        if (qobject_cast<Form1 *>(item->window())->inventory->Frame2->isHidden()) key(Qt::Key_I);
        click(item);
        QCOMPARE(FocusRing::of(item)->held(), item);
        click(target);
    }
    void press(QAbstractButton *button) { // "OK", "Dále"
        if (!keys) return click(button);
        QVERIFY2(button && QApplication::focusWidget() == button, "Enter would not press that button");
        key(Qt::Key_Return);
    }
    void close(QWidget *window) { // its close box; Escape leaves the outro
        if (keys && qobject_cast<onetwo *>(window)) return key(Qt::Key_Escape);
        window->close();
    }
    // To the window that has the keyboard, through real delivery.
    static void key(int k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QVERIFY2(QGuiApplication::focusWindow(), "no window has the keyboard");
        QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key(k), mods);
        Harness::settle();
    }
    // Tab, or Shift+Tab when that is shorter, until the game window's focus is on w.
    static bool focus(QWidget *w) {
        FocusRing *ring = FocusRing::of(w);
        const QString name = w->objectName();
        if (!ring->shown()) key(Qt::Key_Tab); // after the mouse, the first key only shows the focus
        const QList<QWidget *> all = ring->members();
        const qsizetype n = all.size(),
                        ahead = (all.indexOf(w) - all.indexOf(ring->current()) + n) % qMax(n, 1);
        for (qsizetype i = n; i >= 0 && ring->current() != w; --i)
            key(Qt::Key_Tab, ahead <= n / 2 ? Qt::NoModifier : Qt::ShiftModifier);
        [&] { QVERIFY2(ring->current() == w && w->hasFocus(), qPrintable("Tab does not reach " + name)); }();
        return !QTest::currentTestFailed();
    }
};

class TestWalkthrough : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { useOwnHome(); } // the game saves as it is played
    void init() {
        h = new Harness;
        QFile::remove(SaveGame::path());
        SaveGame::instance().install();
        installLanguage(chooseLanguage(QLocale::system().uiLanguages()));
    }
    void cleanup() {
        installLanguage("cs");
        delete h;
    }
    // The whole game to the outro and back to the menu, or through the wrong door to the program's end.
    // Closed after every part and continued from the menu, the game goes on as if never left.
    void wholeGame_data() {
        QTest::addColumn<QString>("hand");
        QTest::addColumn<QString>("door");
        QTest::addColumn<bool>("continued");
        for (const char *hand : {"mouse", "keys"})
            for (const char *door : {"rightdoor", "wrongdoor"})
                QTest::addRow("%s, %s", hand, door) << hand << door << false;
        QTest::addRow("mouse, rightdoor, continued") << "mouse"
                                                     << "rightdoor" << true;
    }
    void wholeGame() {
        QFETCH(QString, door);
        play({"start", "police", "castle", "fire", "bar", door});
        QVERIFY(door == "wrongdoor" || !h->programEnded());
    }

  private:
    Harness *h = nullptr;
    Hand driver;

    void closeAndContinue() {
        driver.close(Windows::find<Form1>());
        h->settle();
        menu *m = Windows::find<menu>();
        QVERIFY2(m && m->Command8->isVisible(), "nothing to continue");
        driver.click(m->Command8);
        h->settle();
    }

    QWidget *widget(const QString &path) {
        auto *w = qobject_cast<QWidget *>(find(path));
        if (!w)
            QTest::qFail(qPrintable(QString("no single control %1 on screen").arg(path)), __FILE__, __LINE__);
        return w;
    }

    void talk(const Step &s) {
        h->advance(36);
        QAbstractButton *expected = qobject_cast<QAbstractButton *>(widget(s.args.value(0)));
        if (!expected) return;
        QWidget *window = expected->window();
        const QString windowName = window->objectName();
        QCOMPARE(expected->text(), read({"Dále", "Next"}));
        for (const QStringList &line : s.lines) {
            QVERIFY2(Windows::isLoaded(qobject_cast<GameWindow *>(window)), "the conversation ended early");
            // The conversation the player sees is the one whose button can be pressed.
            for (QAbstractButton *b : window->findChildren<QAbstractButton *>())
                QCOMPARE(b->isVisible() && b->isEnabled(), b == expected);
            QStringList shown;
            for (QLabel *l : expected->parentWidget()->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
                if (l->isVisible()) shown << l->text();
            QCOMPARE(shown, QStringList{read(line)});
            driver.press(expected);
            h->advance(36);
        }
        QVERIFY2(!find(windowName + '/'), "the conversation goes on after its last line");
    }

    void run(const Step &s) {
        const QString a = s.args.value(0), b = s.args.value(1);
        if (s.verb == "click") {
            if (QWidget *w = widget(a)) driver.click(w);
        } else if (s.verb == "hover") {
            if (QWidget *w = widget(a)) driver.hover(w);
            QCOMPARE(propertyOf(find("Label1"), "Caption"), read(s.text));
        } else if (s.verb == "use") {
            QWidget *item = widget(a), *target = widget(b);
            if (item && target) driver.use(item, target);
        } else if (s.verb == "says") {
            Form2 *dialog = Windows::find<Form2>();
            QVERIFY2(dialog, qPrintable("no message, expected: " + read(s.text)));
            QCOMPARE(dialog->Label1->Caption(), read(s.text));
            driver.press(dialog->Command1);
            QVERIFY(!Windows::find<Form2>());
        } else if (s.verb == "quiet") {
            QCOMPARE(message(), QString());
        } else if (s.verb == "talk") {
            talk(s);
        } else if (s.verb == "holds") {
            QStringList shown;
            for (Control *item : Windows::find<Form1>()->inventory->items())
                if (!item->isHidden()) shown << item->objectName();
            QCOMPARE(sorted(shown), sorted(s.args));
        } else if (s.verb == "open") {
            QStringList open;
            for (GameWindow *w : Windows::open())
                open << w->objectName();
            QCOMPARE(sorted(open), sorted(s.args));
        } else if (s.verb == "plays") {
            auto *channel = qobject_cast<MediaChannel *>(find(a));
            QVERIFY2(channel, qPrintable(a));
            QCOMPARE(channel->FileName, b.isEmpty() ? channel->FileName : b);
            QCOMPARE(channel->isSounding(), !b.isEmpty());
        } else if (s.verb == "wait") {
            h->advance(a.toInt());
        } else if (s.verb == "is") {
            QObject *o = find(a);
            QVERIFY2(o, qPrintable(a));
            QCOMPARE(propertyOf(o, b), read(s.text));
        } else if (s.verb == "close") {
            if (auto *w = qobject_cast<QWidget *>(find(a + '/'))) driver.close(w);
            h->settle();
        } else if (s.verb == "ends") {
            // The last words are read as everything closes: catch them as the program ends.
            QString lastWords;
            bool ended = false;
            Windows::setQuitHandler([&] {
                ended = true;
                for (QWidget *w : QApplication::topLevelWidgets())
                    if (auto *dialog = qobject_cast<Form2 *>(w)) lastWords = dialog->Label1->Caption();
            });
            h->advance(a.toInt() - 1);
            QVERIFY(!ended);
            h->advance(1);
            QVERIFY(ended && Windows::open().empty());
            QCOMPARE(lastWords, read(s.text));
        } else {
            QFAIL(qPrintable("no such step: " + s.verb));
        }
    }

    void play(const QStringList &parts) {
        static const std::map<QString, std::vector<Step>> table = readTable();
        QFETCH(QString, hand);
        driver.keys = hand == "keys";
        startGame();
        for (const QString &part : parts) {
            QVERIFY2(table.count(part), qPrintable("no part " + part));
            for (const Step &s : table.at(part)) {
                run(s);
                if (QTest::currentTestFailed()) return qWarning("at line %d of the walkthrough", s.line);
            }
            QFETCH(bool, continued);
            if (continued && part != parts.last()) closeAndContinue();
            if (QTest::currentTestFailed()) return qWarning("continued after %s", qPrintable(part));
        }
    }
};

QTEST_MAIN(TestWalkthrough)
#include "test_walkthrough.moc"
