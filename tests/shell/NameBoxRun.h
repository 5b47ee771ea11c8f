#pragma once

// A won battle in the real desktop program on SDL's dummy drivers, brought to
// its name box.
#include <SDL.h>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "desktop/sdl/SdlShell.h"
#include "state/Game.h"

namespace krepogor {

namespace fs = std::filesystem;

inline void PushText(const char* text) {
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    std::strncpy(e.text.text, text, sizeof e.text.text - 1);
    SDL_PushEvent(&e);
}

inline void PushKey(SDL_Scancode sc) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.scancode = sc;
    SDL_PushEvent(&e);
}

struct Outcome {
    int status = -1;
    bool timedOut = false;
    std::string book;  // the first row's name field, as stored
};

// Starts a battle, calls `beforeWin` on its passes until it returns true (a
// null one at once), brings it to its last kill and, once the name box is
// open, calls `inBox` on every pass until it returns true. Returns how the
// program ended and what the book holds.
inline Outcome WinAndThen(const std::string& name,
                          const std::function<bool(const Game&)>& beforeWin,
                          const std::function<bool(const Game&)>& inBox) {
    // On SDL's dummy drivers unless told otherwise: the end-to-end test runs
    // the pad's name in a window on its X server.
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 0);
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    const fs::path book = fs::temp_directory_path() / ("krepogor-name-box-" + name) / "table.dat";
    fs::remove_all(book.parent_path());

    ShellOptions options;
    options.appDir = KREPOGOR_SOURCE_DIR;
    options.resourcesDir = KREPOGOR_SOURCE_DIR "/resources";
    options.book.path = book.string();
    Outcome outcome;
    bool clicked = false, ready = !beforeWin, won = false, acted = false, ended = false;
    Uint64 start = 0;
    options.onPass = [&](const Game& seen) {
        const Uint64 now = SDL_GetTicks64();
        if (start == 0) start = now;
        if (now - start > 60000) {  // whatever happened, do not hang
            outcome.timedOut = true;
            SDL_Event quit{};
            quit.type = SDL_QUIT;
            SDL_PushEvent(&quit);
            return;
        }
        const bool battle = seen.windows.IsVisible("frm_vustrel");
        if (!clicked && seen.windows.IsVisible("frm_menu")) {
            SDL_Event e{};
            e.type = SDL_MOUSEBUTTONDOWN;
            e.button.button = SDL_BUTTON_LEFT;
            e.button.x = 300;  // "Новая Игра"
            e.button.y = 150;
            SDL_PushEvent(&e);
            clicked = true;
        } else if (!ready && battle) {
            ready = beforeWin(seen);
        } else if (!won && ready && battle && seen.frm_vustrel.Tmr_kernel.Enabled()) {
            // The battle at its last kill: the next tick is the victory.
            Game& g = const_cast<Game&>(seen);
            g.st.Level = 10;
            g.st.Kills = 1500;
            won = true;
        } else if (won && !acted && battle && !seen.frm_vustrel.Tmr_kernel.Enabled()) {
            acted = inBox(seen);  // the tick has stopped for the name box
        } else if (won && !ended && seen.windows.IsVisible("FrmWin")) {
            // The name is in the book: the game ends.
            ended = true;
            SDL_Event e{};
            e.type = SDL_QUIT;
            SDL_PushEvent(&e);
        }
    };
    outcome.status = RunDesktopGame(options);
    std::ifstream in(book, std::ios::binary);
    outcome.book = std::string(std::istreambuf_iterator<char>(in), {}).substr(0, 20);
    in.close();  // Windows removes no open file
    fs::remove_all(book.parent_path());
    return outcome;
}

// The same, doing `inBox` once in the name box.
inline Outcome WinAndThen(const std::string& name, const std::function<void()>& inBox) {
    return WinAndThen(name, nullptr, [&](const Game&) {
        inBox();
        return true;
    });
}

}  // namespace krepogor
