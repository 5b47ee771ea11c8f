#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "replay/RecordingLines.h"

namespace krepogor {

class Game;

// Shows a recording on the program: each of its lines at its moment on the
// recording's clock, read from its file as it comes, the timers moved on as
// the recording says, the boxes answered as they were, and its `expect`
// lines held against the program. Its boxes (IDialogs) answer only while it
// plays. A recording that runs out while the program still runs (cut
// short), comes to a line no recording holds or finds the program otherwise
// than an `expect` line says (the show has parted from the run it recorded)
// leaves the program where it was, until the player takes over.
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
        // The recording ran out while the program runs: "", or the line
        // that stopped it (see RecordingLines), or where the show parted
        // from the run (the line's number, the value and the recording's).
        std::function<void(const std::string& error)> cut;
    };

    RecordingPlayer(Game& g, Hooks hooks) : game_(g), hooks_(std::move(hooks)) {}

    // Starts showing `recording` (the program started from its seed).
    void Play(const Recording& recording) {
        file_ = recording.file;
        lines_.emplace(*file_);
        playing_ = true;
    }

    // Runs every line due when `ms` have passed on the recording's clock.
    void RunUntil(int64_t ms);
    // The recording's clock so far.
    int64_t Clock() const { return clock_; }
    bool Playing() const { return playing_; }
    // The player takes over: the rest of the recording is left.
    void Stop() { playing_ = false; }
    // The program ended while the recording played: the `expect` lines
    // after that place (the state it closed in) held against it. "" when
    // they agree (or the show had stopped before), else where the show parted
    // from the run, or the line no recording holds.
    std::string CheckEnd();

    MsgAnswer MsgBox(const std::string& text, const std::string& title,
                     MsgButtons buttons) override;
    std::string InputBox(const std::string& prompt, const std::string& title) override;

private:
    using Line = RecordingLine;
    struct Box {
        std::vector<Line> whileOpen;
        int64_t ms = 0;
        std::string answer;
    };
    void Run(const Line& line);
    // Where the program is otherwise than the `expect` line says; "" when nowhere.
    std::string Parted(const Line& line);
    // The next queued box runs what happened in it, stays open its time and
    // gives its answer.
    std::string Answer();

    Game& game_;
    Hooks hooks_;
    std::shared_ptr<std::istream> file_;
    std::optional<RecordingLines> lines_;
    std::optional<Line> next_;  // read, still to run
    bool cut_ = false;          // ran out before the program ended
    int64_t clock_ = 0;
    bool playing_ = false;
    Box box_;                // the box being read
    std::deque<Box> boxes_;  // boxes read, to answer
};

}  // namespace krepogor
