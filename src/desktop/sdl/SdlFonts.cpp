#include "desktop/sdl/SdlFonts.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <cstring>

#include "desktop/sdl/SystemFonts.h"

namespace krepogor {
namespace {

// The SdlFonts alive: the first starts SDL_ttf and the last stops it, so that
// one ending (a failure box's, a test's) leaves the others' fonts open.
int ttfUsers = 0;

}  // namespace

FontFiles FindFontFiles(std::span<const FontSpec> specs) {
    FontFiles files;
    for (const FontSpec& spec : specs)
        files[spec] = FindFontFile(spec.family, spec.bold, spec.italic);
    return files;
}

SdlFonts::SdlFonts() {
    ttf_ = ttfUsers > 0 || TTF_Init() == 0;
    if (ttf_) ++ttfUsers;
}

SdlFonts::~SdlFonts() {
    ClearTextures();
    for (auto& [spec, font] : fonts_)
        if (font) TTF_CloseFont(font);
    if (ttf_ && --ttfUsers == 0) TTF_Quit();
    if (looked_) ReleaseFontLookup();
}

void SdlFonts::Know(const FontFiles& files) {
    known_.insert(files.begin(), files.end());
    // They were looked up in this process: its caches are given back here.
    looked_ = looked_ || !files.empty();
}

TTF_Font* SdlFonts::Get(const FontSpec& spec) {
    auto it = fonts_.find(spec);
    if (it != fonts_.end()) return it->second;
    TTF_Font* font = nullptr;
    if (ttf_) {
        const auto known = known_.find(spec);
        const std::string file = known != known_.end()
                                     ? known->second
                                     : FindFontFile(spec.family, spec.bold, spec.italic);
        looked_ = true;
        if (!file.empty()) font = TTF_OpenFont(file.c_str(), spec.pixels);
    }
    fonts_[spec] = font;
    return font;
}

int SdlFonts::Width(const FontSpec& spec, const std::string& utf8) {
    TTF_Font* font = Get(spec);
    int w = 0, h = 0;
    if (!font || utf8.empty() || TTF_SizeUTF8(font, utf8.c_str(), &w, &h) != 0) return 0;
    return w;
}

int SdlFonts::LineHeight(const FontSpec& spec) {
    TTF_Font* font = Get(spec);
    return font ? TTF_FontLineSkip(font) : spec.pixels;
}

int SdlFonts::Draw(SDL_Renderer* r, const FontSpec& spec, const std::string& utf8, uint32_t rgb,
                   int x, int y) {
    if (utf8.empty()) return 0;
    auto key = std::make_tuple(spec, utf8, rgb);
    auto it = texts_.find(key);
    if (it == texts_.end()) {
        TTF_Font* font = Get(spec);
        if (!font) return 0;
        if (texts_.size() > 256) ClearTextures();
        const SDL_Color color{static_cast<Uint8>(rgb >> 16), static_cast<Uint8>(rgb >> 8),
                              static_cast<Uint8>(rgb), 255};
        SDL_Surface* s = TTF_RenderUTF8_Blended(font, utf8.c_str(), color);
        if (!s) return 0;
        SDL_Texture* t = SDL_CreateTextureFromSurface(r, s);
        const Cached c{t, s->w, s->h};
        SDL_FreeSurface(s);
        if (!t) return 0;
        it = texts_.emplace(key, c).first;
    }
    const SDL_Rect dst{x, y, it->second.w, it->second.h};
    SDL_RenderCopy(r, it->second.texture, nullptr, &dst);
    return it->second.w;
}

void SdlFonts::ClearTextures() {
    for (auto& [key, c] : texts_) SDL_DestroyTexture(c.texture);
    texts_.clear();
}

}  // namespace krepogor
