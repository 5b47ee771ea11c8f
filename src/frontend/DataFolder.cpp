#include "frontend/DataFolder.h"

#include <filesystem>
#include <system_error>

#include "platform/SystemPlaces.h"
#include "platform/Utf8Path.h"

namespace krepogor {

namespace fs = std::filesystem;

namespace {

constexpr const char* kInstalledData = "../share/krepogor";

bool HoldsData(const fs::path& dir) {
    std::error_code ec;
    return fs::is_directory(dir / "gamedata", ec);
}

}  // namespace

std::string ExecutableDir(const std::string& argv0) {
    std::error_code ec;
    const std::string running = RunningProgram();
    const fs::path exe = running.empty() ? fs::absolute(PathOf(argv0), ec) : PathOf(running);
    if (ec) return "";
    return Utf8Of(exe.parent_path());
}

std::optional<DataFolder> FindDataFolder(const std::string& exeDir) {
    if (exeDir.empty()) return std::nullopt;
    const fs::path exe = PathOf(exeDir);
    if (HoldsData(exe)) return DataFolder{exeDir, false};
    const fs::path installed = (exe / kInstalledData).lexically_normal();
    if (HoldsData(installed)) return DataFolder{Utf8Of(installed), true};
    return std::nullopt;
}

std::string DataFolderPlaces(const std::string& exeDir) {
    return exeDir + " or " + Utf8Of((PathOf(exeDir) / kInstalledData).lexically_normal());
}

}  // namespace krepogor
