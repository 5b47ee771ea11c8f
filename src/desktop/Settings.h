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

// What the game remembers between runs of how its windows were shown, and
// what the player set by hand.
struct Settings {
    std::optional<double> scale;  // the factor the player chose; none: from the desktop
    bool fullscreen = false;
    std::map<std::string, DesktopPoint> places;  // by the game's window names
    // The lines the player writes and the game only reads, kept as written:
    // the battle's keys (`key.fire=Space`, see BattleKeys) and the touch
    // controls (`touch`, `touch.size`, see TouchOptions).
    std::map<std::string, std::string> byHand;
    bool operator==(const Settings&) const = default;
};

// The settings file's text: one `key=value` a line, `#` comments.
std::string FormatSettings(const Settings& s);
// Reads the text; false with the reason (the first bad line) when it is
// spoilt, and `out` is then untouched. Keys it does not know are skipped, so
// that a later game's file still reads.
bool ParseSettings(const std::string& text, Settings& out, std::string& error);
// Whether `text` is a settings file as the game writes it (or nothing at
// all): at least one key, every one of them the game's and well formed. A
// file of the player's that the settings' place links to is written only
// when it is one.
bool IsSettingsText(const std::string& text);

}  // namespace krepogor
