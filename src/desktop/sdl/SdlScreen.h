#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "desktop/DisplayOptions.h"
#include "desktop/FrameDamage.h"
#include "desktop/Letterbox.h"
#include "desktop/MenuBar.h"
#include "desktop/ScreenDensity.h"
#include "desktop/Settings.h"
#include "desktop/TouchLayout.h"
#include "desktop/WindowLooks.h"
#include "desktop/sdl/SdlFonts.h"
#include "desktop/sdl/SdlWindowHost.h"
#include "state/Picture.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Cursor;

namespace krepogor {

class Canvas;
class Game;
class SdlPainter;
class TouchControls;

// A picture of the program's own that it could not load.
struct ResourceError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The one desktop window, which shows whichever of the game's windows is
// visible: its size, caption and picture follow the game, and it draws the
// battle canvas, the screens' backgrounds, the labels and the menu bar.
// Every game window keeps its own client coordinates; the desktop window
// shows it scaled to fit (see Letterbox). Its size and place are its host's
// (SdlWindowHost): at the factor the player chose, in a window the player may
// resize, or filling the screen, on a desktop; the page's size in a browser.
class SdlScreen {
public:
    // Opens the window (hidden) and its renderer and loads the screens'
    // pictures, the icon and the pointer; throws ResourceError naming a
    // picture that is missing.
    // `menuBackground`, when it has pixels, is the main menu's background
    // already decoded (and checked); the screen copies it into its texture.
    // Every font of the game is opened (from `fontFiles` where they were
    // already looked up): one that will not load throws ResourceError.
    // `display` says the factor windows open at and whether the game starts
    // filling the screen; `places`, where the windows were left in an earlier run.
    explicit SdlScreen(const std::string& resourcesDir, const Picture& menuBackground = {},
                       const FontFiles& fontFiles = {}, const DisplayOptions& display = {},
                       const std::map<std::string, DesktopPoint>& places = {});
    ~SdlScreen();
    SdlScreen(const SdlScreen&) = delete;
    SdlScreen& operator=(const SdlScreen&) = delete;

    SDL_Window* Window() const { return window_; }
    SDL_Renderer* Renderer() const { return renderer_; }
    SdlFonts& Fonts() { return fonts_; }
    MenuBar& Menu();

    // Follows the game's visible window (its size, caption and place); true
    // when it changed.
    bool Follow(const std::string& visible);
    // The window shown, or nullptr when none is.
    const WindowLook* Shown() const { return shown_; }
    int OuterWidth() const { return shown_ ? shown_->width : 0; }
    int OuterHeight() const { return shown_ ? krepogor::OuterHeight(*shown_) : 0; }

    // How the shown window fits the desktop window now.
    const Letterbox& Box() const { return box_; }
    // The client point of the shown window under a point of the desktop
    // window; nothing on the black bars.
    std::optional<ClientPoint> ToClient(int x, int y) const { return box_.ToClient(x, y); }
    // The factor windows open at, and whether the game fills the screen.
    double Scale() const;
    // The factor the player chose when its battle window did not fit the
    // screen and a smaller one was taken; none when it fitted.
    std::optional<double> LoweredFrom() const;
    bool Fullscreen() const;
    void ToggleFullscreen();
    // What the next run starts with: the factor the player chose (none when
    // it came from the desktop), fullscreen, and where each window was left.
    Settings Remembered() const;
    // The desktop window changed its size (the player, the window manager or
    // fullscreen did it): the picture is fitted again, and a size the player
    // chose gives the factor the next windows open at.
    void Resized();

    // Takes a finished battle frame; what it changed waits for PresentChanges.
    void TakeFrame(const Canvas& frame);
    // Draws the shown window without presenting it.
    void Draw(const Game& g);
    // Hands the whole window to the window system.
    void Present();
    // Something drawn over the window (a box) went: the whole window is due.
    void WholeDue() { wholeDue_ = true; }
    bool IsWholeDue() const { return wholeDue_; }
    // Draws and hands over only what the battle frames taken since the last
    // present changed; false when there is nothing.
    bool PresentChanges(const Game& g);

    // A short notice over the window's picture (never in the game's frame)
    // for a few seconds from the time it first shows; it replaces one shown.
    void Notice(const std::string& text);
    // The milliseconds until the notice shown goes; nothing when none is shown.
    std::optional<int64_t> NoticeLeftMs() const;
    // True, once, when the notice's time is up: the window is due without it.
    bool NoticeGone();

    // The pointer: the upgrade pointer over a label that can buy, else the arrow.
    void UpgradePointer(bool on);
    // Lights the main menu's word `area` (its place among the hot areas) as
    // the keys and the pad choose it, or none (-1); true when that changed.
    bool LightMenuWord(int area);

    // The battle window shows the touch controls in `state`, `mm` millimetres
    // across on a screen of `density`.
    void UseTouch(const TouchControls& state, const ScreenDensity& density, int mm);
    // Where they stand now; none while the battle window is not shown.
    TouchLayout Touch() const;

    // The font of the menu bar and the boxes.
    static FontSpec UiFont(bool bold = false);

private:
    void DrawShown(const Game& g, SdlPainter& p);
    void DrawMenuBar(const Game& g, SdlPainter& p);
    void DrawLabels(const Game& g, SdlPainter& p);
    void DrawMenuLight(SdlPainter& p);
    void DrawNotice(SdlPainter& p);
    void Fit();
    SDL_Texture* LoadTexture(const std::string& file, const Picture& decoded = {});
    // The screen's background picture, decoded on its first use.
    SDL_Texture* Background(const WindowLook& look);

    std::string resourcesDir_;
    SDL_Window* window_ = nullptr;
    std::unique_ptr<SdlWindowHost> host_;  // its size, place and full screen
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* canvas_ = nullptr;
    bool hasFrame_ = false;
    FrameDamage frameDamage_;
    std::vector<Rect> mayDiffer_;  // where the canvas says a frame may differ, kept for reuse
    std::vector<Rect> changed_;    // client rectangles changed since the last present
    bool wholeDue_ = true;
    std::map<std::string, SDL_Texture*> backgrounds_;
    SDL_Cursor* arrow_ = nullptr;
    SDL_Cursor* harrow_ = nullptr;
    bool upgradePointer_ = false;
    int menuLit_ = -1;
    const WindowLook* shown_ = nullptr;
    Letterbox box_;
    SdlFonts fonts_;
    std::unique_ptr<MenuBar> menu_;
    const TouchControls* touch_ = nullptr;
    const ScreenDensity* density_ = nullptr;
    int touchMm_ = 0;
    std::string notice_;
    uint64_t noticeShown_ = 0;  // SDL's milliseconds when it first showed; 0: not yet
};

}  // namespace krepogor
