// krepogor-script: runs the game headless from a script of commands.
//   krepogor-script [--appdir DIR] [--resources DIR] [SCRIPT]
// Reads standard input when no script file is named. Exit status: 0 done,
// 1 bad arguments, 2 a malformed line, 3 a box with no answer waiting,
// 4 the program could not start, 5 an `expect` found another value.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <system_error>

#include "frontend/BookLocation.h"
#include "frontend/DataFolder.h"
#include "platform/Utf8Path.h"
#include "script/Driver.h"
#include "script/RunScript.h"

int main(int argc, char** argv) {
    std::string appDir;
    std::string resourcesDir;
    std::string scriptPath;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--appdir" && i + 1 < argc)
            appDir = argv[++i];
        else if (arg == "--resources" && i + 1 < argc)
            resourcesDir = argv[++i];
        else if (scriptPath.empty() && arg.rfind("--", 0) != 0)
            scriptPath = arg;
        else {
            std::cerr << "usage: krepogor-script [--appdir DIR] [--resources DIR] [SCRIPT]\n";
            return 1;
        }
    }
    // The game's data as the game finds them, unless the command line says.
    const std::string exeDir = krepogor::ExecutableDir(argc > 0 ? argv[0] : "");
    const auto found = krepogor::FindDataFolder(exeDir);
    if (!found && appDir.empty()) {
        std::cerr << "krepogor-script: no game data in any of "
                  << krepogor::DataFolderPlaces(exeDir) << "\n";
        return 4;
    }
    const krepogor::DataFolder data = appDir.empty() ? *found : krepogor::DataFolder{appDir, false};
    if (resourcesDir.empty()) {
        // An application directory without pictures of its own borrows the game's.
        std::error_code ec;
        const bool own =
            std::filesystem::is_directory(krepogor::PathOf(data.dir) / "resources", ec);
        resourcesDir =
            krepogor::Utf8Of(krepogor::PathOf(own || !found ? data.dir : found->dir) / "resources");
    }
    std::ifstream file;
    if (!scriptPath.empty()) {
        // A folder opens like a file and reads as nothing: refuse it too.
        std::error_code ec;
        if (!std::filesystem::is_directory(krepogor::PathOf(scriptPath), ec))
            file.open(krepogor::PathOf(scriptPath));
        if (!file.is_open() || !file) {
            std::cerr << "krepogor-script: cannot read " << scriptPath << "\n";
            return 1;
        }
    }
    std::istream& in = scriptPath.empty() ? std::cin : file;
    krepogor::Driver driver(data.dir, resourcesDir, std::cout);
    const krepogor::BookPlace book = krepogor::PrepareBook(data, std::cerr);
    driver.rig().platform.bookPath = book.path;
    driver.rig().platform.bookSeed = book.seed;
    driver.rig().platform.bookNotKept = book.notKept;
    const int status = krepogor::RunScript(driver, in, std::cout, std::cerr);
    if (status == 0 && in.bad()) {
        std::cerr << "krepogor-script: cannot read "
                  << (scriptPath.empty() ? "the script" : scriptPath) << "\n";
        return 1;
    }
    return status;
}
