#pragma once

#include <map>
#include <string>

namespace krepogor {

// How the player wants the touch controls: `touch=yes|no` turns them on or
// off, `touch.size=MM` makes them MM millimetres across.
struct TouchOptions {
    static constexpr int kLeastMm = 9, kMostMm = 30;
    bool on = true;
    int mm = 10;
    bool operator==(const TouchOptions&) const = default;
};

// The touch options of settings.ini's lines; a value it cannot take keeps
// that option's default, and `problem` says why in Russian.
TouchOptions TouchOptionsOf(const std::map<std::string, std::string>& settings,
                            std::string& problem);

}  // namespace krepogor
