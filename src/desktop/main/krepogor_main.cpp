// krepogor: the game in a desktop window.
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "desktop/DisplayOptions.h"
#include "desktop/SettingsFile.h"
#include "desktop/sdl/SdlShell.h"
#include "frontend/BookLocation.h"
#include "frontend/DataFolder.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    krepogor::DisplayOptions display;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string error;
        if (!krepogor::TakeDisplayOption(args, i, display, error))
            error = "неизвестный параметр «" + args[i] + "»";
        if (!error.empty()) {
            std::cerr << "krepogor: " << error << "\n";
            return 2;
        }
    }
    const std::string exeDir = krepogor::ExecutableDir(argc > 0 ? argv[0] : "");
    auto data = krepogor::FindDataFolder(exeDir);
    if (!data) {
        // The start-up box then names the first picture it misses.
        std::cerr << "krepogor: no game data in " << krepogor::DataFolderPlaces(exeDir) << "\n";
        data = krepogor::DataFolder{exeDir, false};
    }
    krepogor::ShellOptions options;
    options.appDir = data->dir;
    options.resourcesDir = data->dir + "/resources";
    options.bookPath = krepogor::PrepareBook(*data, std::cerr);
    options.display = display;
    options.settingsPath =
        krepogor::SettingsPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    return krepogor::RunDesktopGame(options);
}
