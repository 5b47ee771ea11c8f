#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "desktop/MenuBar.h"
#include "desktop/WindowLooks.h"
#include "desktop/WindowPlacement.h"
#include "desktop/sdl/SdlFonts.h"
#include "state/Picture.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Cursor;

namespace krepogor {

class Canvas;
class Game;

// A picture of the program's own that it could not load.
struct ResourceError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The one desktop window, which shows whichever of the game's windows is
// visible: its size, caption and picture follow the game, and it draws the
// battle canvas, the screens' backgrounds, the labels and the menu bar.
class SdlScreen {
public:
    // Opens the window (hidden) and its renderer and loads the screens'
    // pictures, the icon and the pointer; throws ResourceError naming a
    // picture that is missing.
    // `menuBackground`, when it has pixels, is the main menu's background
    // already decoded (and checked); the screen copies it into its texture.
    // Every font of the game is opened (from `fontFiles` where they were
    // already looked up): one that will not load throws ResourceError.
    explicit SdlScreen(const std::string& resourcesDir, const Picture& menuBackground = {},
                       const FontFiles& fontFiles = {});
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

    // Takes a finished battle frame.
    void TakeFrame(const Canvas& frame);
    // Draws the shown window without presenting it.
    void Draw(const Game& g);

    // The pointer: the upgrade pointer over a label that can buy, else the arrow.
    void UpgradePointer(bool on);

    // The font of the menu bar and the boxes.
    static FontSpec UiFont(bool bold = false);

private:
    void DrawMenuBar(const Game& g);
    void DrawLabels(const Game& g);
    SDL_Texture* LoadTexture(const std::string& file, const Picture& decoded = {});
    // The screen's background picture, decoded on its first use.
    SDL_Texture* Background(const WindowLook& look);

    std::string resourcesDir_;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* canvas_ = nullptr;
    bool hasFrame_ = false;
    std::map<std::string, SDL_Texture*> backgrounds_;
    SDL_Cursor* arrow_ = nullptr;
    SDL_Cursor* harrow_ = nullptr;
    bool upgradePointer_ = false;
    const WindowLook* shown_ = nullptr;
    WindowPlacement placement_;
    SdlFonts fonts_;
    std::unique_ptr<MenuBar> menu_;
};

}  // namespace krepogor
