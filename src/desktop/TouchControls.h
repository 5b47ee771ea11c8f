#pragma once

#include <cstdint>
#include <map>
#include <optional>

#include "desktop/TouchLayout.h"

namespace krepogor {

// Whether the battle's touch controls show, and which of them are held down.
// They appear at the first touch (which presses nothing: it is a click where
// it lands) and hide at the first key or pad button; the player may turn
// them off. A held barrel button repeats as a held key does.
class TouchControls {
public:
    explicit TouchControls(bool enabled = true) : enabled_(enabled) {}

    bool Shown() const { return shown_; }
    // A finger (or the mouse: any id other than a finger's) went down on
    // `hit`, the control under it if any. Returns the control it presses: none
    // for a touch that only shows the controls.
    std::optional<TouchControl> Down(int64_t pointer, bool finger, std::optional<TouchControl> hit,
                                     int64_t now);
    // A finger moved onto `hit`: leaving its control lets go of it. True when
    // something was let go.
    bool Move(int64_t pointer, std::optional<TouchControl> hit);
    // A finger went up; true when it held a control.
    bool Up(int64_t pointer);
    // A key or a pad button: the controls hide and let go. True when they showed.
    bool Hide();
    // Something else took the input (a box): every control is let go. True
    // when one was held.
    bool LetGo();
    bool Held(TouchControl c) const;
    // A held barrel button to press again now, once per call while one is due.
    std::optional<TouchControl> Due(int64_t now);
    // When the next repeat is due, if a barrel button is held.
    std::optional<int64_t> NextDue() const;

private:
    bool enabled_;
    bool shown_ = false;
    std::map<int64_t, TouchControl> held_;  // by pointer
    // The barrel button held last repeats.
    std::optional<int64_t> repeating_;
    int64_t next_ = 0;
};

}  // namespace krepogor
