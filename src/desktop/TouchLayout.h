#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "desktop/Letterbox.h"
#include "desktop/Rect.h"

namespace krepogor {

// The battle's buttons for a touch screen: the barrel up and down, fire,
// pause and the exit question.
enum class TouchControl { Up, Down, Fire, Pause, Exit };

// The battle window's virtual key that a control presses (Up, Down, Space, P, Esc).
int16_t ControlKey(TouchControl c);

// Where the controls stand in the desktop window, in its own pixels.
struct TouchLayout {
    struct Button {
        TouchControl control;
        Rect at;
    };
    std::vector<Button> buttons;  // none: no controls in this window
    int side = 0;                 // every button is a square of this side
    int gap = 0;                  // between buttons, and from the edges
    // In the black bars beside, above or below the battle; otherwise over the
    // field, drawn see-through.
    bool inBars = false;

    // The control a point of the window touches: on its button or within half
    // a gap of it, so that neighbouring buttons share the gap between them.
    std::optional<TouchControl> At(int x, int y) const;
    // The button of a control, or nullptr.
    const Rect* Of(TouchControl c) const;
};

// The side in window pixels of a control `mm` millimetres across on a screen
// of `pixelsPerMm` (96 dots an inch, the desktops' usual, when unknown).
int TouchSide(std::optional<double> pixelsPerMm, int mm);

// Lays out controls of `side` pixels in the desktop window that shows the
// battle window (its menu bar included) through `box`: in the bars
// when they are wide enough, the barrel's buttons on the left or below and
// fire on the right; otherwise in the field's lower corners, clear of the
// gun, the readouts and the upgrade lamps. Where neither has room for that
// side, the controls are made as much smaller as they must be.
TouchLayout LayOutTouch(const Letterbox& box, int side);

}  // namespace krepogor
