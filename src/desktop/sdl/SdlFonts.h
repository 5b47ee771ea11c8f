#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <tuple>

#include "desktop/sdl/SystemFonts.h"

struct _TTF_Font;
struct SDL_Renderer;
struct SDL_Texture;

namespace krepogor {

// A typeface asked of the system by family name and style, at a size in pixels.
struct FontSpec {
    std::string family;
    bool bold = false;
    bool italic = false;
    int pixels = 16;
    bool operator==(const FontSpec&) const = default;
    // Ordered member by member (for the maps below).
    friend bool operator<(const FontSpec& a, const FontSpec& b) {
        return std::tie(a.family, a.bold, a.italic, a.pixels) <
               std::tie(b.family, b.bold, b.italic, b.pixels);
    }
};

// Which file holds each font, as the system found them.
using FontFiles = std::map<FontSpec, std::string>;

// The fonts of the desktop, found as the system finds them and opened with SDL_ttf
// once each. A font that cannot be found draws nothing and measures 0. SDL_ttf
// runs while any of them lives: a box's or a test's own leaves the screen's
// fonts open.
class SdlFonts {
public:
    SdlFonts();
    ~SdlFonts();
    SdlFonts(const SdlFonts&) = delete;
    SdlFonts& operator=(const SdlFonts&) = delete;

    // Fonts whose files were already looked up (on another thread): they
    // open without asking fontconfig again.
    void Know(const FontFiles& files);
    // The font, opened; nullptr when no file of it or in its place opens.
    _TTF_Font* Get(const FontSpec& spec);
    // Width of the text in pixels.
    int Width(const FontSpec& spec, const std::string& utf8);
    int LineHeight(const FontSpec& spec);

    // Draws text with its top-left at (x, y); returns its width. Textures of
    // texts drawn before are reused.
    int Draw(SDL_Renderer* r, const FontSpec& spec, const std::string& utf8, uint32_t rgb, int x,
             int y);
    // Drops the cached textures (before the renderer goes).
    void ClearTextures();

private:
    struct Cached {
        SDL_Texture* texture;
        int w, h;
    };
    std::map<FontSpec, _TTF_Font*> fonts_;
    FontFiles known_;
    std::map<std::tuple<FontSpec, std::string, uint32_t>, Cached> texts_;
    bool ttf_ = false;
    bool looked_ = false;  // the system was asked for a font file
};

// The files of the fonts, found in one go.
FontFiles FindFontFiles(std::span<const FontSpec> specs);

}  // namespace krepogor
