#include "replay/RunRecorder.h"

#include <algorithm>
#include <cctype>

#include "replay/StateValues.h"

namespace krepogor {

void RunRecorder::Start(uint64_t seed, int64_t now, const std::function<void()>& start) {
    clock_ = now;
    Write("seed " + std::to_string(seed));
    Write("trackends recorded");
    Run("start", start);
}

void RunRecorder::Write(const std::string& line) {
    if (InBox()) {
        boxes_.back().lines.push_back("inbox " + line);
        return;
    }
    // One write of the whole line, so that a kill leaves whole lines only.
    if (!stopped_ && !write_(line)) stopped_ = true;
}

void RunRecorder::Sync(int64_t now) {
    if (now <= clock_) return;
    Write("wait " + std::to_string(now - clock_));
    clock_ = now;
}

void RunRecorder::SyncBox(int64_t now) {
    Box& box = boxes_.back();
    if (now <= box.clock) return;
    Write("wait " + std::to_string(now - box.clock));
    box.clock = now;
}

void RunRecorder::Run(const std::string& line, const std::function<void()>& act) {
    held_.push_back({});
    auto done = [&] {
        const Held held = std::move(held_.back());
        held_.pop_back();
        for (const std::string& l : held.boxes) Write(l);
        Write(line);
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
    // What a box's own loop does (an end of the program) is the box's answer.
    if (InBox()) {
        act();
        return;
    }
    Sync(now);
    Run(line, act);
    Write(CheckpointLine(game_));
}

void RunRecorder::Timers(int64_t now, bool realClock, bool anyDue,
                         const std::function<void()>& fire) {
    // A clock that only moved on is waited for before the next line.
    int64_t& clock = InBox() ? boxes_.back().clock : clock_;
    if (!anyDue || now <= clock) {
        fire();
        return;
    }
    const std::string line = (realClock ? "step " : "wait ") + std::to_string(now - clock);
    clock = now;
    if (InBox()) {
        Write(line);
        fire();
    } else {
        Run(line, fire);
    }
}

void RunRecorder::TrackEnded(int64_t now, const std::string& device) {
    if (InBox())
        SyncBox(now);
    else
        Sync(now);
    Write("trackend " + device);
}

void RunRecorder::BoxOpened(int64_t opened) {
    boxes_.push_back({opened, {}});
}

void RunRecorder::BoxAnswered(int64_t answered, const std::string& answer) {
    Box box = std::move(boxes_.back());
    boxes_.pop_back();
    box.lines.push_back("boxtime " + std::to_string(std::max<int64_t>(0, answered - box.clock)));
    box.lines.push_back("answer " + answer);
    clock_ = std::max(clock_, answered);
    for (const std::string& l : box.lines) {
        if (held_.empty())
            Write(l);
        else
            held_.back().boxes.push_back(l);
    }
}

void RunRecorder::Finish() {
    Write(ExpectLine(game_));
}

bool IsRecordingHead(std::string_view head) {
    constexpr std::string_view seed = "seed ", next = "\ntrackends recorded\n";
    if (!head.starts_with(seed)) return false;
    size_t digits = 0;
    while (seed.size() + digits < head.size() &&
           std::isdigit(static_cast<unsigned char>(head[seed.size() + digits])))
        ++digits;
    return digits > 0 && digits <= 20 && head.substr(seed.size() + digits).starts_with(next);
}

}  // namespace krepogor
