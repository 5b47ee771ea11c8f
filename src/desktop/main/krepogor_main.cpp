// krepogor: the game in a desktop window.
#include "desktop/AppDirs.h"
#include "desktop/sdl/SdlShell.h"

int main(int argc, char** argv) {
    const std::string exeDir = krepogor::ExecutableDir(argc > 0 ? argv[0] : "");
    krepogor::ShellOptions options;
    options.appDir = krepogor::FindAppDir(exeDir, KREPOGOR_SOURCE_DIR);
    options.resourcesDir = krepogor::FindResourcesDir(exeDir, KREPOGOR_RESOURCES_DIR);
    return krepogor::RunDesktopGame(options);
}
