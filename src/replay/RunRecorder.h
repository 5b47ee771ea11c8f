#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace krepogor {

class Game;

// Writes a run of the desktop program as a driver script, line by line as it
// plays, each line flushed whole, so that the file is a valid script up to
// its last line whatever ends the program.
//
// Every line is stamped with the program's timer clock: before an input the
// script waits to the moment the program took it. Timers that fell due are
// written as the program fired them, `wait` when it let them catch up (each
// period at its own time), `step` when it fired them on the real clock (each
// once, late). A box opened by a command is written before that command:
// what happened while it was open (`inbox` lines, on its own clock), the time
// it stayed open after that (`boxtime`) and its `answer`.
//
// A line that cannot be written stops the recording there: the file keeps
// the whole lines before it, and nothing more is written.
class RunRecorder {
public:
    // Writes a line and its newline whole, or (false) nothing of them.
    using WriteLine = std::function<bool(const std::string& line)>;

    // `g`: the game recorded (used from Start on).
    RunRecorder(WriteLine write, Game& g) : write_(std::move(write)), game_(g) {}

    // Runs `start`, the program's start with its random numbers from `seed`
    // and its timer clock at `now`.
    void Start(uint64_t seed, int64_t now, const std::function<void()>& start);
    // Runs `act` as the command `line` taken at the timer clock `now`; a
    // short `expect` follows it, so that a replay that parts from the run
    // fails near the place where it did.
    void Command(int64_t now, const std::string& line, const std::function<void()>& act);
    // Runs `fire`, which fires the timers due by `now` (`anyDue`: there are
    // some); `realClock`: on the real clock's beat, else catching up.
    void Timers(int64_t now, bool realClock, bool anyDue, const std::function<void()>& fire);
    // A device's track ended at the timer clock `now` (the audio thread found it).
    void TrackEnded(int64_t now, const std::string& device);
    // A box opened at the timer clock `opened`; it took `answer` ("Yes",
    // "No", "OK", "text:..." or "quit") at `answered`.
    void BoxOpened(int64_t opened);
    void BoxAnswered(int64_t answered, const std::string& answer);
    bool InBox() const { return !boxes_.empty(); }
    // The state the run ended in, as the last line.
    void Finish();
    // A line could not be written: the recording ends before it.
    bool Stopped() const { return stopped_; }

private:
    void Write(const std::string& line);
    // Waits to `now` unless the script's clock is there already.
    void Sync(int64_t now);
    // Lines of a command are held until it is done, as its boxes come first.
    struct Held {
        std::vector<std::string> boxes;  // inbox, boxtime and answer lines
    };
    struct Box {
        int64_t clock;                   // of its last line
        std::vector<std::string> lines;  // its inbox lines
    };
    // Waits, inside the box, to `now`.
    void SyncBox(int64_t now);
    void Run(const std::string& line, const std::function<void()>& act);

    WriteLine write_;
    bool stopped_ = false;
    Game& game_;
    int64_t clock_ = 0;
    std::vector<Box> boxes_;
    std::vector<Held> held_;
};

// Whether a file begins as the recorder begins every recording: its seed,
// then "trackends recorded".
bool IsRecordingHead(std::string_view head);

}  // namespace krepogor
