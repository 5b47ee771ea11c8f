#pragma once

#include <string>

namespace krepogor {

// The full path of the running program, or "" when the system does not say.
std::string RunningProgram();

// The folder that keeps this player's own files of the game, or "" when the
// system names none. It need not exist yet.
std::string PlayerDataFolder();

// True when the program may write the file at `path`, or, for a folder, make
// new files in it.
bool MayWrite(const std::string& path);

}  // namespace krepogor
