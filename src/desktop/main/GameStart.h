#pragma once

#include <functional>

namespace krepogor {

class Game;

// The game from its command line: help, the version or a wrong line is
// answered at once; else the data, the book, the settings and this run's
// recording are found and the game runs in its window until it ends, with
// `onPass` as ShellOptions says. Returns the program's exit status.
int RunGameFromCommandLine(int argc, char** argv,
                           const std::function<void(const Game&)>& onPass = {});

}  // namespace krepogor
