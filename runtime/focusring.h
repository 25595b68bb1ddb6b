#pragma once
// The keyboard's way through a game window: one ring of everything the player can act on, in the
// order a reader's eye takes. First the hotspots of the scene on screen that react to something (a
// hover text, a click or a drop), top to bottom and then left to right by their centres; then the
// window's own buttons; then, while it is open, the inventory panel's items and its button. Hidden,
// disabled and covered hotspots are not in it. The focused one wears a focus mark, drawn only while
// the keyboard is in use, so a game played with the mouse alone looks exactly as it always did.
//
// The ring also keeps the keyboard's hand: an item taken from the inventory with the keyboard, to be
// used on a hotspot or on another item through the very drop the mouse makes.
#include "runtime/control.h"

#include <QAbstractButton>
#include <QPointer>
#include <functional>

class FocusMark;

class FocusRing : public QObject {
    Q_OBJECT
  public:
    // viewport: where the scenes are seen, in the window's pixels; buttons: the window's own, in ring
    // order; panel: the inventory panel, whose items and buttons follow while it is shown.
    FocusRing(QWidget *window, QRect viewport, QList<QAbstractButton *> buttons, QWidget *panel);
    ~FocusRing() override;

    // The ring as it is now, in order.
    QList<QWidget *> members() const;
    // Whether w was in the ring when it was last looked at (cheap enough for a screen reader's questions).
    bool inRing(const QWidget *w) const { return lastOrder_.contains(const_cast<QWidget *>(w)); }
    QWidget *current() const { return current_; }
    // The scene the player sees: the container covering the middle of the viewport.
    QWidget *scene() const;

    // Whether the keyboard is in use: then the focus is the window's keyboard focus and wears its mark.
    bool shown() const { return shown_; }
    void setShown(bool on);

    // Moves the focus as the player asks; the focused hotspot writes its hover text, as hovering does.
    void setCurrent(QWidget *w);
    void step(bool forward);
    // To the nearest member whose centre lies in that direction (an arrow key).
    void moveToward(Qt::Key arrow);
    // Looks again at what is on screen: a new scene puts the focus on its first hotspot, a focused
    // hotspot that went away hands it on to the one after it. Runs by itself after every change.
    void refresh();

    // The keyboard's hand.
    Control *held() const { return held_; }
    void take(Control *item);
    void putBack();
    // Uses the held item on target exactly as releasing a mouse drag over it would.
    void useOn(Control *target);
    // What Enter does to a member (set by the game window, which knows its buttons and its menu); a
    // screen reader's press action does the same.
    std::function<void(QWidget *)> activate;

    // What a screen reader calls a control: its hover text in the player's language or else what its
    // cursor says; describe() may name those that have neither (nothing on screen says it in words).
    static QString nameOf(const QWidget *w);
    static inline std::function<QString(const Control *)> describe;
    // Whether a control reacts to anything (the ring's hotspots).
    static bool reacts(const Control *c);
    // The ring that w belongs to, if any.
    static FocusRing *of(const QWidget *w);
    QWidget *window() const { return window_; }

  signals:
    void moved(QWidget *to);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    bool reachable(const QWidget *w, QRect area) const;
    QRect rectOf(const QWidget *w) const;
    void place();
    void scheduleRefresh();
    void focusNow(bool writeStatus);

    QWidget *window_;
    QRect viewport_;
    QList<QPointer<QAbstractButton>> buttons_;
    QPointer<QWidget> panel_;
    QPointer<QWidget> current_;
    QPointer<QWidget> scene_;
    QList<QPointer<QWidget>> lastOrder_;
    QPointer<Control> held_;
    FocusMark *mark_;
    bool shown_ = false;
    bool refreshQueued_ = false;
    bool handCursor_ = false; // the pointer shows the held item
};

// The words a cursor kind stands for, in the player's language ("Jít dopředu", "Prozkoumat", ...).
QString cursorWords(CursorKind kind);

// Tells a screen reader a text as a notification, without moving the focus (a conversation's next line,
// a message that replaces the one on screen).
void announce(QWidget *window, const QString &text);
