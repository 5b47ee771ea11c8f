#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"

namespace krepogor {

class Game;

// A recording read for showing: its seed and its lines.
struct Recording {
    struct Line {
        std::vector<std::string> words;
        std::string text;  // what follows the command word, whole
    };
    uint64_t seed = 0;
    std::vector<Line> lines;
};

// Reads a recording; nothing, with `error` (the line and its number), when a
// line is none a recording holds.
std::optional<Recording> ReadRecording(std::istream& in, std::string& error);

// Shows a recording on the program: each of its lines at its moment on the
// recording's clock, the timers moved on as the recording says, the boxes
// answered as they were. Its boxes (IDialogs) answer only while it plays.
class RecordingPlayer : public IDialogs {
public:
    // What the player drives besides the game.
    struct Hooks {
        // Moves the timer clock `ms` on: on the real clock's way or catching up.
        std::function<void(int64_t ms, bool realClock)> advance;
        // A device's track ends.
        std::function<void(const std::string& device)> trackEnd;
        // A box stays open while the recording's clock reaches `at`.
        std::function<void(int64_t at)> hold;
        // The boxes that answer once the player has taken over.
        IDialogs* boxes = nullptr;
    };

    RecordingPlayer(Game& g, Hooks hooks) : game_(g), hooks_(std::move(hooks)) {}

    // Starts showing `recording` (the program started from its seed).
    void Play(Recording recording) {
        lines_ = std::move(recording.lines);
        playing_ = true;
    }

    // Runs every line due when `ms` have passed on the recording's clock.
    void RunUntil(int64_t ms);
    // The recording's clock so far.
    int64_t Clock() const { return clock_; }
    bool Playing() const { return playing_; }
    // The player takes over: the rest of the recording is left.
    void Stop() { playing_ = false; }

    MsgAnswer MsgBox(const std::string& text, const std::string& title,
                     MsgButtons buttons) override;
    std::string InputBox(const std::string& prompt, const std::string& title) override;

private:
    using Line = Recording::Line;
    struct Box {
        std::vector<Line> whileOpen;
        int64_t ms = 0;
        std::string answer;
    };
    void Run(const Line& line);
    // The next queued box runs what happened in it, stays open its time and
    // gives its answer.
    std::string Answer();

    Game& game_;
    Hooks hooks_;
    std::vector<Line> lines_;
    size_t next_ = 0;
    int64_t clock_ = 0;
    bool playing_ = false;
    Box box_;                // the box being read
    std::deque<Box> boxes_;  // boxes read, to answer
};

}  // namespace krepogor
