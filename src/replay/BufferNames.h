#pragma once

#include <string>
#include <utility>
#include <vector>

#include "state/SpriteBuffers.h"

namespace krepogor {

// Every sprite buffer of the battle window with its name: "PicGunPic",
// "PicMobPic(4)", "PicLife(7)", ...
std::vector<std::pair<std::string, const SpriteBuffer*>> NamedBuffers(const SpriteBuffers& b);

}  // namespace krepogor
