#include "desktop/AppDirs.h"

#include <filesystem>
#include <system_error>

namespace krepogor {

namespace fs = std::filesystem;

std::string ExecutableDir(const std::string& argv0) {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) exe = fs::absolute(argv0, ec);
    if (ec) return "";
    return exe.parent_path().string();
}

std::string FindAppDir(const std::string& exeDir, const std::string& fallback) {
    std::error_code ec;
    if (!exeDir.empty() && fs::is_directory(fs::path(exeDir) / "gamedata", ec)) return exeDir;
    return fallback;
}

std::string FindResourcesDir(const std::string& exeDir, const std::string& fallback) {
    std::error_code ec;
    const fs::path beside = fs::path(exeDir) / "resources";
    if (!exeDir.empty() && fs::is_directory(beside, ec)) return beside.string();
    return fallback;
}

}  // namespace krepogor
