#include "game/keyboard.h"

#include "game/form1.h"
#include "game/inventory.h"
#include "runtime/focusring.h"
#include "scenes/conversation.h"
#include "shell/credits.h"
#include "shell/dopisek.h"
#include "shell/form2.h"
#include "shell/intro.h"
#include "shell/onetwo.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

namespace {
bool lastPressWasKey = false;

// The game window's keys; false for a key it leaves to others.
bool gameKey(Form1 &form, FocusRing &ring, QKeyEvent *e) {
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    Inventory &inv = *form.inventory;
    switch (e->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        // The first key only shows where the focus is; the next ones move it.
        if (!ring.shown())
            ring.setShown(true);
        else
            ring.step(e->key() == Qt::Key_Tab && !(e->modifiers() & Qt::ShiftModifier));
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!ring.shown())
            ring.setShown(true);
        else
            ring.moveToward(Qt::Key(e->key()));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        // Enter acts on what the player can see is focused; a held key does not act again and again.
        if (!ring.shown())
            ring.setShown(true);
        else if (!e->isAutoRepeat() && ring.current() && ring.activate)
            ring.activate(ring.current());
        return true;
    case Qt::Key_Escape:
        if (ring.held()) {
            ring.putBack();
            if (ring.current())
                ring.setCurrent(ring.current()); // its text again, in place of the item's name
        } else if (inv.Frame2->isVisible()) {
            inv.Command3_Click();
        }
        return true;
    case Qt::Key_I:
        if (inv.Frame2->isVisible()) {
            inv.Command3_Click();
        } else {
            form.Command2_Click();
            ring.refresh();
            // Opened from the keyboard, the inventory has the focus on its first item.
            const QList<QWidget *> members = ring.members();
            for (QWidget *w : members)
                if (ring.shown() && inv.Frame2->isAncestorOf(w)) {
                    ring.setCurrent(w);
                    break;
                }
        }
        return true;
    case Qt::Key_F1:
        Windows::show<keyhelp>();
        return true;
    default:
        return false;
    }
}

// The button of a message, a letter, a conversation or the key list that the player sees.
QPushButton *visibleButton(QWidget *window) {
    auto usable = [window](QPushButton *b) {
        return b && b->isVisible() && b->isEnabled() &&
               window->childAt(b->mapTo(window, b->rect().center())) == b;
    };
    if (auto *focused = qobject_cast<QPushButton *>(window->focusWidget()); usable(focused)) return focused;
    for (QPushButton *b : window->findChildren<QPushButton *>())
        if (usable(b)) return b;
    return nullptr;
}

// The keys of every other window of the game.
bool windowKey(QWidget *window, QKeyEvent *e) {
    if (!qobject_cast<GameWindow *>(window) || e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // The windows that show something and wait for the player's OK or "Dále".
        if (!qobject_cast<Form2 *>(window) && !qobject_cast<dopisek *>(window) &&
            !qobject_cast<ConversationWindow *>(window) && !qobject_cast<keyhelp *>(window) &&
            !qobject_cast<intro *>(window))
            return false;
        QPushButton *b = visibleButton(window);
        if (!b) return false;
        if (!e->isAutoRepeat()) b->click();
        return true;
    }
    case Qt::Key_Escape:
        // The windows with a close box that only show something close with Escape, as with the box.
        if (qobject_cast<intro *>(window) || qobject_cast<credits *>(window) ||
            qobject_cast<onetwo *>(window) || qobject_cast<keyhelp *>(window)) {
            window->close();
            return true;
        }
        return false;
    default:
        return false;
    }
}

class KeyboardPlay : public QObject {
  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (auto *w = qobject_cast<QWidget *>(watched)) {
                lastPressWasKey = false;
                // The mouse takes over: an item in the keyboard's hand goes back first, and the focus
                // mark hides until the next key (the focus itself stays where it was).
                if (FocusRing *ring = FocusRing::of(w)) {
                    ring->putBack();
                    ring->setShown(false);
                }
            }
            break;
        case QEvent::KeyPress:
            if (auto *w = qobject_cast<QWidget *>(watched)) {
                lastPressWasKey = true;
                auto *key = static_cast<QKeyEvent *>(event);
                FocusRing *ring = FocusRing::of(w);
                if (auto *form = ring ? qobject_cast<Form1 *>(ring->window()) : nullptr)
                    return gameKey(*form, *ring, key);
                return windowKey(w->window(), key);
            }
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }
};

// The message dialog is an alert: a screen reader reads its message as it appears.
class MessageAccessible : public QAccessibleWidget {
  public:
    explicit MessageAccessible(Form2 *w) : QAccessibleWidget(w, QAccessible::AlertMessage) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return static_cast<Form2 *>(widget())->Label1->Caption();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *messageFactory(const QString &, QObject *object) {
    if (auto *dialog = qobject_cast<Form2 *>(object)) return new MessageAccessible(dialog);
    return nullptr;
}

// The controls that neither a hover text nor a cursor names: the map thumbnails and the petrol tank.
QString describe(const Control *c) {
    auto shows = [c](const char *picture) {
        if (c->Picture() == QLatin1String(picture)) return true;
        for (const Control *inside : c->findChildren<Control *>())
            if (inside->Picture() == QLatin1String(picture)) return true;
        return false;
    };
    if (shows(":/ui/map_thumb.svg")) return QCoreApplication::translate("Keyboard", "Mapa města");
    if (shows(":/items/petrol.svg")) return QCoreApplication::translate("Keyboard", "Kanystr s benzínem");
    return {};
}
} // namespace

void installKeyboardPlay() {
    static KeyboardPlay *filter = nullptr;
    if (filter) return;
    filter = new KeyboardPlay;
    filter->setParent(qApp);
    qApp->installEventFilter(filter);
    QAccessible::installFactory(messageFactory);
    FocusRing::describe = describe;
}

bool keyboardInUse() {
    return lastPressWasKey;
}

FocusRing *attachKeyboard(Form1 &form) {
    auto *ring = new FocusRing(&form, QRect(0, 0, px(6675), px(4050)),
                               {form.Command1, form.Command2, form.end}, form.inventory->Frame2);
    Inventory &inv = *form.inventory;
    ring->activate = [&form, &inv, ring](QWidget *w) {
        auto *c = qobject_cast<Control *>(w);
        const bool item = c && inv.Frame2->isAncestorOf(c);
        if (Control *held = ring->held(); held && c) {
            // Enter on the held item puts it back; on anything else it is used there, as a drop.
            if (c == held)
                ring->putBack();
            else
                ring->useOn(c);
        } else if (item && c->dragMode == Control::DragMode::Automatic) {
            ring->take(c);
            form.Label1->setCaption(FocusRing::nameOf(c));
            ring->step(true);
        } else if (c) {
            // What a click writes on the status line (entering the cave tells what lies in it) is
            // read out too: a player who cannot see the line would never learn it.
            const QString before = form.Label1->Caption();
            if (c->onClick && c->isVisible() && c->isEnabled()) c->onClick();
            if (const QString now = form.Label1->Caption(); now != before && !now.isEmpty())
                announce(&form, now);
        } else {
            ring->putBack();
            if (w == form.end) {
                form.end_MouseDown(Qt::LeftButton, form.end->mapToGlobal(form.end->rect().center()));
                form.mnu_menu->setActiveAction(form.tomainmenu);
            } else if (auto *b = qobject_cast<QAbstractButton *>(w)) {
                b->click();
            }
        }
        ring->refresh();
    };
    ring->setShown(keyboardInUse());
    return ring;
}

keyhelp::keyhelp() : GameWindow("keyhelp") {
    setDesign(tr("Klávesy"), 5400, 3150, Frame::ToolWindow);
    paintBackground(Qt::black);
    Label1 = new LabelControl(this, "Label1", {240, 120, 4920, 2400});
    Label1->setStyle(QColor(0, 255, 0), Qt::black, designFont("MS Sans Serif", 8.25, true), true,
                     Qt::AlignLeft);
    Label1->setCaption(
        tr("Tab, Shift+Tab: další a předchozí věc\n"
           "Šipky: nejbližší věc tím směrem\n"
           "Enter, mezerník: kliknout\n"
           "Enter na předmětu: vzít ho do ruky; Enter na věci nebo jiném předmětu: použít ho na ni\n"
           "Esc: vrátit předmět, zavřít inventář\n"
           "I: otevřít a zavřít inventář\n"
           "Exit: šipky a Enter vyberou z nabídky\n"
           "Zprávy, dopis, rozhovor: Enter stiskne OK nebo Dále\n"
           "Brouček: šipky míří, mezerník mačká\n"
           "Příběh, Credits, konec: Esc zavře\n"
           "F1: tento seznam"));
    Command1 = new ButtonControl(this, "Command1", {2040, 2640, 1215, 315}, tr("OK"));
    Command1->setAccessibleDescription(Label1->Caption()); // read with the focused button
    connect(Command1, &QPushButton::clicked, this, [this] { Windows::unload(this); });
}
