// krepogor: the game in a desktop window.
#include <iostream>

#include "desktop/CommandLine.h"
#include "desktop/sdl/SdlShell.h"
#include "frontend/BookLocation.h"
#include "frontend/DataFolder.h"
#include "platform/Utf8Path.h"

int main(int argc, char** argv) {
    // Help, the version and a wrong command line are answered before any window opens.
    const krepogor::CommandLine line = krepogor::ParseCommandLine(argc, argv);
    if (const auto status = krepogor::AnswerCommandLine(line, std::cout, std::cerr)) return *status;
    const std::string exeDir = krepogor::ExecutableDir(argc > 0 ? argv[0] : "");
    auto data = krepogor::FindDataFolder(exeDir);
    if (!data) {
        // The start-up box then names the first picture it misses.
        std::cerr << "krepogor: no game data in " << krepogor::DataFolderPlaces(exeDir) << "\n";
        data = krepogor::DataFolder{exeDir, false};
    }
    krepogor::ShellOptions options;
    options.appDir = data->dir;
    options.resourcesDir = krepogor::Utf8Of(krepogor::PathOf(data->dir) / "resources");
    options.book = krepogor::PrepareBook(*data, std::cerr);
    return krepogor::RunDesktopGame(options);
}
