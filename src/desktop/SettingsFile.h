#pragma once

#include <iosfwd>
#include <string>

#include "desktop/Settings.h"
#include "platform/FileCalls.h"

namespace krepogor {

// The settings file in the player's settings folder `folder`
// (PlayerSettingsFolder: $XDG_CONFIG_HOME/krepogor or ~/.config/krepogor,
// %APPDATA%\krepogor on Windows); empty when there is no folder.
std::string SettingsPath(const std::string& folder);

// The settings in the file. No file gives the defaults; a file that cannot
// be read or is spoilt gives the defaults too, and one line on `warnings`
// (its bad line escaped and cut). A link to a file that is no settings file
// of the game (IsSettingsText) gives the defaults, and the file is not read
// further.
Settings LoadSettings(IFileCalls& files, const std::string& path, std::ostream& warnings);

// Writes the settings whole or not at all (the file and its folder made when
// missing); false with the reason, in Russian, in `error`. A settings file
// that is a link is written where the link leads when that is a settings
// file of the game or nothing yet; any other file there is left alone.
bool SaveSettings(IFileCalls& files, const std::string& path, const Settings& s,
                  std::string& error);

}  // namespace krepogor
