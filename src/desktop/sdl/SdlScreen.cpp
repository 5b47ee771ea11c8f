#include "desktop/sdl/SdlScreen.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <array>

#include "desktop/HotAreas.h"
#include "desktop/StartupText.h"
#include "desktop/sdl/SdlDraw.h"
#include "desktop/sdl/SdlGameFonts.h"
#include "desktop/sdl/SdlPictureDecoder.h"
#include "desktop/sdl/SdlStartup.h"
#include "platform/Utf8Path.h"
#include "render/Canvas.h"
#include "state/Game.h"

namespace krepogor {
namespace {

// The menu bar is drawn in the boxes' grey; its selection in their title blue.
constexpr uint32_t kSelection = 0x0A246A;

constexpr uint32_t kCountColour = 0x004040;
constexpr uint32_t kNameColour = 0x004000;
constexpr uint32_t kBookScoreColour = 0xFFFF80;
constexpr uint32_t kScoreColour = 0xFFFF00;

void HLine(SDL_Renderer* r, int x0, int x1, int y, uint32_t rgb) {
    SetColour(r, rgb);
    SDL_RenderDrawLine(r, x0, y, x1, y);
}

void CheckMark(SDL_Renderer* r, int x, int y, uint32_t rgb) {
    SetColour(r, rgb);
    for (int t = 0; t < 3; ++t) {
        SDL_RenderDrawLine(r, x, y + 2 + t, x + 2, y + 4 + t);
        SDL_RenderDrawLine(r, x + 2, y + 4 + t, x + 6, y + t);
    }
}

enum class Align { Left, Right, Centre };

}  // namespace

FontSpec SdlScreen::UiFont(bool bold) {
    return bold ? kUiBoldFont : kUiFont;
}

SdlScreen::SdlScreen(const std::string& resourcesDir, const Picture& menuBackground,
                     const FontFiles& fontFiles)
    : resourcesDir_(resourcesDir) {
    // Every pixel is drawn on the CPU: the window's own surface takes the
    // frame straight to the window system, with no OpenGL in between.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    window_ = SDL_CreateWindow("Крепогор", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 659, 398,
                               SDL_WINDOW_HIDDEN);
    if (!window_) throw ResourceError(kNoWindowText);
    // A display of 256 colours or fewer (its format unknown to SDL when it
    // has a palette) has no renderer: say so rather than what the renderer says.
    if (SDL_BITSPERPIXEL(SDL_GetWindowPixelFormat(window_)) < 15)
        throw ResourceError(kFewColoursText);
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer_) throw ResourceError(kNoWindowText);
    // No label or box is ever drawn blank: a font that will not load stops
    // the start here.
    fonts_.Know(fontFiles);
    for (const FontSpec& spec : kGameFonts)
        if (!fonts_.Get(spec)) throw ResourceError(NoFontReason(SystemFamily(spec.family)));

    // The main menu's picture is needed at once; the other screens' are
    // checked whole from their headers now and decoded when their screen
    // first shows, so a spoilt one still stops the start.
    backgrounds_["frm_menu"] = LoadTexture(LookOf("frm_menu")->background, menuBackground);
    for (const char* name : {"FrmRecords", "FrmRules", "frm_credits", "FrmLost", "FrmWin"})
        RequireFitPicture(Utf8Of(PathOf(resourcesDir_) / LookOf(name)->background));

    const std::string iconPath = resourcesDir_ + "/icon.png";
    RequireFitPicture(iconPath);
    if (SDL_Surface* icon = IMG_Load(iconPath.c_str())) {
        SDL_SetWindowIcon(window_, icon);
        SDL_FreeSurface(icon);
    }
    const std::string pointerPath = resourcesDir_ + "/ImgHarrow.png";
    RequireFitPicture(pointerPath);
    SDL_Surface* pointer = IMG_Load(pointerPath.c_str());
    if (!pointer) throw ResourceError(PictureRefusal(pointerPath, kUndecodablePicture));
    harrow_ = SDL_CreateColorCursor(pointer, 0, 0);
    SDL_FreeSurface(pointer);
    arrow_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
}

MenuBar& SdlScreen::Menu() {
    // Laid out when first needed: measuring its captions loads the fonts,
    // which the main menu, the first window, does not show.
    if (!menu_)
        menu_ = std::make_unique<MenuBar>(
            Canvas::Width, MenuBarHeight,
            [this](const std::string& s) { return fonts_.Width(UiFont(), s); });
    return *menu_;
}

SdlScreen::~SdlScreen() {
    fonts_.ClearTextures();
    for (auto& [name, t] : backgrounds_)
        if (t) SDL_DestroyTexture(t);
    if (canvas_) SDL_DestroyTexture(canvas_);
    if (harrow_) SDL_FreeCursor(harrow_);
    if (arrow_) SDL_FreeCursor(arrow_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
}

SDL_Texture* SdlScreen::LoadTexture(const std::string& file, const Picture& decoded) {
    const std::string path = Utf8Of(PathOf(resourcesDir_) / file);
    SDL_Texture* t = nullptr;
    if (decoded.HasPixels()) {
        // Decoded only after its header was found whole and of a size to show;
        // the texture takes a copy of the pixels.
        SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(
            const_cast<uint32_t*>(decoded.Pixels.data()), decoded.Width, decoded.Height, 32,
            decoded.Width * 4, SDL_PIXELFORMAT_RGB888);
        if (s) t = SDL_CreateTextureFromSurface(renderer_, s);
        SDL_FreeSurface(s);
    }
    if (!t) {
        RequireFitPicture(path);
        t = IMG_LoadTexture(renderer_, path.c_str());
    }
    if (!t) throw ResourceError(PictureRefusal(path, kUndecodablePicture));
    return t;
}

SDL_Texture* SdlScreen::Background(const WindowLook& look) {
    SDL_Texture*& t = backgrounds_[look.name];
    if (!t && look.background) t = LoadTexture(look.background);
    return t;
}

bool SdlScreen::Follow(const std::string& visible) {
    const WindowLook* look = LookOf(visible);
    if (look == shown_) return false;
    // Where the window shown now stands, as the player may have moved it.
    Rect at{0, 0, OuterWidth(), OuterHeight()};
    SDL_GetWindowPosition(window_, &at.x, &at.y);
    const WindowLook* before = shown_;
    shown_ = look;
    if (menu_) menu_->Close();
    UpgradePointer(false);
    if (!look) {
        SDL_HideWindow(window_);
        return true;
    }
    SDL_Rect desk{0, 0, 0, 0};
    const int display = std::max(SDL_GetWindowDisplayIndex(window_), 0);
    if (SDL_GetDisplayUsableBounds(display, &desk) != 0) SDL_GetDisplayBounds(display, &desk);
    const Rect place = placement_.Place({desk.x, desk.y, desk.w, desk.h}, before, at, *look,
                                        OuterWidth(), OuterHeight());
    SDL_SetWindowTitle(window_, look->caption);
    SDL_SetWindowSize(window_, place.w, place.h);
    SDL_SetWindowPosition(window_, place.x, place.y);
    SDL_ShowWindow(window_);
    SDL_RaiseWindow(window_);
    return true;
}

void SdlScreen::TakeFrame(const Canvas& frame) {
    // Made with the first battle frame: the main menu, the first window,
    // shows none.
    if (!canvas_)
        canvas_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                    Canvas::Width, Canvas::Height);
    if (!canvas_) return;
    SDL_UpdateTexture(canvas_, nullptr, frame.Pixels(), Canvas::Width * 4);
    hasFrame_ = true;
}

void SdlScreen::UpgradePointer(bool on) {
    if (on == upgradePointer_) return;
    upgradePointer_ = on;
    SDL_Cursor* c = on && harrow_ ? harrow_ : arrow_;
    if (c) SDL_SetCursor(c);
}

void SdlScreen::Draw(const Game& g) {
    // The battle frame and the menu bar cover the battle window: only the
    // other windows, or a battle window before its first frame, are cleared.
    if (!shown_ || !shown_->menuBar || !hasFrame_) {
        SetColour(renderer_, 0);
        SDL_RenderClear(renderer_);
    }
    if (!shown_) return;
    if (shown_->menuBar) {
        if (hasFrame_) {
            const SDL_Rect dst{0, MenuBarHeight, Canvas::Width, Canvas::Height};
            SDL_RenderCopy(renderer_, canvas_, nullptr, &dst);
        }
    } else if (SDL_Texture* bg = Background(*shown_)) {
        // Pictures taller than the window (the credits) show their top rows.
        int w = 0, h = 0;
        SDL_QueryTexture(bg, nullptr, nullptr, &w, &h);
        const SDL_Rect part{0, 0, std::min(w, shown_->width), std::min(h, shown_->height)};
        SDL_RenderCopy(renderer_, bg, &part, &part);
    }
    DrawLabels(g);
    if (shown_->menuBar) DrawMenuBar(g);
}

void SdlScreen::DrawLabels(const Game& g) {
    const std::string name = shown_->name;
    const int top = ClientTop(*shown_);
    auto text = [&](const FontSpec& font, const std::string& s, uint32_t colour, Rect rc,
                    Align align) {
        const int w = fonts_.Width(font, s);
        int x = rc.x;
        if (align == Align::Right) x = rc.Right() - w;
        if (align == Align::Centre) x = rc.x + (rc.w - w) / 2;
        int y = rc.y + top;
        // A centred caption taller than its box stays centred on it.
        if (align == Align::Centre) y = rc.y + top + (rc.h - fonts_.LineHeight(font)) / 2;
        // A label shows nothing outside its rectangle: a long name stops at
        // the score column, a long score at "Набранные очки:".
        const SDL_Rect clip{rc.x, rc.y + top, rc.w, rc.h};
        SDL_RenderSetClipRect(renderer_, &clip);
        fonts_.Draw(renderer_, font, s, colour, x, y);
        SDL_RenderSetClipRect(renderer_, nullptr);
    };
    if (name == "frm_vustrel" && g.frm_vustrel.Lbl_Count.Visible) {
        text(kCountFont, g.frm_vustrel.Lbl_Count.Caption, kCountColour, LblCountRect,
             Align::Centre);
    } else if (name == "FrmRecords") {
        for (int i = 0; i < 5; ++i) {
            text(kBookFont, g.FrmRecords.LabelName(i), kNameColour, LabelNameRect(i), Align::Left);
            text(kBookFont, g.FrmRecords.LabelScore(i), kBookScoreColour, LabelScoreRect(i),
                 Align::Right);
        }
    } else if (name == "FrmWin" && g.LblScore.Visible) {
        text(kScoreFont, g.LblScore.Caption, kScoreColour, LblScoreRect, Align::Right);
    }
}

void SdlScreen::DrawMenuBar(const Game& g) {
    const MenuBar& m = Menu();
    const FontSpec font = UiFont();
    const int lineH = fonts_.LineHeight(font);
    Fill(renderer_, m.Bar(), kBoxFace);
    HLine(renderer_, 0, m.Bar().w - 1, m.Bar().Bottom() - 1, kBoxShadow);
    for (size_t i = 0; i < m.Menus().size(); ++i) {
        const Rect t = m.TitleRect(static_cast<int>(i));
        if (m.Open() == static_cast<int>(i)) Bevel(renderer_, t, kBoxShadow, kBoxLight);
        const int shift = m.Open() == static_cast<int>(i) ? 1 : 0;
        fonts_.Draw(renderer_, font, m.Menus()[i].title, kBoxText, t.x + 8 + shift,
                    t.y + (t.h - lineH) / 2 + shift);
    }
    if (m.Open() < 0) return;

    const krepogor::Menu& menu = m.Menus()[static_cast<size_t>(m.Open())];
    const Rect d = m.DropRect(m.Open());
    Fill(renderer_, d, kBoxFace);
    Bevel(renderer_, d, kBoxFace, kBoxDark);
    Bevel(renderer_, {d.x + 1, d.y + 1, d.w - 2, d.h - 2}, kBoxLight, kBoxShadow);
    for (size_t i = 0; i < menu.items.size(); ++i) {
        const MenuItem& item = menu.items[i];
        const Rect rc = m.ItemRect(m.Open(), static_cast<int>(i));
        const bool hot = m.Hot() == static_cast<int>(i);
        if (hot) Fill(renderer_, rc, kSelection);
        const uint32_t colour = hot ? kBoxLight : kBoxText;
        const bool checked = (item.name == "Music" && g.frm_vustrel.Music_Checked) ||
                             (item.name == "Sound" && g.frm_vustrel.Sound_Checked);
        if (checked) CheckMark(renderer_, rc.x + 6, rc.y + rc.h / 2 - 4, colour);
        const int y = rc.y + (rc.h - lineH) / 2;
        fonts_.Draw(renderer_, font, item.caption, colour, d.x + 22, y);
        fonts_.Draw(renderer_, font, item.key, colour, d.x + m.KeyColumn(m.Open()), y);
    }
}

}  // namespace krepogor
