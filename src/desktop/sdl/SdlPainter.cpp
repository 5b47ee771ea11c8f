#include "desktop/sdl/SdlPainter.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>

#include "desktop/sdl/SdlDraw.h"

namespace krepogor {

void SdlPainter::Fill(const Rect& rc, uint32_t rgb) {
    krepogor::Fill(r_, box_.ToOutput(rc), rgb);
}

void SdlPainter::Shade(const Rect& rc, int alpha) {
    const Rect o = box_.ToOutput(rc);
    const SDL_Rect s{o.x, o.y, o.w, o.h};
    SDL_SetRenderDrawBlendMode(r_, SDL_BLENDMODE_BLEND);
    SDL_SetRenderDrawColor(r_, 0, 0, 0, static_cast<Uint8>(alpha));
    SDL_RenderFillRect(r_, &s);
    SDL_SetRenderDrawBlendMode(r_, SDL_BLENDMODE_NONE);
}

void SdlPainter::Bevel(const Rect& rc, uint32_t topLeft, uint32_t bottomRight) {
    Fill({rc.x, rc.y, rc.w, 1}, topLeft);
    Fill({rc.x, rc.y, 1, rc.h}, topLeft);
    Fill({rc.x, rc.Bottom() - 1, rc.w, 1}, bottomRight);
    Fill({rc.Right() - 1, rc.y, 1, rc.h}, bottomRight);
}

void SdlPainter::Picture(SDL_Texture* t, const Rect& from, const Rect& to) {
    SDL_SetTextureScaleMode(t, box_.WholeFactor() ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
    const Rect o = box_.ToOutput(to);
    const SDL_Rect src{from.x, from.y, from.w, from.h}, dst{o.x, o.y, o.w, o.h};
    SDL_RenderCopy(r_, t, &src, &dst);
}

FontSpec SdlPainter::Output(const FontSpec& font) const {
    FontSpec out = font;
    out.pixels = std::max(1, static_cast<int>(std::lround(font.pixels * box_.Factor())));
    return out;
}

void SdlPainter::Text(const FontSpec& font, const std::string& s, uint32_t rgb, int x, int y) {
    fonts_.Draw(r_, Output(font), s, rgb, box_.OutX(x), box_.OutY(y));
}

void SdlPainter::TextIn(const FontSpec& font, const std::string& s, uint32_t rgb, const Rect& rc,
                        Align align) {
    const FontSpec f = Output(font);
    const Rect o = box_.ToOutput(rc);
    const int w = fonts_.Width(f, s);
    int x = o.x, y = o.y;
    if (align == Align::Right) x = o.Right() - w;
    // A centred caption taller than its box stays centred on it.
    if (align == Align::Centre) {
        x = o.x + (o.w - w) / 2;
        y = o.y + (o.h - fonts_.LineHeight(f)) / 2;
    }
    ClipScope clip(r_, o);
    fonts_.Draw(r_, f, s, rgb, x, y);
}

int SdlPainter::OutputWidth(const FontSpec& font, const std::string& s) {
    return fonts_.Width(Output(font), s);
}

ClipScope::ClipScope(SDL_Renderer* r, const Rect& output)
    : r_(r), had_(SDL_RenderIsClipEnabled(r)) {
    SDL_Rect now{output.x, output.y, output.w, output.h};
    if (had_) {
        SDL_Rect before{};
        SDL_RenderGetClipRect(r, &before);
        before_ = {before.x, before.y, before.w, before.h};
        SDL_Rect both{};
        if (!SDL_IntersectRect(&before, &now, &both)) both = {before.x, before.y, 0, 0};
        now = both;
    }
    // An empty clip rectangle would switch clipping off: one pixel outside
    // the window draws nothing just as well.
    if (now.w <= 0 || now.h <= 0) now = {-1, -1, 1, 1};
    SDL_RenderSetClipRect(r, &now);
}

ClipScope::~ClipScope() {
    if (!had_) {
        SDL_RenderSetClipRect(r_, nullptr);
        return;
    }
    const SDL_Rect before{before_.x, before_.y, before_.w, before_.h};
    SDL_RenderSetClipRect(r_, &before);
}

}  // namespace krepogor
