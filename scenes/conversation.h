#pragma once
// A conversation is a fixed script shown one line at a time: a line label, a "Dále" button, a hidden
// counter label that holds the position and a 36 ms timer that shows the line of the current position.
// A conversation window holds its default conversation on its own surface and the others in frames
// that an opener makes visible; a visible frame covers everything beneath it.
#include "runtime/control.h"
#include "runtime/timer.h"
#include "runtime/windows.h"

#include <QStringList>
#include <functional>
#include <initializer_list>

class ConversationWindow;

// A script as it is written: one line of text per position, from position 0 on. Its lines are the
// Czech originals, marked QT_TRANSLATE_NOOP("Conversation", ...), and shown in the player's language.
inline QStringList script(std::initializer_list<const char *> lines) {
    QStringList out;
    for (const char *l : lines)
        out << QString::fromUtf8(l);
    return out;
}

// Where the controls of one conversation lie in its container, and how its lines look.
struct ConversationLayout {
    const char *label, *button, *counter, *timer; // the names of its controls
    Twips labelRect, buttonRect, counterRect;
    double points;     // of the line label's bold "MS Sans Serif"
    QColor lineColour; // of the line label's text
};

// Every conversation window puts its own talk, and each talk in a frame, at the same places.
inline ConversationLayout windowLayout(const char *label, const char *button, const char *counter,
                                       const char *timer, double points, const QColor &colour) {
    return {
        label,  button, counter, timer, {360, 360, 3375, 975}, {1680, 1440, 975, 255}, {3360, 1080, 495, 135},
        points, colour};
}
inline ConversationLayout frameLayout(const char *label, const char *button, const char *counter,
                                      const char *timer, double points, const QColor &colour) {
    return {
        label,  button, counter, timer, {240, 240, 3375, 975}, {1560, 1440, 975, 255}, {2880, 840, 495, 375},
        points, colour};
}

class ConversationPlayer : public QObject {
    Q_OBJECT
  public:
    ConversationPlayer(ConversationWindow *window, QWidget *container, const ConversationLayout &layout,
                       const QStringList &script);

    LabelControl *line;
    ButtonControl *button;
    LabelControl *counter;
    Timer *timer;

    // Carried out on the tick that finds the script at its end, before the window closes.
    std::function<void()> onEnd;

    // "Dále": the position moves one line on; the line itself is shown at the next tick.
    void press();
    // Shows the line of the current position; at the end (or past it, after two quick presses
    // between ticks) the end effect runs and the window closes.
    void tick();

    QWidget *container() const { return container_; }
    const QStringList &script() const { return script_; }
    int finalValue() const { return int(script_.size()); }

  private:
    ConversationWindow *window_;
    QWidget *container_;
    QStringList script_;
};

// A borderless conversation window with its green frame; it keeps the one button that the player
// can see as the only one that can be pressed, also from the keyboard.
class ConversationWindow : public GameWindow {
    Q_OBJECT
  public:
    explicit ConversationWindow(const QString &objectName);

  protected:
    // Players are added from the bottom up: the window's own first, then one per frame.
    ConversationPlayer *addPlayer(QWidget *container, const ConversationLayout &layout,
                                  const QStringList &script);
    // A frame of the window (hidden, black, 3855 x 1695 twips at 120, 120), above the earlier ones.
    Control *addFrame(const QString &name);
    void drawBorder();
    // The one the player talks to in the conversation on container: his name and his portrait, cut
    // from the element of a scene picture that shows him (the remastered look shows them).
    void introduce(QWidget *container, const QString &name, const QString &scene, const char *element);
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void coverUpdate();
    QList<ConversationPlayer *> players_;
};
