// What the player gave the game their last input with: which of SDL's events
// tell it, and what the name box and the touch buttons make of it.
#include <SDL.h>
#include <gtest/gtest.h>

#include "desktop/LastInput.h"
#include "desktop/sdl/SdlInputKind.h"

namespace krepogor {
namespace {

TEST(InputKindOf, TellsThePlayersInputAndNotItsCopies) {
    using K = std::optional<InputKind>;
    auto event = [](Uint32 type, auto fill) {
        SDL_Event e{};
        e.type = type;
        fill(e);
        return e;
    };
    auto none = [](SDL_Event&) {};
    const struct {
        SDL_Event e;
        K kind;
    } cases[] = {
        {event(SDL_KEYDOWN, [](SDL_Event& e) { e.key.windowID = 1; }), InputKind::Keyboard},
        // The keys a pad presses carry no window.
        {event(SDL_KEYDOWN, none), std::nullopt},
        {event(SDL_KEYUP, [](SDL_Event& e) { e.key.windowID = 1; }), std::nullopt},
        {event(SDL_TEXTINPUT, none), InputKind::Keyboard},
        {event(SDL_MOUSEMOTION, none), InputKind::Mouse},
        {event(SDL_MOUSEBUTTONDOWN, none), InputKind::Mouse},
        {event(SDL_MOUSEWHEEL, none), InputKind::Mouse},
        // The mouse's copies of a finger: its own events tell.
        {event(SDL_MOUSEMOTION, [](SDL_Event& e) { e.motion.which = SDL_TOUCH_MOUSEID; }),
         std::nullopt},
        {event(SDL_MOUSEBUTTONDOWN, [](SDL_Event& e) { e.button.which = SDL_TOUCH_MOUSEID; }),
         std::nullopt},
        {event(SDL_FINGERDOWN, none), InputKind::Touch},
        {event(SDL_FINGERMOTION, none), InputKind::Touch},
        {event(SDL_FINGERUP, none), std::nullopt},
        {event(SDL_CONTROLLERBUTTONDOWN, none), InputKind::Pad},
        {event(SDL_CONTROLLERBUTTONUP, none), std::nullopt},
        {event(SDL_CONTROLLERAXISMOTION, [](SDL_Event& e) { e.caxis.value = -20000; }),
         InputKind::Pad},
        // A stick near the middle, as a pad at rest drifts.
        {event(SDL_CONTROLLERAXISMOTION, [](SDL_Event& e) { e.caxis.value = 3000; }), std::nullopt},
        {event(SDL_WINDOWEVENT, none), std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(&c - cases));
        EXPECT_EQ(InputKindOf(c.e), c.kind);
    }
}

TEST(LastInput, TheNameBoxAndTheTouchButtonsAnswerToIt) {
    using K = InputKind;
    struct Case {
        K noted;
        bool cameOrWent;  // the touch buttons
        bool touching;    // they show
        bool brought;     // by this touch
    };
    // The game starts as if by the mouse.
    const Case cases[] = {
        {K::Mouse, false, false, false},    // the mouse shows nothing
        {K::Touch, true, true, true},       // the first touch brings them
        {K::Touch, false, true, false},     // the next presses them
        {K::Mouse, false, true, false},     // the mouse keeps them, and may press them
        {K::Keyboard, true, false, false},  // a key hides them
        {K::Touch, true, true, true},      {K::Pad, true, false, false},  // so does a pad's button
        {K::Pad, false, false, false},     {K::Mouse, false, false, false},
    };
    LastInput input;
    EXPECT_EQ(input.Kind(), K::Mouse);
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(&c - cases));
        EXPECT_EQ(input.Note(c.noted), c.cameOrWent);
        EXPECT_EQ(input.Kind(), c.noted);
        EXPECT_EQ(input.Touching(), c.touching);
        EXPECT_EQ(input.Brought(), c.brought);
    }
}

}  // namespace
}  // namespace krepogor
