#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>

#include "desktop/PadInput.h"

union SDL_Event;
struct _SDL_GameController;

namespace krepogor {

// The gamepads (SDL's game controllers), plugged in before or during the
// game. Their buttons become the keys they stand for where they are pressed
// (see PadKey): key events in SDL's queue, read by whichever event loop runs,
// so a pad does exactly what those keys do. In the name box they are no keys:
// the box takes them as they are (TakePress) for its keyboard on the screen.
class SdlGamepads {
public:
    SdlGamepads() = default;
    ~SdlGamepads();
    SdlGamepads(const SdlGamepads&) = delete;
    SdlGamepads& operator=(const SdlGamepads&) = delete;

    // Starts SDL's game controllers: each pad plugged in arrives as an event.
    void Start();
    // Takes a pad's event (plugged in, pulled out, a button, a stick);
    // false for any other event.
    bool Handle(const SDL_Event& e, PadPlace where);
    // Presses again the D-pad's key held on a pad when its repeat is due, and
    // a held button's key when it has been held long enough.
    void Repeat(PadPlace where);
    // When the next repeat or hold is due (SDL's milliseconds), if a button is held.
    std::optional<int64_t> NextDue() const;
    // The oldest press (or repeat) of a button in the name box not taken yet.
    std::optional<PadButton> TakePress();
    // Forgets the presses not taken (a new name box starts afresh).
    void ForgetPresses() { presses_.clear(); }

    // The key the player chose in place of a battle key a button stands for.
    std::function<int(int)> battleKey;

private:
    // What a held button did when it went down, besides a key.
    static constexpr int kTaken = -1;  // a press the name box takes
    static constexpr int kHeld = -2;   // a press or a hold, as long as it is held tells
    void Button(PadButton b, bool pressed, PadPlace where);
    // The key a button presses where it is pressed.
    int KeyOf(PadButton b, PadPlace where) const;

    bool started_ = false;
    std::map<int, _SDL_GameController*> pads_;  // by joystick instance id
    StickButtons stickY_{PadButton::Up, PadButton::Down};
    StickButtons stickX_{PadButton::Left, PadButton::Right};
    PadRepeat repeat_;
    PadHold hold_;
    std::map<PadButton, int> down_;        // the key each held button pressed, or kTaken, kHeld
    PadButton holding_ = PadButton::Back;  // the kHeld button, and where it went down
    PadPlace holdingIn_ = PadPlace::Battle;
    std::deque<PadButton> presses_;
};

}  // namespace krepogor
