#include "runtime/timer.h"

#include <QElapsedTimer>
#include <QTimer>

namespace {
RealClock realClock;
Clock *installed = &realClock;
} // namespace

Clock &Clock::current() {
    return *installed;
}
void Clock::install(Clock *clock) {
    installed = clock ? clock : &realClock;
}

Timer::Timer(QObject *owner, int intervalMs, bool enabled, std::function<void()> tick)
    : QObject(owner), onTick(std::move(tick)), clock_(Clock::current()), interval_(intervalMs) {
    setEnabled(enabled);
}

Timer::~Timer() {
    clock_.stop(this);
}

void Timer::setInterval(int ms) {
    interval_ = ms;
    if (!enabled_) return;
    // A new interval counts from now, as the old controls did; an interval of 0 never ticks.
    if (ms > 0)
        clock_.start(this);
    else
        clock_.stop(this);
}

void Timer::setEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    if (on && interval_ > 0)
        clock_.start(this);
    else
        clock_.stop(this);
    emit enabledChanged(on);
}

void Timer::fire() {
    if (enabled_ && onTick) onTick();
}

void RealClock::start(Timer *timer) {
    if (!timer->real_) {
        timer->real_ = new QTimer(timer);
        timer->real_->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer->real_, &QTimer::timeout, timer, &Timer::fire);
    }
    timer->real_->start(timer->Interval());
}

void RealClock::stop(Timer *timer) {
    if (timer->real_) timer->real_->stop();
}

qint64 RealClock::now() const {
    static QElapsedTimer since;
    if (!since.isValid()) since.start();
    return since.elapsed();
}

void ManualClock::start(Timer *timer) {
    if (timer->Interval() <= 0) {
        stop(timer);
        return;
    }
    due_[timer] = Due{now_ + timer->Interval(), order_++};
}

void ManualClock::stop(Timer *timer) {
    due_.erase(timer);
}

bool ManualClock::fireNext(qint64 limit) {
    auto next = due_.end();
    for (auto it = due_.begin(); it != due_.end(); ++it)
        if (next == due_.end() || it->second.at < next->second.at ||
            (it->second.at == next->second.at && it->second.order < next->second.order))
            next = it;
    if (next == due_.end() || next->second.at > limit) return false;
    Timer *timer = next->first;
    now_ = next->second.at;
    // Schedule the following tick first, so a handler that stops, restarts or destroys its own
    // timer has the last word.
    if (timer->Interval() > 0)
        next->second = Due{now_ + timer->Interval(), order_++};
    else
        due_.erase(next);
    timer->fire();
    return true;
}

void ManualClock::advance(qint64 ms) {
    const qint64 target = now_ + ms;
    while (fireNext(target)) {
    }
    now_ = target;
}

bool ManualClock::step() {
    return fireNext(std::numeric_limits<qint64>::max());
}
