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
// How many names are tried for a run in a second that others took.
constexpr unsigned long kMostInASecond = 100;

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

// The number of a kept recording's name (IsKeptRecordingName).
unsigned long NumberOf(const std::string& name) {
    return std::stoul(name.substr(kPrefix.size() + kStampSize + 1));
}

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
    std::vector<std::string> names;
    const bool listed = files.ListFolder(dir, names) == 0;
    char stamp[32] = "";
    if (const std::tm* utc = std::gmtime(&now))
        std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", utc);
    // Numbered after every run of the same second, so that the number tells the newest.
    unsigned long number = 1;
    for (const std::string& name : names)
        if (IsKeptRecordingName(name) && name.compare(kPrefix.size(), kStampSize, stamp) == 0)
            number = std::max(number, NumberOf(name) + 1);
    std::string made;
    for (const unsigned long last = number + kMostInASecond; made.empty(); ++number) {
        const std::string name =
            std::string(kPrefix) + stamp + "-" + std::to_string(number) + ".krs";
        if (file.Create(PathIn(dir, name), error))
            made = name;
        else if (errno != EEXIST || number == last)
            return false;
    }

    if (!listed) return true;  // the old ones wait for the next run
    std::vector<Kept> ours;
    for (const std::string& name : names) {
        if (!IsKeptRecordingName(name)) continue;
        if (StandingAt(files, PathIn(dir, name), IsRecordingHead) != Standing::Ours) continue;
        ours.push_back({name.substr(kPrefix.size(), kStampSize), NumberOf(name), name});
    }
    std::sort(ours.begin(), ours.end());
    const size_t keep = kKeptRecordings - 1;
    for (size_t i = 0; i + keep < ours.size(); ++i) files.Remove(PathIn(dir, ours[i].name));
    return true;
}

}  // namespace krepogor
