#include "desktop/sdl/SdlFonts.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <cstring>

namespace krepogor {
namespace {

// Families the game names and what a Linux desktop has in their place. The
// countdown's Garamond wants lining figures, which EB Garamond lacks (its
// figures are old-style): URW's Palatino-like face has them.
const char* Substitute(const std::string& family) {
    if (family == "Garamond") return "P052";
    if (family == "Arial") return "Liberation Sans";
    return nullptr;
}

bool Fits(FcPattern* font, const std::string& family, int weight, int slant) {
    int w = 0, s = 0;
    if (FcPatternGetInteger(font, FC_WEIGHT, 0, &w) != FcResultMatch) return false;
    if (FcPatternGetInteger(font, FC_SLANT, 0, &s) != FcResultMatch) return false;
    bool named = false;
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &name) == FcResultMatch; ++i)
        if (family == reinterpret_cast<const char*>(name)) named = true;
    return named && (weight < FC_WEIGHT_BOLD || w >= FC_WEIGHT_DEMIBOLD) &&
           (weight >= FC_WEIGHT_BOLD || w < FC_WEIGHT_DEMIBOLD) &&
           ((slant != FC_SLANT_ROMAN) == (s != FC_SLANT_ROMAN));
}

std::string FileOf(FcPattern* font) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch) return "";
    return reinterpret_cast<const char*>(file);
}

std::string Lookup(const std::string& family, bool bold, bool italic) {
    if (!FcInit()) return "";
    const int weight = bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR;
    const int slant = italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, weight);
    FcPatternAddInteger(pattern, FC_SLANT, slant);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    std::string file;
    // Some families (optical sizes) make the best match a regular face even
    // when a bold one exists: take the first face of the family that has the
    // style asked for, and the best match only when there is none.
    FcResult result;
    if (FcFontSet* sorted = FcFontSort(nullptr, pattern, FcFalse, nullptr, &result)) {
        for (int i = 0; i < sorted->nfont && file.empty(); ++i)
            if (Fits(sorted->fonts[i], family, weight, slant)) file = FileOf(sorted->fonts[i]);
        FcFontSetDestroy(sorted);
    }
    if (file.empty()) {
        if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
            file = FileOf(match);
            FcPatternDestroy(match);
        }
    }
    FcPatternDestroy(pattern);
    return file;
}

}  // namespace

std::string SystemFamily(const std::string& family) {
    const char* sub = Substitute(family);
    return sub ? sub : family;
}

std::string FindFontFile(const std::string& family, bool bold, bool italic) {
    return Lookup(SystemFamily(family), bold, italic);
}

FontFiles FindFontFiles(std::span<const FontSpec> specs) {
    FontFiles files;
    for (const FontSpec& spec : specs)
        files[spec] = FindFontFile(spec.family, spec.bold, spec.italic);
    return files;
}

void EndFontLookups() {
    FcFini();
}

SdlFonts::SdlFonts() {
    ttf_ = TTF_WasInit() > 0 || TTF_Init() == 0;
}

SdlFonts::~SdlFonts() {
    ClearTextures();
    for (auto& [spec, font] : fonts_)
        if (font) TTF_CloseFont(font);
    if (ttf_) TTF_Quit();
    // Nothing else of the program uses fontconfig: give back its caches.
    if (looked_) EndFontLookups();
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
