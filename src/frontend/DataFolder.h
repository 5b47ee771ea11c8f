#pragma once

#include <optional>
#include <string>

namespace krepogor {

// The folder the game reads its data from: it holds "gamedata" and the
// program's pictures in "resources".
struct DataFolder {
    std::string dir;
    // Found in the installed layout (share/krepogor beside bin/), which the
    // game never writes to.
    bool installed = false;
};

// The directory of the running program (argv0 names it when the system cannot).
std::string ExecutableDir(const std::string& argv0);

// The data beside the program first (a build tree or a portable copy runs in
// place), then "../share/krepogor" relative to the program, and nowhere else.
std::optional<DataFolder> FindDataFolder(const std::string& exeDir);

// Where the data are looked for, for a message when they are not found.
std::string DataFolderPlaces(const std::string& exeDir);

}  // namespace krepogor
