#include "frontend/DataFolder.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace krepogor {

namespace fs = std::filesystem;

namespace {

bool HoldsData(const fs::path& dir) {
    std::error_code ec;
    return fs::is_directory(dir / "gamedata", ec);
}

// The places in the order they are tried; the first is the program's folder.
std::vector<fs::path> Candidates(const std::string& exeDir, const InstalledDataPlaces& places) {
    const fs::path exe(exeDir);
    std::vector<fs::path> out{exe};
    if (!places.fromProgram.empty()) out.push_back((exe / places.fromProgram).lexically_normal());
    if (!places.absolute.empty()) out.push_back(fs::path(places.absolute).lexically_normal());
    return out;
}

}  // namespace

InstalledDataPlaces BuiltInDataPlaces() {
    return {KREPOGOR_DATA_FROM_PROGRAM, KREPOGOR_DATA_DIR};
}

std::string ExecutableDir(const std::string& argv0) {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) exe = fs::absolute(argv0, ec);
    if (ec) return "";
    return exe.parent_path().string();
}

std::optional<DataFolder> FindDataFolder(const std::string& exeDir,
                                         const InstalledDataPlaces& places) {
    if (exeDir.empty()) return std::nullopt;
    const std::vector<fs::path> candidates = Candidates(exeDir, places);
    for (size_t i = 0; i < candidates.size(); ++i) {
        if (HoldsData(candidates[i])) return DataFolder{candidates[i].string(), i > 0};
    }
    return std::nullopt;
}

std::string DataFolderPlaces(const std::string& exeDir, const InstalledDataPlaces& places) {
    std::string out;
    for (const fs::path& p : Candidates(exeDir, places)) {
        if (!out.empty()) out += " or ";
        out += p.string();
    }
    return out;
}

}  // namespace krepogor
