#include "desktop/sdl/SdlScreenKeyboard.h"

#include <algorithm>

#include "desktop/sdl/SdlDraw.h"
#include "desktop/sdl/SdlGameFonts.h"
#include "desktop/sdl/SdlPainter.h"

namespace krepogor {
namespace {

// The letters on the keys at the keyboard's full size: a character large,
// the words (tabs, space, erase, done, cancel) as large as the boxes' text.
constexpr int kCharPixels = 22;
constexpr int kWordPixels = 17;

Rect Inset(const Rect& rc, int d) {
    return {rc.x + d, rc.y + d, rc.w - 2 * d, rc.h - 2 * d};
}

}  // namespace

void DrawScreenKeyboard(SdlPainter& p, const ScreenKeyboard& keyboard, const Rect& area, bool lit,
                        std::optional<ScreenKeyboard::Place> pressed) {
    FontSpec chars = kUiFont, words = kUiFont;
    chars.pixels = std::max(1, kCharPixels * area.w / ScreenKeyboard::kWidth);
    words.pixels = std::max(1, kWordPixels * area.w / ScreenKeyboard::kWidth);
    const auto& rows = keyboard.Rows();
    for (int r = 0; r < ScreenKeyboard::kRows; ++r) {
        for (int c = 0; c < static_cast<int>(rows[static_cast<size_t>(r)].size()); ++c) {
            const ScreenKeyboard::Place at{r, c};
            const ScreenKeyboard::Key& key = keyboard.KeyAt(at);
            const Rect rc = keyboard.KeyRect(area, at);
            const bool isLit = lit && keyboard.Lit() == at;
            const bool down = pressed == at || (key.kind == ScreenKeyboard::Kind::Page &&
                                                key.page == keyboard.Page());
            p.Fill(rc, isLit ? kBoxTitle : kBoxFace);
            if (down) {
                p.Bevel(rc, kBoxDark, kBoxLight);
                p.Bevel(Inset(rc, 1), kBoxShadow, kBoxFace);
            } else {
                p.Bevel(rc, kBoxLight, kBoxDark);
                p.Bevel(Inset(rc, 1), kBoxFace, kBoxShadow);
            }
            if (isLit) p.Bevel(Inset(rc, 2), kBoxLight, kBoxLight);
            const int shift = down ? 1 : 0;
            p.TextIn(key.kind == ScreenKeyboard::Kind::Char ? chars : words, key.label,
                     isLit ? kBoxLight : kBoxText, {rc.x + shift, rc.y + shift, rc.w, rc.h},
                     Align::Centre);
        }
    }
}

}  // namespace krepogor
