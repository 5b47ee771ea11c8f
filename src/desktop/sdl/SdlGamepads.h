#pragma once

#include <cstdint>
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
// so a pad does exactly what those keys do.
class SdlGamepads {
public:
    SdlGamepads() = default;
    ~SdlGamepads();
    SdlGamepads(const SdlGamepads&) = delete;
    SdlGamepads& operator=(const SdlGamepads&) = delete;

    // Starts SDL's game controllers: each pad plugged in arrives as an event.
    void Start();
    // Takes a pad's event (plugged in, pulled out, a button, the stick);
    // false for any other event.
    bool Handle(const SDL_Event& e, PadPlace where);
    // Presses again the aiming key held on a pad when its repeat is due.
    void Repeat(PadPlace where);
    // When the next repeat is due (SDL's milliseconds), if a key is held.
    std::optional<int64_t> NextDue() const { return repeat_.Next(); }

    // The key the player chose in place of a battle key a button stands for.
    std::function<int(int)> battleKey;

private:
    void Button(PadButton b, bool pressed, PadPlace where);
    // The key a button presses where it is pressed.
    int KeyOf(PadButton b, PadPlace where) const;

    bool started_ = false;
    std::map<int, _SDL_GameController*> pads_;  // by joystick instance id
    StickButtons stick_;
    PadRepeat repeat_;
    std::map<PadButton, int> down_;  // the key each held button pressed
};

}  // namespace krepogor
