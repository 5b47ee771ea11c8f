#include "platform/Timer.h"

#include <algorithm>

namespace krepogor {

Timer::Timer(TimerQueue& queue, std::string name, int interval, bool enabled)
    : queue_(queue), name_(std::move(name)), interval_(interval) {
    queue_.Add(this);
    Enabled(enabled);
}

Timer::~Timer() {
    queue_.Remove(this);
}

void Timer::Enabled(bool on) {
    if (on && !enabled_) due_ = queue_.Now() + interval_;
    enabled_ = on;
}

void Timer::Restart() {
    enabled_ = false;
    Enabled(true);
}

void TimerQueue::Remove(Timer* t) {
    std::erase(timers_, t);
}

std::optional<int64_t> TimerQueue::NextDue() const {
    std::optional<int64_t> best;
    for (const Timer* t : timers_)
        if (t->enabled_ && (!best || t->due_ < *best)) best = t->due_;
    return best;
}

Timer* TimerQueue::EarliestDue(int64_t until) const {
    Timer* best = nullptr;
    for (Timer* t : timers_)
        if (t->enabled_ && t->due_ <= until && (!best || t->due_ < best->due_)) best = t;
    return best;
}

void TimerQueue::Fire(Timer* t, int64_t at) {
    now_ = std::max(now_, at);
    t->due_ = now_ + t->interval_;
    if (t->OnTimer) t->OnTimer();
}

bool TimerQueue::FireNext(int64_t until) {
    Timer* t = EarliestDue(until);
    if (!t) return false;
    Fire(t, realTime_ ? until : t->due_);
    return true;
}

void TimerQueue::RunUntil(int64_t until) {
    if (realTime_)
        RunOnRealClock(until);
    else
        CatchUp(until);
}

void TimerQueue::RunOnRealClock(int64_t until) {
    // Each timer fires at most once per call: a late timer does not catch up.
    std::vector<Timer*> due;
    for (Timer* t : timers_)
        if (t->enabled_ && t->due_ <= until) due.push_back(t);
    std::stable_sort(due.begin(), due.end(),
                     [](const Timer* a, const Timer* b) { return a->due_ < b->due_; });
    now_ = std::max(now_, until);
    for (Timer* t : due) {
        // A handler may have stopped, removed or restarted a timer meanwhile.
        if (std::find(timers_.begin(), timers_.end(), t) == timers_.end()) continue;
        if (!t->enabled_ || t->due_ > until) continue;
        // A timer woken a little late keeps its beat, so a 20 ms tick
        // comes fifty times a second and timers started together wake
        // the program together; one a whole period late starts afresh.
        const int64_t beat = t->due_ + t->interval_;
        t->due_ = beat > now_ ? beat : now_ + t->interval_;
        if (t->OnTimer) t->OnTimer();
    }
}

void TimerQueue::CatchUp(int64_t until) {
    while (Timer* t = EarliestDue(until)) Fire(t, t->due_);
    SetNow(until);
}

void TimerQueue::SetNow(int64_t now) {
    now_ = std::max(now_, now);
}

}  // namespace krepogor
