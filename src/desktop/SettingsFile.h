#pragma once

#include <iosfwd>
#include <string>

#include "desktop/Settings.h"
#include "platform/FileCalls.h"

namespace krepogor {

// The settings file of the player running the game:
// $XDG_CONFIG_HOME/krepogor/settings.ini, or ~/.config/krepogor/settings.ini
// when XDG_CONFIG_HOME is unset, empty or relative; empty when neither names
// a folder.
std::string SettingsPath(const char* xdgConfigHome, const char* home);

// The settings in the file. No file gives the defaults; a file that cannot
// be read or is spoilt gives the defaults too, and one line on `warnings`.
Settings LoadSettings(IFileCalls& files, const std::string& path, std::ostream& warnings);

// Writes the settings whole or not at all (the file and its folder made when
// missing); false with the reason in `error`.
bool SaveSettings(IFileCalls& files, const std::string& path, const Settings& s,
                  std::string& error);

}  // namespace krepogor
