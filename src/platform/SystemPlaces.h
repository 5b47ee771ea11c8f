#pragma once

#include <string>

namespace krepogor {

// The full path of the running program, or "" when the system does not say.
std::string RunningProgram();

// The folder that keeps this player's own files of the game, or "" when the
// system names none. It need not exist yet.
std::string PlayerDataFolder();

// Why the system names no folder for the player's files, in Russian, for a
// message that says so.
std::string WhyNoPlayerFolder();

// The folder that keeps this player's settings of the game, or "" when the
// system names none. It need not exist yet.
std::string PlayerSettingsFolder();

// True when the program may write the file at `path`, or, for a folder, make
// new files in it.
bool MayWrite(const std::string& path);

}  // namespace krepogor
