#pragma once

#include <functional>
#include <optional>
#include <string>

#include "desktop/DisplayOptions.h"
#include "frontend/BookLocation.h"
#include "frontend/OwnFile.h"
#include "replay/RecordingLines.h"

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
    // Should a line fail to go there, the recording stops and the player is
    // told, once.
    OwnFile* recording = nullptr;
    // Where the battle window's last frame is saved as a PNG when the game
    // ends, beside the recording; "": nowhere.
    std::string lastFramePath;
    // A recording to show, at `playSpeed` times its pace, until the player
    // takes over with a key or a click; `playPath` names it to the player.
    std::optional<Recording> playback;
    std::string playPath;
    int playSpeed = 1;
    // What the player was told on standard error before the window opened,
    // shown in the window for a few seconds too; "": nothing.
    std::string notice;
    // Called on every pass of the event loops, a box's included: lets a test
    // push input and watch the game.
    std::function<void(const Game&)> onPass;
};

// Runs the game in a desktop window on the sound card and the real clock
// until it ends. Returns the process's exit status: 0 when the game ended
// itself, 1 when it could not start (a box says why).
int RunDesktopGame(const ShellOptions& options);

}  // namespace krepogor
