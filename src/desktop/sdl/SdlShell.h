#pragma once

#include <functional>
#include <string>

#include "frontend/BookLocation.h"

namespace krepogor {

class Game;

struct ShellOptions {
    std::string appDir;        // the directory that holds "gamedata"
    std::string resourcesDir;  // the program's own pictures
    BookPlace book;            // the champions' book
    // Called on every pass of the event loops, a box's included: lets a test
    // push input and watch the game.
    std::function<void(const Game&)> onPass;
};

// Runs the game in a desktop window on the sound card and the real clock
// until it ends. Returns the process's exit status: 0 when the game ended
// itself, 1 when it could not start (a box says why).
int RunDesktopGame(const ShellOptions& options);

}  // namespace krepogor
