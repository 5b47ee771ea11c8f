// The game from its command line, as the krepogor program starts it.
#include "desktop/main/GameStart.h"

#include <ctime>
#include <iostream>
#include <string>

#include "codec/LastFrame.h"
#include "desktop/CommandLine.h"
#include "desktop/RecordTarget.h"
#include "desktop/SettingsFile.h"
#include "desktop/sdl/SdlShell.h"
#include "frontend/BookLocation.h"
#include "frontend/DataFolder.h"
#include "frontend/OwnFile.h"
#include "frontend/PrintableText.h"
#include "platform/SystemPlaces.h"
#include "platform/Utf8Path.h"
#include "replay/KeptRecordings.h"

namespace krepogor {
namespace {

// Opens the newest of the runs the game keeps as this run's recording (none
// when the system names no folder for them); one that cannot be made is
// told on standard error and returned for the window to show.
std::string KeepThisRun(OwnFile& file) {
    const std::string dataDir = PlayerDataFolder();
    if (dataDir.empty()) return "";
    std::string error;
    const std::string dir = KeptRecordingsDir(dataDir);
    if (OpenKeptRecording(SystemFileCalls(), dir, std::time(nullptr), file, error)) return "";
    std::cerr << "krepogor: игра не записывается: папка записей " << QuotedPath(dir) << ": "
              << error << "\n";
    return "Игра не записывается: " + error;
}

}  // namespace

int RunGameFromCommandLine(int argc, char** argv, const std::function<void(const Game&)>& onPass) {
    // Help, the version and a wrong command line are answered before any window opens.
    const CommandLine line = ParseCommandLine(argc, argv);
    if (const auto status = AnswerCommandLine(line, std::cout, std::cerr)) return *status;
    ShellOptions options;
    OwnFile recording;
    if (!line.playPath.empty()) {
        std::string error;
        options.playback = CheckRecording(line.playPath, error);
        if (!options.playback) {
            std::cerr << "krepogor: запись " << QuotedPath(line.playPath)
                      << " не показать: " << error << "\n";
            return 1;
        }
        options.playPath = line.playPath;
        options.playSpeed = line.playSpeed.value_or(1);
    } else if (!line.recordPath.empty()) {
        std::string error;
        if (const int status =
                OpenRecordTarget(SystemFileCalls(), line.recordPath, recording, error)) {
            std::cerr << "krepogor: " << error << "\n";
            return status;
        }
        options.lastFramePath = LastFramePath(line.recordPath);
    } else {
        options.notice = KeepThisRun(recording);
    }
    if (recording.IsOpen()) options.recording = &recording;

    const std::string exeDir = ExecutableDir(argc > 0 ? argv[0] : "");
    auto data = FindDataFolder(exeDir);
    if (!data) {
        // The start-up box then names the first picture it misses.
        std::cerr << "krepogor: данных игры нет ни в одной из папок: " << DataFolderPlaces(exeDir)
                  << "\n";
        data = DataFolder{exeDir, false};
    }
    options.appDir = data->dir;
    options.resourcesDir = Utf8Of(PathOf(data->dir) / "resources");
    options.book = PrepareBook(*data, std::cerr);
    options.display = line.display;
    options.settingsPath = SettingsPath(PlayerSettingsFolder());
    options.onPass = onPass;
    return RunDesktopGame(options);
}

}  // namespace krepogor
