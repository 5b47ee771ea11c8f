#pragma once

#include "render/Canvas.h"
#include "state/SpriteBuffer.h"

namespace krepogor {

// A sprite drawn from a pair of buffers: the mask pass (AND) over a
// maskW x maskH rectangle, then the image pass (OR) over imageW x imageH, both
// from the buffers' top-left corners at (x, y). Neither pass reaches beyond
// the picture its buffer holds; an empty buffer draws nothing.
void DrawMasked(Canvas& c, int x, int y, int maskW, int maskH, int imageW, int imageH,
                const SpriteBuffer& mask, const SpriteBuffer& image);

// Both passes over the same w x h rectangle.
inline void DrawMasked(Canvas& c, int x, int y, int w, int h, const SpriteBuffer& mask,
                       const SpriteBuffer& image) {
    DrawMasked(c, x, y, w, h, w, h, mask, image);
}

}  // namespace krepogor
