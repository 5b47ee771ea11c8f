#include "frontend/DataFolder.h"

#include <filesystem>
#include <system_error>

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
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) exe = fs::absolute(argv0, ec);
    if (ec) return "";
    return exe.parent_path().string();
}

std::optional<DataFolder> FindDataFolder(const std::string& exeDir) {
    if (exeDir.empty()) return std::nullopt;
    const fs::path exe(exeDir);
    if (HoldsData(exe)) return DataFolder{exe.string(), false};
    const fs::path installed = (exe / kInstalledData).lexically_normal();
    if (HoldsData(installed)) return DataFolder{installed.string(), true};
    return std::nullopt;
}

std::string DataFolderPlaces(const std::string& exeDir) {
    const fs::path exe(exeDir);
    return exe.string() + " or " + (exe / kInstalledData).lexically_normal().string();
}

}  // namespace krepogor
