#pragma once

#include <optional>
#include <string>

namespace krepogor {

// How the player wants the game's windows shown: the factor they open at
// (none: as the desktop and the remembered settings give it) and whether the
// game fills the screen (none: as remembered).
struct DisplayOptions {
    std::optional<double> scale;
    std::optional<bool> fullscreen;
};

// A scale factor written by the player or read from the settings: a decimal
// number (point or comma) within the factors windows may open at.
std::optional<double> ParseScale(const std::string& text);

}  // namespace krepogor
