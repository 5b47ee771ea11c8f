#pragma once

#include <map>
#include <optional>
#include <string>

namespace krepogor {

// A point on the desktop: where a window's client area begins.
struct DesktopPoint {
    int x = 0, y = 0;
    bool operator==(const DesktopPoint&) const = default;
};

// What the game remembers between runs of how its windows were shown.
struct Settings {
    std::optional<double> scale;  // the factor the player chose; none: from the desktop
    bool fullscreen = false;
    std::map<std::string, DesktopPoint> places;  // by the game's window names
    bool operator==(const Settings&) const = default;
};

// The settings file's text: one `key=value` a line, `#` comments.
std::string FormatSettings(const Settings& s);
// Reads the text; false with the reason (the first bad line) when it is
// spoilt, and `out` is then untouched. Keys it does not know are skipped, so
// that a later game's file still reads.
bool ParseSettings(const std::string& text, Settings& out, std::string& error);

}  // namespace krepogor
