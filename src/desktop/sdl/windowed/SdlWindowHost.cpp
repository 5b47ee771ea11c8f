// A desktop's window: as large as the shown game window at the factor, in a
// frame of the window manager's, where the player left it, or filling the
// screen.
#include "desktop/sdl/SdlWindowHost.h"

#include <SDL.h>

#include <algorithm>
#include <vector>

#include "desktop/WindowFrame.h"
#include "desktop/WindowPlacement.h"
#include "desktop/WindowScale.h"
#include "desktop/sdl/SdlFrameRequest.h"

namespace krepogor {
namespace {

class DesktopWindow : public SdlWindowHost {
public:
    DesktopWindow(SDL_Window* window, const DisplayOptions& display,
                  const std::map<std::string, DesktopPoint>& places)
        : window_(window), fullscreen_(display.fullscreen.value_or(false)) {
        for (const auto& [name, at] : places) placement_.Leave(name, {at.x, at.y, 0, 0});
        // The factor counts the frame, which a window manager tells only of a window.
        AskWindowFrame(window_);
        NoteFrame();
        const double fit = FitNow();
        scale_ = display.scale ? FittingScale(*display.scale, fit) : DefaultScale(fit);
        scaleChosen_ = display.scale && scale_ == *display.scale;
        if (display.scale && !scaleChosen_) loweredFrom_ = display.scale;
        const WindowLook& menu = *LookOf("frm_menu");
        SDL_SetWindowSize(window_, Width(menu), Height(menu));
    }

    double Scale() const override { return scale_; }
    std::optional<double> LoweredFrom() const override { return loweredFrom_; }
    bool Fullscreen() const override { return fullscreen_; }

    void ToggleFullscreen(const WindowLook* shown) override {
        fullscreen_ = !fullscreen_;
        if (!shown) return;
        Settle();
        SDL_SetWindowFullscreen(window_, fullscreen_ ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
        if (!fullscreen_) {
            // Back in a window: the size of the window shown, at the factor.
            setW_ = Width(*shown);
            setH_ = Height(*shown);
            SDL_SetWindowSize(window_, setW_, setH_);
            LimitShrinking(*shown);
        }
    }

    void Show(const WindowLook* before, const WindowLook* look) override {
        // Where the window shown so far stands, as the player may have moved it.
        Rect at{0, 0, 0, 0};
        SDL_GetWindowPosition(window_, &at.x, &at.y);
        SDL_GetWindowSize(window_, &at.w, &at.h);
        const bool filling = Filling();
        if (before && !filling) placement_.Leave(before->name, at);
        if (!look) {
            SDL_HideWindow(window_);
            return;
        }
        SDL_SetWindowTitle(window_, look->caption);
        if (!filling) {
            NoteFrame();
            // A window shown before stands where it stood, not where the screen
            // filled by the game had it.
            const Rect place =
                placement_.Place(Usable(), frame_, before, at, *look, Width(*look), Height(*look));
            setW_ = place.w;
            setH_ = place.h;
            Settle();
            LimitShrinking(*look);
            SDL_SetWindowSize(window_, place.w, place.h);
            // The client area goes there: a window not shown yet SDL moves by its
            // frame, which it knows from AskWindowFrame.
            SDL_SetWindowPosition(window_, place.x, place.y);
        }
        SDL_ShowWindow(window_);
        if (fullscreen_ && !filling)
            SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
        SDL_RaiseWindow(window_);
    }

    void Resized(const WindowLook* shown) override {
        int w = 0, h = 0;
        SDL_GetWindowSize(window_, &w, &h);
        const bool settling = SDL_GetTicks64() < settlingUntil_;
        if (shown && !Filling() && !fullscreen_ && !settling && (w != setW_ || h != setH_)) {
            NoteFrame();
            scale_ = ScaleOfResized(shown->width, OuterHeight(*shown), w, h, FitNow());
            scaleChosen_ = true;
            setW_ = w;
            setH_ = h;
        }
    }

    void Fitted(const WindowLook*, const Letterbox&) override {}

    void Present(SDL_Renderer* renderer, const std::vector<Rect>& changed) override {
        if (changed.empty()) {
            SDL_RenderPresent(renderer);
            return;
        }
        std::vector<SDL_Rect> rects;
        for (const Rect& r : changed) rects.push_back({r.x, r.y, r.w, r.h});
        SDL_RenderFlush(renderer);
        SDL_UpdateWindowSurfaceRects(window_, rects.data(), static_cast<int>(rects.size()));
    }

    Settings Remembered(const WindowLook* shown) const override {
        Settings s;
        if (scaleChosen_) s.scale = scale_;
        s.fullscreen = fullscreen_;
        // The screens shown over another window open centred on it anyway.
        for (const auto& [name, at] : placement_.Left())
            if (const WindowLook* look = LookOf(name); look && !look->overOwner)
                s.places[name] = {at.x, at.y};
        // The window shown now, where it stands.
        if (shown && !shown->overOwner && !Filling()) {
            DesktopPoint& p = s.places[shown->name];
            SDL_GetWindowPosition(window_, &p.x, &p.y);
        }
        return s;
    }

private:
    bool Filling() const { return (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) != 0; }

    // The size the window takes for `look` at the current factor.
    int Width(const WindowLook& look) const { return std::max(Scaled(look.width, scale_), 1); }
    int Height(const WindowLook& look) const {
        return std::max(Scaled(OuterHeight(look), scale_), 1);
    }

    // The desktop's usable area on the window's display.
    Rect Usable() const {
        SDL_Rect desk{0, 0, 0, 0};
        const int display = std::max(SDL_GetWindowDisplayIndex(window_), 0);
        if (SDL_GetDisplayUsableBounds(display, &desk) != 0) SDL_GetDisplayBounds(display, &desk);
        return {desk.x, desk.y, desk.w, desk.h};
    }

    // The largest factor whose battle window fits the usable area, frame included.
    double FitNow() const {
        const WindowLook& battle = *LookOf("frm_vustrel");
        return FitScale(Usable(), frame_, battle.width, OuterHeight(battle));
    }

    // Takes the frame the window manager puts around the window now.
    void NoteFrame() {
        // A window filling the screen has no frame, and one just back from it may
        // not have it again yet: the frame it had stays the one it gets.
        WindowFrame f;
        if (!Filling() &&
            SDL_GetWindowBordersSize(window_, &f.top, &f.left, &f.bottom, &f.right) == 0 &&
            f.Known())
            frame_ = f;
    }

    // The player may shrink the window `look` shows to half its size, no less.
    void LimitShrinking(const WindowLook& look) {
        // Half its size keeps every word readable; a factor the player chose
        // below that stays theirs.
        const double least = std::min(kMinResizedScale, scale_);
        SDL_SetWindowMinimumSize(window_, std::max(Scaled(look.width, least), 1),
                                 std::max(Scaled(OuterHeight(look), least), 1));
    }

    // A window manager may pass through the window's earlier sizes first:
    // until then (SDL's milliseconds) sizes reported are the window system
    // catching up with the program's own change, not the player's.
    void Settle() { settlingUntil_ = SDL_GetTicks64() + 500; }

    SDL_Window* window_;
    WindowPlacement placement_;
    double scale_ = 1;
    bool scaleChosen_ = false;
    std::optional<double> loweredFrom_;
    WindowFrame frame_;  // what the window manager draws around the window
    bool fullscreen_ = false;
    int setW_ = 0, setH_ = 0;  // the size the program last gave the window
    uint64_t settlingUntil_ = 0;
};

}  // namespace

std::unique_ptr<SdlWindowHost> HostWindow(SDL_Window* window, const DisplayOptions& display,
                                          const std::map<std::string, DesktopPoint>& places) {
    return std::make_unique<DesktopWindow>(window, display, places);
}

}  // namespace krepogor
