#pragma once

namespace krepogor {

// What the player gives the game input with.
enum class InputKind { Keyboard, Mouse, Touch, Pad };

// What the player gave the game their last input with, as the parts of the
// game that answer to it see it: the battle's touch buttons show from a
// finger's touch until a key or a pad's button (the mouse, which may press
// them, changes nothing there); the name box opens its keyboard on the screen
// for a finger or a pad, and shows the pad's light only to the pad.
class LastInput {
public:
    // Notes an input; true when the touch buttons came or went with it.
    bool Note(InputKind k);

    InputKind Kind() const { return kind_; }
    // Whether a finger touched since the last key or pad button: the touch
    // buttons show.
    bool Touching() const { return touching_; }
    // Whether the input noted last was the touch that brought the buttons:
    // it presses none of them, as none showed where it went down.
    bool Brought() const { return brought_; }

private:
    InputKind kind_ = InputKind::Mouse;
    bool touching_ = false;
    bool brought_ = false;
};

}  // namespace krepogor
