#pragma once

#include <optional>
#include <string>
#include <vector>

namespace krepogor {

// How the player wants the game's windows shown: the factor they open at
// (none: as the desktop and the remembered settings give it) and whether the
// game fills the screen (none: as remembered).
struct DisplayOptions {
    std::optional<double> scale;
    std::optional<bool> fullscreen;
};

// Reads the display option at args[i] (`--scale FACTOR`, `--scale=FACTOR`,
// `--fullscreen`, `--window`), moving i past its value. Returns false when
// args[i] is none of them; sets `error` (in Russian) when it is one but its
// value is missing or unusable.
bool TakeDisplayOption(const std::vector<std::string>& args, size_t& i, DisplayOptions& options,
                       std::string& error);

// A scale factor written by the player or read from the settings: a decimal
// number (point or comma) within the factors windows may open at.
std::optional<double> ParseScale(const std::string& text);

}  // namespace krepogor
