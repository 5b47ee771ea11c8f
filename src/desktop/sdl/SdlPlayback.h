#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "replay/RecordingPlayer.h"

union SDL_Event;

namespace krepogor {

class Game;
class SdlMediaSystem;
class TimerQueue;

// A recording shown in the window: its lines at their moments on the real
// clock (sped up `speed` times), its timers and boxes as recorded, its ends
// of tracks told to the devices; a key or a click of the player's takes over.
// Its boxes (IDialogs) answer as recorded while it plays and hand the rest
// to the program's own.
class SdlPlayback {
public:
    // `present` shows the window while a box of the recording stays open;
    // `cut` hears when the recording runs out while the program runs ("")
    // or comes to a line no recording holds (the line).
    SdlPlayback(Game& g, TimerQueue& timers, SdlMediaSystem& media, IDialogs& boxes,
                std::function<void()> present, std::function<void(const std::string&)> cut);

    IDialogs& Boxes() { return player_; }
    // Starts showing `recording` with the timer clock where it is.
    void Start(const Recording& recording, int speed);
    bool Playing() const { return player_.Playing(); }
    // Runs the recording up to the moment it has come to.
    void Run();
    // The timer clock's time now: the real clock's, ahead of it by what a
    // recording shown faster gained.
    int64_t Ticks() const;
    // The program ended during the show: "" when the recording's state at
    // its end agrees, else where they part (RecordingPlayer::CheckEnd).
    std::string CheckEnd() { return player_.CheckEnd(); }
    // True when the event belongs to the show: a key or a click stops it
    // there (the player takes over), the pointer's moves are left out.
    bool TakesOver(const SDL_Event& e);

private:
    int64_t RecordingClock() const;

    TimerQueue& timers_;
    SdlMediaSystem& media_;
    std::function<void()> present_;
    RecordingPlayer player_;
    int speed_ = 1;
    int64_t start_ = 0;
    int64_t ahead_ = 0;
};

}  // namespace krepogor
