#pragma once

#include <optional>

#include "desktop/Rect.h"
#include "desktop/ScreenKeyboard.h"

namespace krepogor {

class SdlPainter;

// Draws the name box's keyboard over `area` (client pixels): raised keys,
// the tab of the page shown pressed in, the lit key in the selection's blue
// when `lit` (the pad steers it), and the key the mouse or a finger holds
// down, `pressed`, pressed in. The letters grow and shrink with the keys.
void DrawScreenKeyboard(SdlPainter& p, const ScreenKeyboard& keyboard, const Rect& area, bool lit,
                        std::optional<ScreenKeyboard::Place> pressed);

}  // namespace krepogor
