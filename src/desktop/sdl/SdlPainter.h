#pragma once

#include <cstdint>
#include <string>

#include "desktop/Letterbox.h"
#include "desktop/Rect.h"
#include "desktop/sdl/SdlFonts.h"

struct SDL_Renderer;
struct SDL_Texture;

namespace krepogor {

enum class Align { Left, Right, Centre };

// Draws in a game window's client coordinates on the desktop window's
// output, through the window's letterbox: rectangles and one-pixel lines cover
// exactly the output pixels of their client pixels, pictures are scaled
// (pixel-sharp at whole factors, smooth between them), and text is set at the
// output's own resolution, so it stays crisp at any size.
class SdlPainter {
public:
    SdlPainter(SDL_Renderer* r, SdlFonts& fonts, const Letterbox& box)
        : r_(r), fonts_(fonts), box_(box) {}

    const Letterbox& Box() const { return box_; }
    void Fill(const Rect& rc, uint32_t rgb);
    // Black at `alpha` (0 to 255) over what is there.
    void Shade(const Rect& rc, int alpha);
    // A one-pixel frame lit from the top left: `topLeft` on the top and left
    // edges, `bottomRight` on the others.
    void Bevel(const Rect& rc, uint32_t topLeft, uint32_t bottomRight);
    // The part `from` of a picture over the client rectangle `to`.
    void Picture(SDL_Texture* t, const Rect& from, const Rect& to);

    // The font at the output's size.
    FontSpec Output(const FontSpec& font) const;
    // Text with its top-left at the client point (x, y).
    void Text(const FontSpec& font, const std::string& s, uint32_t rgb, int x, int y);
    // Text placed in a client rectangle (aligned across it, at its top or,
    // centred, in its middle), showing nothing outside it.
    void TextIn(const FontSpec& font, const std::string& s, uint32_t rgb, const Rect& rc,
                Align align);
    // The output width of text in the font.
    int OutputWidth(const FontSpec& font, const std::string& s);

private:
    SDL_Renderer* r_;
    SdlFonts& fonts_;
    Letterbox box_;
};

// Draws only inside a client rectangle, and inside what was allowed before,
// until it goes.
class ClipScope {
public:
    ClipScope(SDL_Renderer* r, const Rect& output);
    ~ClipScope();
    ClipScope(const ClipScope&) = delete;
    ClipScope& operator=(const ClipScope&) = delete;

private:
    SDL_Renderer* r_;
    bool had_;
    Rect before_;
};

}  // namespace krepogor
