#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace krepogor {

class TimerQueue;

// A window timer: while enabled it calls OnTimer every Interval milliseconds.
// Timers belong to one TimerQueue, which fires them on the program's one thread.
class Timer {
public:
    Timer(TimerQueue& queue, std::string name, int interval, bool enabled);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& Name() const { return name_; }
    int Interval() const { return interval_; }
    bool Enabled() const { return enabled_; }
    // Enabling a disabled timer starts its period afresh; enabling an enabled
    // timer leaves its period alone.
    void Enabled(bool on);
    // Starts the period afresh whether or not the timer was running.
    void Restart();

    std::function<void()> OnTimer;

private:
    friend class TimerQueue;
    TimerQueue& queue_;
    std::string name_;
    int interval_;
    bool enabled_ = false;
    int64_t due_ = 0;
};

// Fires timers in order of their due time. Timers due at the same instant fire
// in the order they were created. In virtual time a timer fires exactly at its
// due time and is due again one interval later; in real time a late timer fires
// once, at the present moment, and nothing catches up.
class TimerQueue {
public:
    explicit TimerQueue(bool realTime = false) : realTime_(realTime) {}

    int64_t Now() const { return now_; }
    // Earliest due time among the enabled timers.
    std::optional<int64_t> NextDue() const;
    // Fires the earliest timer due at or before `until`; false when none is due.
    bool FireNext(int64_t until);
    // Fires everything due up to `until`, then sets the clock to `until`.
    void RunUntil(int64_t until);
    // The real clock's way: sets the clock to `until`, then fires each timer
    // due by then once, in due order; a timer woken a little late keeps its
    // beat, one a whole period late starts afresh, and nothing catches up.
    void RunOnRealClock(int64_t until);
    // Fires every period due up to `until` that has not fired yet, each at
    // its own due time and in due order, as the virtual clock does, then sets
    // the clock to `until`: for a program that let its timers wait.
    void CatchUp(int64_t until);
    // Moves the clock forward without firing anything.
    void SetNow(int64_t now);

    const std::vector<Timer*>& Timers() const { return timers_; }

private:
    friend class Timer;
    void Add(Timer* t) { timers_.push_back(t); }
    void Remove(Timer* t);
    Timer* EarliestDue(int64_t until) const;
    // Fires `t` with the clock at `at` (or later, should it be there already);
    // its next period starts from then.
    void Fire(Timer* t, int64_t at);

    bool realTime_;
    int64_t now_ = 0;
    std::vector<Timer*> timers_;
};

}  // namespace krepogor
