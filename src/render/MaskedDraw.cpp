#include "render/MaskedDraw.h"

namespace krepogor {
namespace {

const Picture NoPicture;

const Picture& Held(const SpriteBuffer& b) {
    return b.Held() ? *b.Held() : NoPicture;
}

}  // namespace

void DrawMasked(Canvas& c, int x, int y, int maskW, int maskH, int imageW, int imageH,
                const SpriteBuffer& mask, const SpriteBuffer& image) {
    if (maskW == imageW && maskH == imageH) {
        c.AndOr(x, y, maskW, maskH, Held(mask), Held(image));
        return;
    }
    c.And(x, y, maskW, maskH, Held(mask));
    c.Or(x, y, imageW, imageH, Held(image));
}

}  // namespace krepogor
