#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "desktop/DisplayOptions.h"
#include "desktop/ScreenDensity.h"
#include "frontend/BookLocation.h"
#include "replay/RecordingPlayer.h"

namespace krepogor {

class Game;

struct ShellOptions {
    std::string appDir;        // the directory that holds "gamedata"
    std::string resourcesDir;  // the program's own pictures
    BookPlace book;            // the champions' book
    DisplayOptions display;    // the factor and fullscreen the player chose
    // Where the windows' settings are remembered between runs; empty: nowhere.
    std::string settingsPath;
    // Where the run is written as a driver script as it plays; none: nullptr.
    std::ostream* recording = nullptr;
    // Where the battle window's last frame is saved as a PNG when the game
    // ends, beside the recording; "": nowhere.
    std::string lastFramePath;
    // A recording to show, at `playSpeed` times its pace, until the player
    // takes over with a key or a click.
    std::optional<Recording> playback;
    int playSpeed = 1;
    // Called on every pass of the event loops, a box's included: lets a test
    // push input and watch the game.
    std::function<void(const Game&)> onPass;
    // The screen's density, where the program knows it better than SDL does
    // (a page in a browser); nullptr: the display's as SDL reports it.
    const ScreenDensity* density = nullptr;
};

// Runs the game in a desktop window on the sound card and the real clock
// until it ends. Returns the process's exit status: 0 when the game ended
// itself, 1 when it could not start (a box says why).
int RunDesktopGame(const ShellOptions& options);

}  // namespace krepogor
