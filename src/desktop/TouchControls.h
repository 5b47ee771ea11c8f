#pragma once

#include <cstdint>
#include <map>
#include <optional>

#include "desktop/LastInput.h"
#include "desktop/TouchLayout.h"

namespace krepogor {

// Whether the battle's touch controls show, and which of them are held down.
// They show while the player's last input, the mouse aside, was a touch (see
// LastInput): they appear at the first touch, which presses nothing (it is a
// click where it lands), and hide at the first key or pad button. The player
// may turn them off. A held barrel button repeats as a held key does.
class TouchControls {
public:
    explicit TouchControls(const LastInput& input, bool enabled = true)
        : input_(input), enabled_(enabled) {}

    bool Shown() const { return enabled_ && input_.Touching(); }
    // A finger (or the mouse: any id other than a finger's) went down on
    // `hit`, the control under it if any. Returns the control it presses:
    // none while they do not show, or for the touch that brought them.
    std::optional<TouchControl> Down(int64_t pointer, std::optional<TouchControl> hit, int64_t now);
    // A finger moved onto `hit`: leaving its control lets go of it. True when
    // something was let go.
    bool Move(int64_t pointer, std::optional<TouchControl> hit);
    // A finger went up; true when it held a control.
    bool Up(int64_t pointer);
    // They came or went, or something else took the input (a box): every
    // control is let go. True when one was held.
    bool LetGo();
    bool Held(TouchControl c) const;
    // A held barrel button to press again now, once per call while one is due.
    std::optional<TouchControl> Due(int64_t now);
    // When the next repeat is due, if a barrel button is held.
    std::optional<int64_t> NextDue() const;

private:
    const LastInput& input_;
    bool enabled_;
    std::map<int64_t, TouchControl> held_;  // by pointer
    // The barrel button held last repeats.
    std::optional<int64_t> repeating_;
    int64_t next_ = 0;
};

}  // namespace krepogor
