#pragma once
// What every test of the game needs: the manual clock, offline audio, a program end that only
// records itself, and a mouse that goes through real event delivery.
#include "runtime/control.h"
#include "runtime/timer.h"
#include "runtime/windows.h"

#include <QTest>

class Harness {
  public:
    Harness();
    ~Harness();
    ManualClock clock;
    bool programEnded() const { return ended_; }
    // Moves virtual time on; deleted windows are swept as the event loop would.
    void advance(qint64 ms);
    // Runs posted events (deferred deletes), as the event loop would between two inputs.
    static void settle();

  private:
    bool ended_ = false;
};

// The mouse, delivered to the window's QWindow as a real pointer would be (hit testing and the
// implicit grab included). Points are the centre of the named widget unless given.
namespace Mouse {
QPoint centreOf(const QWidget *w); // in its window's coordinates
// The widget that a pointer at the centre of w would actually hit (to catch covered hotspots).
QWidget *hitAt(const QWidget *window, QPoint pos);
void move(const QWidget *w);
void moveTo(QWidget *window, QPoint pos);
void click(const QWidget *w, Qt::MouseButton button = Qt::LeftButton);
void clickAt(QWidget *window, QPoint pos, Qt::MouseButton button = Qt::LeftButton);
void press(const QWidget *w, Qt::MouseButton button = Qt::LeftButton);
// Press on the item, move over the target, release there.
void drag(const QWidget *item, const QWidget *target);
void dragTo(const QWidget *item, QWidget *window, QPoint pos);
} // namespace Mouse

// A small PCM WAV file (16 bit, mono) of a tone, for tests of the audio engine.
void writeToneWav(const QString &path, int frames, int rate = 44100, double amplitude = 0.5);
// Peak of the offline mix over the next ms milliseconds.
float renderPeak(int ms);
// Settings and saves of this run alone, in a temporary folder: never the player's, nor another run's
// (one that ended half way may have left a file where the save's folder belongs).
void useOwnHome();
