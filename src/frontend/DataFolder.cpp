#include "frontend/DataFolder.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/SystemPlaces.h"
#include "platform/Utf8Path.h"

namespace krepogor {

namespace fs = std::filesystem;

namespace {

bool HoldsData(const fs::path& dir) {
    std::error_code ec;
    return fs::is_directory(dir / "gamedata", ec);
}

// The places in the order they are tried; the first is the program's folder.
std::vector<fs::path> Candidates(const std::string& exeDir, const InstalledDataPlaces& places) {
    const fs::path exe = PathOf(exeDir);
    std::vector<fs::path> out{exe};
    if (!places.fromProgram.empty())
        out.push_back((exe / PathOf(places.fromProgram)).lexically_normal());
    if (!places.absolute.empty()) out.push_back(PathOf(places.absolute).lexically_normal());
    return out;
}

}  // namespace

InstalledDataPlaces BuiltInDataPlaces() {
    return {KREPOGOR_DATA_FROM_PROGRAM, KREPOGOR_DATA_DIR};
}

std::string ExecutableDir(const std::string& argv0) {
    std::error_code ec;
    const std::string running = RunningProgram();
    const fs::path exe = running.empty() ? fs::absolute(PathOf(argv0), ec) : PathOf(running);
    if (ec) return "";
    return Utf8Of(exe.parent_path());
}

std::optional<DataFolder> FindDataFolder(const std::string& exeDir,
                                         const InstalledDataPlaces& places) {
    if (exeDir.empty()) return std::nullopt;
    const std::vector<fs::path> candidates = Candidates(exeDir, places);
    for (size_t i = 0; i < candidates.size(); ++i) {
        if (HoldsData(candidates[i])) return DataFolder{Utf8Of(candidates[i]), i > 0};
    }
    return std::nullopt;
}

std::string DataFolderPlaces(const std::string& exeDir, const InstalledDataPlaces& places) {
    std::string out;
    for (const fs::path& p : Candidates(exeDir, places)) {
        if (!out.empty()) out += ", ";
        out += Utf8Of(p);
    }
    return out;
}

}  // namespace krepogor
