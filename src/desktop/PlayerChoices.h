#pragma once

#include <iosfwd>
#include <string>

#include "desktop/BattleKeys.h"
#include "desktop/Settings.h"
#include "desktop/TouchOptions.h"

namespace krepogor {

// What the player set by hand in the settings file.
struct PlayerChoices {
    BattleKeys keys;
    TouchOptions touch;
};

// The choices in settings read from `path`. A part refused (the keys, or a
// touch option) keeps its defaults, with one line on `warnings` saying why.
PlayerChoices ChoicesOf(const Settings& s, const std::string& path, std::ostream& warnings);

}  // namespace krepogor
