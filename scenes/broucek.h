#pragma once
// The beetle minigame: a window of its own where every click on the beetle counts as a kill and the
// next one must follow before the countdown runs out. A hundred kills win, a missed one loses; either
// way the window shows the result in a message box and closes when it is acknowledged.
#include "runtime/control.h"
#include "runtime/timer.h"
#include "runtime/windows.h"

#include <QtGlobal>

// The platform's classic pseudo-random generator, which the game never seeds: every run of the
// program sees the same sequence of numbers.
class Rnd {
  public:
    // The next number in [0, 1), a multiple of 1/2^24.
    double next();
    // The next number scaled to a whole number from 0 to range - 1, as Int(Rnd * range).
    int nextBelow(int range);
    quint32 state = 327680;
};

// The one generator of the running program: its sequence continues from one game to the next.
Rnd &programRnd();

class Broucek : public GameWindow {
    Q_OBJECT
  public:
    Broucek();

    Control *Image1; // the beetle
    Control *stena;  // the wall it runs along
    LabelControl *Label2, *Label1, *Label3;
    Timer *Timer2; // the countdown to the next kill

    void Image1_Click();
    void Timer2_Timer();
    void Timer5_Timer();
    void Form_Unload() override;

  protected:
    // The arrow keys move a sight over the window and Space squashes whatever lies under it, as a
    // click there would: the same beetle, rules and countdown.
    void keyPressEvent(QKeyEvent *event) override;

  private:
    void showResult(const QString &text);
    Control *sight_; // the keyboard's crosshair, shown once a key moves it
    QPoint aim_;     // where it points, in the window
};
