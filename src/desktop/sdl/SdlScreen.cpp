#include "desktop/sdl/SdlScreen.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <array>

#include "codec/SdlPictureDecoder.h"
#include "desktop/HotAreas.h"
#include "desktop/StartupText.h"
#include "desktop/TouchControls.h"
#include "desktop/WindowScale.h"
#include "desktop/sdl/SdlDraw.h"
#include "desktop/sdl/SdlGameFonts.h"
#include "desktop/sdl/SdlPainter.h"
#include "desktop/sdl/SdlStartup.h"
#include "desktop/sdl/SdlTouchDraw.h"
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
// The main menu's light, in the red of the game's title on its picture.
constexpr uint32_t kMenuLight = 0x782216;

// How long a notice stays, and its band: at the foot of a screen, in the
// battle window's sky below the upgrades (the readouts stay clear).
constexpr uint64_t kNoticeMs = 6000;
constexpr int kNoticeMargin = 6;
constexpr int kNoticePadding = 16;
constexpr int kNoticeHeight = 24;
constexpr int kNoticeBattleTop = 100;
constexpr int kNoticeShade = 200;

// A tick drawn in client pixels, so that it scales with them.
void CheckMark(SdlPainter& p, int x, int y, uint32_t rgb) {
    for (int t = 0; t < 3; ++t) {
        for (int i = 0; i <= 2; ++i) p.Fill({x + i, y + 2 + t + i, 1, 1}, rgb);
        for (int i = 1; i <= 4; ++i) p.Fill({x + 2 + i, y + 4 + t - i, 1, 1}, rgb);
    }
}

}  // namespace

FontSpec SdlScreen::UiFont(bool bold) {
    return bold ? kUiBoldFont : kUiFont;
}

SdlScreen::SdlScreen(const std::string& resourcesDir, const Picture& menuBackground,
                     const FontFiles& fontFiles, const DisplayOptions& display,
                     const std::map<std::string, DesktopPoint>& places)
    : resourcesDir_(resourcesDir), frameDamage_(Canvas::Width, Canvas::Height) {
    // Every pixel is drawn on the CPU: the window's own surface takes the
    // frame straight to the window system, with no OpenGL in between.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    const WindowLook& menu = *LookOf("frm_menu");
    window_ =
        SDL_CreateWindow("Крепогор", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, menu.width,
                         krepogor::OuterHeight(menu), SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
    if (!window_) throw ResourceError(kNoWindowText);
    host_ = HostWindow(window_, display, places);
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

void SdlScreen::Fit() {
    int w = 0, h = 0;
    SDL_GetWindowSize(window_, &w, &h);
    box_ = shown_ ? Letterbox(OuterWidth(), OuterHeight(), w, h) : Letterbox();
    host_->Fitted(shown_, box_);
}

double SdlScreen::Scale() const {
    return host_->Scale();
}

std::optional<double> SdlScreen::LoweredFrom() const {
    return host_->LoweredFrom();
}

bool SdlScreen::Fullscreen() const {
    return host_->Fullscreen();
}

void SdlScreen::Resized() {
    host_->Resized(shown_);
    Fit();
}

Settings SdlScreen::Remembered() const {
    return host_->Remembered(shown_);
}

void SdlScreen::ToggleFullscreen() {
    host_->ToggleFullscreen(shown_);
    Fit();
}

bool SdlScreen::Follow(const std::string& visible) {
    const WindowLook* look = LookOf(visible);
    if (look == shown_) return false;
    const WindowLook* before = shown_;
    shown_ = look;
    if (menu_) menu_->Close();
    UpgradePointer(false);
    frameDamage_.Forget();
    changed_.clear();
    host_->Show(before, look);
    Fit();
    return true;
}

void SdlScreen::TakeFrame(const Canvas& frame) {
    // Made with the first battle frame: the main menu, the first window,
    // shows none.
    if (!canvas_)
        canvas_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                    Canvas::Width, Canvas::Height);
    if (!canvas_) return;
    // Only the tiles the frame changed go on: to the texture, and later to
    // the window system.
    const int top = shown_ ? ClientTop(*shown_) : 0;
    mayDiffer_.clear();
    for (const Canvas::Area& a : frame.Changes()) mayDiffer_.push_back({a.x, a.y, a.w, a.h});
    for (const Rect& rc : frameDamage_.Take(frame.Pixels(), Canvas::Width, mayDiffer_)) {
        const SDL_Rect part{rc.x, rc.y, rc.w, rc.h};
        SDL_UpdateTexture(canvas_, &part, frame.Pixels() + rc.y * Canvas::Width + rc.x,
                          Canvas::Width * 4);
        changed_.push_back({rc.x, rc.y + top, rc.w, rc.h});
    }
    hasFrame_ = true;
}

void SdlScreen::UpgradePointer(bool on) {
    if (on == upgradePointer_) return;
    upgradePointer_ = on;
    SDL_Cursor* c = on && harrow_ ? harrow_ : arrow_;
    if (c) SDL_SetCursor(c);
}

bool SdlScreen::LightMenuWord(int area) {
    if (area == menuLit_) return false;
    menuLit_ = area;
    return true;
}

void SdlScreen::Draw(const Game& g) {
    // The bars around the picture, and the windows before their picture, are black.
    SetColour(renderer_, 0);
    SDL_RenderClear(renderer_);
    if (!shown_) return;
    SdlPainter p(renderer_, fonts_, box_);
    DrawShown(g, p);
    DrawNotice(p);
}

void SdlScreen::Present() {
    host_->Present(renderer_, {});
    changed_.clear();
    wholeDue_ = false;
}

bool SdlScreen::PresentChanges(const Game& g) {
    if (changed_.empty()) return false;
    std::vector<Rect> out;
    if (shown_ && shown_->menuBar) {
        SdlPainter p(renderer_, fonts_, box_);
        for (const Rect& rc : changed_) {
            const Rect o = box_.Reach(rc);
            ClipScope clip(renderer_, o);
            DrawShown(g, p);
            DrawNotice(p);
            out.push_back(o);
        }
        host_->Present(renderer_, out);
    }
    changed_.clear();
    return true;
}

void SdlScreen::DrawShown(const Game& g, SdlPainter& p) {
    if (shown_->menuBar) {
        if (hasFrame_)
            p.Picture(canvas_, {0, 0, Canvas::Width, Canvas::Height},
                      {0, MenuBarHeight, Canvas::Width, Canvas::Height});
    } else if (SDL_Texture* bg = Background(*shown_)) {
        // Pictures taller than the window (the credits) show their top rows.
        int w = 0, h = 0;
        SDL_QueryTexture(bg, nullptr, nullptr, &w, &h);
        const Rect part{0, 0, std::min(w, shown_->width), std::min(h, shown_->height)};
        p.Picture(bg, part, part);
    }
    DrawLabels(g, p);
    if (shown_->menuBar) DrawMenuBar(g, p);
    if (shown_->name == std::string("frm_menu") && menuLit_ >= 0) DrawMenuLight(p);
    if (touch_) DrawTouchControls(renderer_, Touch(), *touch_);
}

void SdlScreen::UseTouch(const TouchControls& state, const ScreenDensity& density, int mm) {
    touch_ = &state;
    density_ = &density;
    touchMm_ = mm;
}

TouchLayout SdlScreen::Touch() const {
    if (!touch_ || shown_ != LookOf("frm_vustrel")) return {};
    return LayOutTouch(box_, TouchSide(density_->PixelsPerMm(), touchMm_));
}

void SdlScreen::DrawMenuLight(SdlPainter& p) {
    // A frame round the word and a pointer before it, in client pixels, so
    // that they scale with the picture.
    const Rect word = MainMenuAreaRect(menuLit_);
    const Rect rc{word.x - 6, word.y - 1, word.w + 12, word.h + 2};
    for (int i = 0; i < 2; ++i)
        p.Bevel({rc.x + i, rc.y + i, rc.w - 2 * i, rc.h - 2 * i}, kMenuLight, kMenuLight);
    const int mid = rc.y + rc.h / 2;
    for (int i = 0; i < 8; ++i) p.Fill({rc.x - 16 + i, mid - 8 + i, 1, 2 * (8 - i)}, kMenuLight);
}

void SdlScreen::Notice(const std::string& text) {
    notice_ = text;
    noticeShown_ = 0;
    wholeDue_ = true;
}

std::optional<int64_t> SdlScreen::NoticeLeftMs() const {
    if (notice_.empty() || noticeShown_ == 0) return std::nullopt;
    const uint64_t now = SDL_GetTicks64();
    return now >= noticeShown_ + kNoticeMs ? 0
                                           : static_cast<int64_t>(noticeShown_ + kNoticeMs - now);
}

bool SdlScreen::NoticeGone() {
    if (NoticeLeftMs() != 0) return false;
    notice_.clear();
    wholeDue_ = true;
    return true;
}

void SdlScreen::DrawNotice(SdlPainter& p) {
    if (notice_.empty() || !shown_) return;
    if (noticeShown_ == 0) noticeShown_ = std::max<uint64_t>(SDL_GetTicks64(), 1);
    const FontSpec font = UiFont(true);
    const int textW = static_cast<int>(p.OutputWidth(font, notice_) / p.Box().Factor());
    const int w = std::min(textW + 2 * kNoticePadding, OuterWidth() - 2 * kNoticeMargin);
    const int y = shown_->menuBar ? MenuBarHeight + kNoticeBattleTop
                                  : OuterHeight() - kNoticeMargin - kNoticeHeight;
    const Rect band{(OuterWidth() - w) / 2, y, w, kNoticeHeight};
    p.Shade(band, kNoticeShade);
    p.TextIn(font, notice_, kBoxLight, band, Align::Centre);
}

void SdlScreen::DrawLabels(const Game& g, SdlPainter& p) {
    const std::string name = shown_->name;
    const int top = ClientTop(*shown_);
    // A label shows nothing outside its rectangle: a long name stops at the
    // score column, a long score at "Набранные очки:".
    auto text = [&](const FontSpec& font, const std::string& s, uint32_t colour, Rect rc,
                    Align align) {
        p.TextIn(font, s, colour, {rc.x, rc.y + top, rc.w, rc.h}, align);
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

void SdlScreen::DrawMenuBar(const Game& g, SdlPainter& p) {
    const MenuBar& m = Menu();
    const FontSpec font = UiFont();
    const int lineH = fonts_.LineHeight(font);
    p.Fill(m.Bar(), kBoxFace);
    p.Fill({0, m.Bar().Bottom() - 1, m.Bar().w, 1}, kBoxShadow);
    for (size_t i = 0; i < m.Menus().size(); ++i) {
        const Rect t = m.TitleRect(static_cast<int>(i));
        if (m.Open() == static_cast<int>(i)) p.Bevel(t, kBoxShadow, kBoxLight);
        const int shift = m.Open() == static_cast<int>(i) ? 1 : 0;
        p.Text(font, m.Menus()[i].title, kBoxText, t.x + 8 + shift,
               t.y + (t.h - lineH) / 2 + shift);
    }
    if (m.Open() < 0) return;

    const krepogor::Menu& menu = m.Menus()[static_cast<size_t>(m.Open())];
    const Rect d = m.DropRect(m.Open());
    p.Fill(d, kBoxFace);
    p.Bevel(d, kBoxFace, kBoxDark);
    p.Bevel({d.x + 1, d.y + 1, d.w - 2, d.h - 2}, kBoxLight, kBoxShadow);
    for (size_t i = 0; i < menu.items.size(); ++i) {
        const MenuItem& item = menu.items[i];
        const Rect rc = m.ItemRect(m.Open(), static_cast<int>(i));
        const bool hot = m.Hot() == static_cast<int>(i);
        if (hot) p.Fill(rc, kSelection);
        const uint32_t colour = hot ? kBoxLight : kBoxText;
        const bool checked = (item.name == "Music" && g.frm_vustrel.Music_Checked) ||
                             (item.name == "Sound" && g.frm_vustrel.Sound_Checked);
        if (checked) CheckMark(p, rc.x + 6, rc.y + rc.h / 2 - 4, colour);
        const int y = rc.y + (rc.h - lineH) / 2;
        p.Text(font, item.caption, colour, d.x + 22, y);
        p.Text(font, item.key, colour, d.x + m.KeyColumn(m.Open()), y);
    }
}

}  // namespace krepogor
