#pragma once

#include <string>
#include <utility>
#include <vector>

namespace krepogor {

// What the recording devices were told, in order: each entry is the device's
// name followed by what it was told, e.g. {"MMControlBum(6)", "Play"}.
struct EventLog {
    std::vector<std::vector<std::string>> entries;
    void Add(std::vector<std::string> e) { entries.push_back(std::move(e)); }
    std::vector<std::vector<std::string>> Take() { return std::exchange(entries, {}); }
};

}  // namespace krepogor
