// The name box of a won battle in the real desktop program, on SDL's dummy
// drivers: what is typed is what the book keeps, on the keyboard or with a
// pad alone on the keyboard on the screen.
#include <gtest/gtest.h>

#include "shell/NameBoxRun.h"

namespace krepogor {
namespace {

TEST(NameBox, KeepsWhatIsTypedAsTheBookHoldsIt) {
    const Outcome o = WinAndThen("typed", {}, Steps().Then([](const Game&) {
        PushText("И");
        PushText("\u0306");  // a combining breve typed on its own: Й
        PushText("中 ");     // no character of the book's page
        PushText("ван");
        PushKey(SDL_SCANCODE_RETURN);
    }));
    EXPECT_FALSE(o.run.timedOut);
    EXPECT_EQ(o.run.status, 0);
    EXPECT_TRUE(o.named);
    EXPECT_EQ(o.book, "\xC9 \xE2\xE0\xED" + std::string(15, ' '));  // "Й ван"
}

TEST(NameBox, TakesANameFromThePadAlone) {
    VirtualPad pad;
    // In the battle the pad is plugged in and fires: the pad was the last
    // input, so the name box opens with its keyboard.
    Steps battle;
    battle.Then([&](const Game&) { pad.Plug(); }).Taps(pad, {SDL_CONTROLLER_BUTTON_A});
    enum { A = SDL_CONTROLLER_BUTTON_A, B = SDL_CONTROLLER_BUTTON_B };
    enum { Up = SDL_CONTROLLER_BUTTON_DPAD_UP, Down = SDL_CONTROLLER_BUTTON_DPAD_DOWN };
    enum { Left = SDL_CONTROLLER_BUTTON_DPAD_LEFT, Right = SDL_CONTROLLER_BUTTON_DPAD_RIGHT };
    enum { L = SDL_CONTROLLER_BUTTON_LEFTSHOULDER, R = SDL_CONTROLLER_BUTTON_RIGHTSHOULDER };
    Steps box;
    box.Then(Nothing)  // drawn once
        .Then([](const Game&) { WindowShot("name-box-keyboard"); })
        .Taps(pad, {Down, Down, A})  // Я
        .Taps(pad, {R, R})           // the Latin capitals, the light in its place (Z)
        .Then([](const Game&) { WindowShot("name-box-keyboard-latin"); })
        .Taps(pad, {L})                                                // the Cyrillic small letters
        .Taps(pad, {Up, Up, Right, Right, Right, Right, Right, A})     // н
        .Taps(pad, {B, A})                                             // erased and typed again
        .Taps(pad, {Up, Right, Right, Right, Right, Right, Right, A})  // "-", over "5" and on
        .Taps(pad, {Left, Left, Left, Left, Left, Left, Left, Left, Left, A})  // 2
        .Then([](const Game&) { WindowShot("name-box-typed"); })
        .Then([&](const Game&) { pad.Press(SDL_CONTROLLER_BUTTON_START, true); });  // "Готово"
    const Outcome o = WinAndThen("pad", battle, box);
    EXPECT_FALSE(o.run.timedOut);
    EXPECT_EQ(o.run.status, 0);
    EXPECT_TRUE(o.named);
    EXPECT_EQ(o.book, "\xDF\xED-2" + std::string(16, ' '));  // "Ян-2"
}

}  // namespace
}  // namespace krepogor
