#pragma once

// A won battle in the real desktop program, brought to its name box.
#include <SDL.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "shell/ShellSteps.h"

namespace krepogor {

struct Outcome {
    RunEnd run;
    bool named = false;  // the name is in the book and the victory's screen shows
    std::string book;    // the first row's name field, as stored
};

// Starts a battle from the main menu, takes the steps of `battle` in it,
// brings it to its last kill and, once the name box is open, takes the
// steps of `box`. Returns how the program ended and what the book holds.
inline Outcome WinAndThen(const std::string& name, const Steps& battle, const Steps& box) {
    namespace fs = std::filesystem;
    const fs::path book = fs::temp_directory_path() / ("krepogor-name-box-" + name) / "table.dat";
    fs::remove_all(book.parent_path());

    Outcome outcome;
    Steps steps;
    steps
        .Add([](const Game& g) { return g.windows.IsVisible("frm_menu"); },
             [](const Game&) { PushClick(300, 150); })  // "Новая Игра"
        .Add([](const Game& g) { return g.windows.IsVisible("frm_vustrel"); }, Nothing)
        .Then(battle)
        .Add([](const Game& g) { return g.frm_vustrel.Tmr_kernel.Enabled(); },
             [](const Game& seen) {
                 // The battle at its last kill: the next tick is the victory.
                 Game& g = const_cast<Game&>(seen);
                 g.st.Level = 10;
                 g.st.Kills = 1500;
             })
        // The tick has stopped for the name box.
        .Add(
            [](const Game& g) {
                return g.windows.IsVisible("frm_vustrel") && !g.frm_vustrel.Tmr_kernel.Enabled();
            },
            Nothing)
        .Then(box)
        .Add([](const Game& g) { return g.windows.IsVisible("FrmWin"); },
             [&](const Game&) {
                 outcome.named = true;
                 SDL_Event quit{};
                 quit.type = SDL_QUIT;
                 SDL_PushEvent(&quit);
             });

    ShellOptions options;
    options.appDir = KREPOGOR_SOURCE_DIR;
    options.resourcesDir = KREPOGOR_SOURCE_DIR "/resources";
    options.book.path = book.string();
    outcome.run = RunSteps(options, steps, 60000);
    std::ifstream in(book, std::ios::binary);
    outcome.book = std::string(std::istreambuf_iterator<char>(in), {}).substr(0, 20);
    in.close();  // Windows removes no open file
    fs::remove_all(book.parent_path());
    return outcome;
}

}  // namespace krepogor
