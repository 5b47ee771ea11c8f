#pragma once

#include <optional>

#include "desktop/LastInput.h"

union SDL_Event;

namespace krepogor {

// What gave an event, when it is the player's input: a key or typed text of
// the keyboard (not the keys a pad stands for, which carry no window), the
// mouse, a finger, a pad's button or a stick pushed past half way. The clicks
// SDL makes of a finger are none: the finger's own events tell of it.
std::optional<InputKind> InputKindOf(const SDL_Event& e);

}  // namespace krepogor
