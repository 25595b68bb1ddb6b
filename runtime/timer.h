#pragma once
// One timer class for the whole game, with two clocks behind it: the real clock (QTimer) in the
// program and a manual clock in tests, where advance(ms) fires every due tick in time order.
#include <QObject>
#include <functional>
#include <map>

class QTimer;
class Timer;

class Clock {
  public:
    virtual ~Clock() = default;
    virtual void start(Timer *timer) = 0; // (re)start counting a full interval from now
    virtual void stop(Timer *timer) = 0;
    virtual qint64 now() const = 0; // milliseconds

    static Clock &current();
    // Installs a clock for all timers created afterwards (tests install a ManualClock).
    static void install(Clock *clock);
};

class Timer : public QObject {
    Q_OBJECT
  public:
    Timer(QObject *owner, int intervalMs, bool enabled, std::function<void()> tick = {});
    ~Timer() override;

    int Interval() const { return interval_; }
    void setInterval(int ms);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool on);

    std::function<void()> onTick;
    void fire(); // runs the tick handler to its end

  signals:
    void enabledChanged(bool on);

  private:
    friend class RealClock;
    Clock &clock_;
    int interval_;
    bool enabled_ = false;
    QTimer *real_ = nullptr; // used by the real clock only
};

class RealClock : public Clock {
  public:
    void start(Timer *timer) override;
    void stop(Timer *timer) override;
    qint64 now() const override;
};

class ManualClock : public Clock {
  public:
    void start(Timer *timer) override;
    void stop(Timer *timer) override;
    qint64 now() const override { return now_; }
    // Moves time on by ms, firing every tick that falls due, earliest first (equal times in the
    // order the timers were started).
    void advance(qint64 ms);
    // Moves time on to the next tick of any timer and fires it; false when nothing is running.
    bool step();
    bool isRunning(const Timer *timer) const { return due_.count(const_cast<Timer *>(timer)) != 0; }

  private:
    struct Due {
        qint64 at;
        quint64 order;
    };
    bool fireNext(qint64 limit);
    std::map<Timer *, Due> due_;
    qint64 now_ = 0;
    quint64 order_ = 0;
};
