#include "replay/RunRecorder.h"

#include <algorithm>

#include "replay/StateValues.h"

namespace krepogor {

void RunRecorder::Start(uint64_t seed, int64_t now, const std::function<void()>& start) {
    clock_ = now;
    Write("seed " + std::to_string(seed));
    Write("trackends recorded");
    Run("start", start);
}

void RunRecorder::Write(const std::string& line) {
    if (!held_.empty()) {
        held_.back().after.push_back(line);
        return;
    }
    out_ << line << '\n' << std::flush;
}

void RunRecorder::Sync(int64_t now) {
    if (now <= clock_) return;
    Write("wait " + std::to_string(now - clock_));
    clock_ = now;
}

void RunRecorder::Run(const std::string& line, const std::function<void()>& act) {
    held_.push_back({});
    auto done = [&] {
        Held held = std::move(held_.back());
        held_.pop_back();
        for (const std::string& l : held.boxes) Write(l);
        Write(line);
        for (const std::string& l : held.after) Write(l);
    };
    try {
        act();
    } catch (...) {
        done();
        throw;
    }
    done();
}

void RunRecorder::Command(int64_t now, const std::string& line, const std::function<void()>& act) {
    // The commands a box's own loop runs (an end of the program) belong to the box.
    if (InBox()) {
        act();
        return;
    }
    Sync(now);
    Run(line, act);
}

void RunRecorder::Timers(int64_t now, bool realClock, bool anyDue,
                         const std::function<void()>& fire) {
    // While a box is open its time stands for the timers it let run; a clock
    // that only moved on is waited for before the next line.
    if (InBox() || !anyDue || now <= clock_) {
        fire();
        return;
    }
    const std::string line = (realClock ? "step " : "wait ") + std::to_string(now - clock_);
    clock_ = now;
    Run(line, fire);
}

void RunRecorder::TrackEnded(int64_t now, const std::string& device) {
    if (!InBox()) Sync(now);
    Write("trackend " + device);
}

void RunRecorder::BoxOpened() {
    ++boxes_;
}

void RunRecorder::BoxAnswered(int64_t opened, int64_t answered, const std::string& answer) {
    --boxes_;
    const int64_t ms = std::max<int64_t>(0, answered - opened);
    clock_ = std::max(clock_, opened + ms);
    const std::string lines[] = {"boxtime " + std::to_string(ms), "answer " + answer};
    for (const std::string& l : lines) {
        if (held_.empty())
            Write(l);
        else
            held_.back().boxes.push_back(l);
    }
}

void RunRecorder::Finish(Game& g) {
    Write(ExpectLine(g));
}

}  // namespace krepogor
