#pragma once

#include <optional>
#include <string>

namespace krepogor {

// The folder the game reads its data from: it holds "gamedata" and the
// program's pictures in "resources".
struct DataFolder {
    std::string dir;
    // Found where an installed game keeps its data, which the game never
    // writes to.
    bool installed = false;
};

// Where an installed game keeps its data, as the build was configured: the
// folder relative to the installed program's own folder (so a tree installed
// or unpacked under another prefix finds its own data), and the same folder
// as an absolute path.
struct InstalledDataPlaces {
    std::string fromProgram;  // "../share/games/krepogor"
    std::string absolute;     // "/usr/share/games/krepogor"
};

// The places this build was configured with.
InstalledDataPlaces BuiltInDataPlaces();

// The directory of the running program (argv0 names it when the system cannot).
std::string ExecutableDir(const std::string& argv0);

// The data beside the program first (a build tree or a copy unpacked anywhere
// runs in place), then the installed places, and nowhere else.
std::optional<DataFolder> FindDataFolder(const std::string& exeDir,
                                         const InstalledDataPlaces& places = BuiltInDataPlaces());

// Where the data are looked for, for a message when they are not found: the
// folders in order, separated by ", ".
std::string DataFolderPlaces(const std::string& exeDir,
                             const InstalledDataPlaces& places = BuiltInDataPlaces());

}  // namespace krepogor
