// krepogor: the game in a desktop window.
#include <ctime>
#include <iostream>
#include <string>

#include "desktop/CommandLine.h"
#include "desktop/LastFrame.h"
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

namespace {

// Opens the newest of the runs the game keeps as this run's recording (none
// when the system names no folder for them); one that cannot be made is
// told on standard error and returned for the window to show.
std::string KeepThisRun(krepogor::OwnFile& file) {
    const std::string dataDir = krepogor::PlayerDataFolder();
    if (dataDir.empty()) return "";
    std::string error;
    const std::string dir = krepogor::KeptRecordingsDir(dataDir);
    if (krepogor::OpenKeptRecording(krepogor::SystemFileCalls(), dir, std::time(nullptr), file,
                                    error))
        return "";
    std::cerr << "krepogor: игра не записывается: папка записей " << krepogor::QuotedPath(dir)
              << ": " << error << "\n";
    return "Игра не записывается: " + error;
}

}  // namespace

int main(int argc, char** argv) {
    // Help, the version and a wrong command line are answered before any window opens.
    const krepogor::CommandLine line = krepogor::ParseCommandLine(argc, argv);
    if (const auto status = krepogor::AnswerCommandLine(line, std::cout, std::cerr)) return *status;
    krepogor::ShellOptions options;
    krepogor::OwnFile recording;
    if (!line.playPath.empty()) {
        std::string error;
        options.playback = krepogor::CheckRecording(line.playPath, error);
        if (!options.playback) {
            std::cerr << "krepogor: запись " << krepogor::QuotedPath(line.playPath)
                      << " не показать: " << error << "\n";
            return 1;
        }
        options.playPath = line.playPath;
        options.playSpeed = line.playSpeed.value_or(1);
    } else if (!line.recordPath.empty()) {
        std::string error;
        if (const int status = krepogor::OpenRecordTarget(krepogor::SystemFileCalls(),
                                                          line.recordPath, recording, error)) {
            std::cerr << "krepogor: " << error << "\n";
            return status;
        }
        options.lastFramePath = krepogor::LastFramePath(line.recordPath);
    } else {
        options.notice = KeepThisRun(recording);
    }
    if (recording.IsOpen()) options.recording = &recording;

    const std::string exeDir = krepogor::ExecutableDir(argc > 0 ? argv[0] : "");
    auto data = krepogor::FindDataFolder(exeDir);
    if (!data) {
        // The start-up box then names the first picture it misses.
        std::cerr << "krepogor: данных игры нет ни в одной из папок: "
                  << krepogor::DataFolderPlaces(exeDir) << "\n";
        data = krepogor::DataFolder{exeDir, false};
    }
    options.appDir = data->dir;
    options.resourcesDir = krepogor::Utf8Of(krepogor::PathOf(data->dir) / "resources");
    options.book = krepogor::PrepareBook(*data, std::cerr);
    options.display = line.display;
    options.settingsPath = krepogor::SettingsPath(krepogor::PlayerSettingsFolder());
    return krepogor::RunDesktopGame(options);
}
