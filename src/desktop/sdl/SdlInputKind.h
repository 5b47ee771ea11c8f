#pragma once

#include <optional>

#include "desktop/InputKind.h"

union SDL_Event;

namespace krepogor {

// What gave an event, when it is the player's input: a key or typed text of
// the keyboard (not the keys a pad stands for, which carry no window), the
// mouse, a finger (also the clicks SDL makes of a tap), a pad's button or a
// stick pushed past half way.
std::optional<InputKind> InputKindOf(const SDL_Event& e);

}  // namespace krepogor
