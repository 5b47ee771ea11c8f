// krepogor-script: runs the game headless from a script of commands.
//   krepogor-script [--appdir DIR] [--resources DIR] [SCRIPT]
// Reads standard input when no script file is named. Exit status: 0 done,
// 1 bad arguments, 2 a malformed line, 3 a box with no answer waiting,
// 4 the program could not start.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "script/Driver.h"
#include "script/RunScript.h"

int main(int argc, char** argv) {
    std::string appDir = std::filesystem::current_path().string();
    std::string resourcesDir = KREPOGOR_RESOURCES_DIR;
    std::string scriptPath;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--appdir" && i + 1 < argc)
            appDir = argv[++i];
        else if (scriptPath.empty() && arg.rfind("--", 0) != 0)
            scriptPath = arg;
        else {
            std::cerr << "usage: krepogor-script [--appdir DIR] [--resources DIR] [SCRIPT]\n";
            return 1;
        }
    }
    std::ifstream file;
    if (!scriptPath.empty()) {
        file.open(scriptPath);
        if (!file) {
            std::cerr << "krepogor-script: cannot read " << scriptPath << "\n";
            return 1;
        }
    }
    std::istream& in = scriptPath.empty() ? std::cin : file;
    krepogor::Driver driver(appDir, resourcesDir, std::cout);
    return krepogor::RunScript(driver, in, std::cout, std::cerr);
}
