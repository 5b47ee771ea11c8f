#include "replay/KeptRecordings.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <string_view>
#include <tuple>
#include <vector>

#include "frontend/SystemErrorText.h"
#include "platform/Utf8Path.h"
#include "replay/RunRecorder.h"

namespace krepogor {
namespace {

constexpr std::string_view kPrefix = "run-", kSuffix = ".krs";
constexpr size_t kStampSize = 15;  // "20261209-221500"
// More runs than this in one second are not recorded.
constexpr int kMostInASecond = 1000;

bool Digits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c));
    });
}

std::string PathIn(const std::string& dir, const std::string& name) {
    return Utf8Of(PathOf(dir) / PathOf(name));
}

// A kept recording's place among the others: its moment, then its number.
struct Kept {
    std::string stamp;
    unsigned long number;
    std::string name;
    bool operator<(const Kept& o) const {
        return std::tie(stamp, number) < std::tie(o.stamp, o.number);
    }
};

}  // namespace

std::string KeptRecordingsDir(const std::string& playerDataDir) {
    return PathIn(playerDataDir, "replays");
}

bool IsKeptRecordingName(const std::string& name) {
    std::string_view s = name;
    if (!s.starts_with(kPrefix) || !s.ends_with(kSuffix)) return false;
    s = s.substr(kPrefix.size(), s.size() - kPrefix.size() - kSuffix.size());
    if (s.size() < kStampSize + 2 || s[8] != '-' || s[kStampSize] != '-') return false;
    const std::string_view number = s.substr(kStampSize + 1);
    return Digits(s.substr(0, 8)) && Digits(s.substr(9, 6)) && Digits(number) && number[0] != '0' &&
           number.size() <= 4;
}

bool OpenKeptRecording(IFileCalls& files, const std::string& dir, std::time_t now, OwnFile& file,
                       std::string& error) {
    if (files.MakeDirs(dir) != 0) {
        error = SystemErrorText(errno);
        return false;
    }
    char stamp[32] = "";
    if (const std::tm* utc = std::gmtime(&now))
        std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", utc);
    std::string made;
    for (int n = 1; made.empty(); ++n) {
        const std::string name = std::string(kPrefix) + stamp + "-" + std::to_string(n) + ".krs";
        if (file.Create(PathIn(dir, name), error)) {
            made = name;
        } else if (errno != EEXIST || n == kMostInASecond) {
            return false;
        }
    }

    std::vector<std::string> names;
    if (files.ListFolder(dir, names) != 0) return true;  // the old ones wait for the next run
    std::vector<Kept> ours;
    for (const std::string& name : names) {
        if (name == made || !IsKeptRecordingName(name)) continue;
        if (StandingAt(files, PathIn(dir, name), IsRecordingHead) != Standing::Ours) continue;
        ours.push_back({name.substr(kPrefix.size(), kStampSize),
                        std::stoul(name.substr(kPrefix.size() + kStampSize + 1)), name});
    }
    std::sort(ours.begin(), ours.end());
    const size_t keep = kKeptRecordings - 1;
    for (size_t i = 0; i + keep < ours.size(); ++i) files.Remove(PathIn(dir, ours[i].name));
    return true;
}

}  // namespace krepogor
