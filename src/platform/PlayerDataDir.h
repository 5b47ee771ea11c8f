#pragma once

#include <string>

namespace krepogor {

// The player's own data folder for the game on a POSIX desktop:
// $XDG_DATA_HOME/krepogor, or ~/.local/share/krepogor when XDG_DATA_HOME is
// unset, empty or relative. Empty when neither names a folder.
std::string PlayerDataDir(const char* xdgDataHome, const char* home);

// The player's own settings folder for the game on a POSIX desktop:
// $XDG_CONFIG_HOME/krepogor, or ~/.config/krepogor when XDG_CONFIG_HOME is
// unset, empty or relative. Empty when neither names a folder.
std::string PlayerConfigDir(const char* xdgConfigHome, const char* home);

}  // namespace krepogor
