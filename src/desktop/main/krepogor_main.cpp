// krepogor: the game in a desktop window.
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iostream>
#include <string>

#include "desktop/CommandLine.h"
#include "desktop/SettingsFile.h"
#include "desktop/sdl/SdlShell.h"
#include "frontend/BookLocation.h"
#include "frontend/DataFolder.h"
#include "platform/SystemPlaces.h"
#include "platform/Utf8Path.h"
#include "replay/KeptRecordings.h"

namespace {

// Where this run is recorded: where --record says, else as the newest of the
// runs the game keeps (none when there is no folder for them).
std::string RecordingPath(const krepogor::CommandLine& line) {
    if (!line.recordPath.empty()) return line.recordPath;
    const std::string dataDir = krepogor::PlayerDataFolder();
    if (dataDir.empty()) return "";
    std::string error;
    const std::string dir = krepogor::KeptRecordingsDir(dataDir);
    const std::string path = krepogor::NextKeptRecording(dir, std::time(nullptr), error);
    if (path.empty())
        std::cerr << "krepogor: the run is not recorded: " << dir << ": " << error << "\n";
    return path;
}

}  // namespace

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
    if (!line.playPath.empty()) {
        // A recording shown is not recorded again.
        if (!line.recordPath.empty()) {
            std::cerr << "krepogor: показ записи нельзя записать (--play и --record вместе)\n";
            return 2;
        }
        std::ifstream file(line.playPath, std::ios::binary);
        std::string error = "не удаётся прочитать файл";
        if (file) options.playback = krepogor::ReadRecording(file, error);
        if (!options.playback) {
            std::cerr << "krepogor: запись «" << line.playPath << "» не показать: " << error
                      << "\n";
            return 1;
        }
        options.playSpeed = line.playSpeed;
    }
    std::ofstream recording;
    if (const std::string path = options.playback ? "" : RecordingPath(line); !path.empty()) {
        recording.open(path, std::ios::out | std::ios::trunc | std::ios::binary);
        if (!recording && !line.recordPath.empty()) {
            std::cerr << "krepogor: не удаётся записать игру в «" << path << "»\n";
            return 1;
        }
    }
    options.appDir = data->dir;
    options.resourcesDir = krepogor::Utf8Of(krepogor::PathOf(data->dir) / "resources");
    options.book = krepogor::PrepareBook(*data, std::cerr);
    if (recording.is_open()) options.recording = &recording;
    if (!line.recordPath.empty()) options.lastFramePath = line.recordPath + ".png";
    options.display = line.display;
    options.settingsPath = krepogor::SettingsPath(krepogor::PlayerSettingsFolder());
    return krepogor::RunDesktopGame(options);
}
