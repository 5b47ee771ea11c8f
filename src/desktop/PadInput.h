#pragma once

#include <cstdint>
#include <optional>

namespace krepogor {

// The gamepad's buttons the game uses, by their place on the pad (the face
// buttons as compass points, whatever the maker prints on them).
enum class PadButton { South, East, West, North, Back, Start, Up, Down };

// Where the pad's input goes.
enum class PadPlace {
    MainMenu,
    Battle,   // the battle window, its menu bar included
    Screen,   // the rules, the credits, the book, the ends of a battle
    Box,      // a message box
    NameBox,  // the book's name box: the keyboard's alone
};

// The key (by its USB HID usage number, as SDL's scancodes) a pad button
// presses where it is pressed, or 0. In the battle the D-pad aims, South
// fires, West, North and East buy flight speed, force and repair, Start
// pauses and Back asks to leave; in a box South takes the default answer and
// East cancels; on a screen either closes it.
int PadKey(PadButton b, PadPlace where);

// The left stick's vertical axis (-32768 up to 32767 down) as the D-pad's Up
// and Down: pressed past half way, released back within a quarter.
class StickButtons {
public:
    struct Change {
        PadButton button;
        bool pressed;
    };
    // The press or release a new axis value makes, if any (a stick flicked
    // from up to down releases Up first: call again).
    std::optional<Change> Move(int value);

private:
    int held_ = 0;  // -1 up, 1 down
    int value_ = 0;
};

// Aiming keys held on the pad repeat as held keyboard keys do: after a delay,
// then at a steady rate, the newest held one.
class PadRepeat {
public:
    static constexpr int64_t kDelayMs = 500;
    static constexpr int64_t kEveryMs = 40;

    // Whether a held button repeats at all.
    static bool Repeats(PadButton b) { return b == PadButton::Up || b == PadButton::Down; }
    void Press(PadButton b, int64_t now);
    void Release(PadButton b);
    // The button to repeat now, once per call while one is due.
    std::optional<PadButton> Due(int64_t now);
    // When the next repeat falls due, if a button is held.
    std::optional<int64_t> Next() const;

private:
    std::optional<PadButton> held_;
    int64_t next_ = 0;
};

}  // namespace krepogor
