#include "replay/KeptRecordings.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace krepogor {
namespace fs = std::filesystem;

std::string KeptRecordingsDir(const std::string& playerDataDir) {
    return (fs::path(playerDataDir) / "replays").string();
}

std::string NextKeptRecording(const std::string& dir, std::time_t now, std::string& error) {
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec) {
        error = ec.message();
        return "";
    }
    std::vector<fs::path> runs;
    for (const auto& entry : fs::directory_iterator(dir, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("run-") && name.ends_with(".krs") && entry.is_regular_file(ec))
            runs.push_back(entry.path());
    }
    std::sort(runs.begin(), runs.end());
    const size_t keep = kKeptRecordings - 1;
    for (size_t i = 0; i + keep < runs.size(); ++i) fs::remove(runs[i], ec);

    char stamp[32] = "";
    if (const std::tm* utc = std::gmtime(&now))
        std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", utc);
    for (int n = 1;; ++n) {
        const fs::path next =
            fs::path(dir) / ("run-" + std::string(stamp) + "-" + std::to_string(n) + ".krs");
        if (!fs::exists(next, ec)) return next.string();
    }
}

}  // namespace krepogor
