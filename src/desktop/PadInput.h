#pragma once

#include <cstdint>
#include <optional>

namespace krepogor {

// The gamepad's buttons the game uses, by their place on the pad (the face
// buttons as compass points, whatever the maker prints on them).
enum class PadButton {
    South,
    East,
    West,
    North,
    Back,
    Start,
    Up,
    Down,
    Left,
    Right,
    LeftShoulder,
    RightShoulder,
};

// Where the pad's input goes.
enum class PadPlace {
    MainMenu,
    Battle,   // the battle window with its menu bar closed
    MenuBar,  // the battle window's menu bar, a drop-down open
    Screen,   // the rules, the credits, the book, the ends of a battle
    Box,      // a message box
    NameBox,  // the book's name box: its keyboard on the screen takes the buttons
};

// The key (by its USB HID usage number, as SDL's scancodes) a pad button
// presses where it is pressed, or 0. In the main menu the D-pad moves
// between the three words and South chooses one. In the battle the D-pad
// aims, South fires, West, North and East buy flight speed, force and
// repair, Start pauses and Back asks to leave; in its menu bar the D-pad
// walks the drop-downs, South chooses and East or Back closes it; in a box
// South takes the default answer and East cancels; on a screen either
// closes it. In the name box the buttons are the keyboard's on the screen,
// no keys.
int PadKey(PadButton b, PadPlace where);

// The key a button held a while presses instead, or 0: Back held in the
// battle opens the menu bar (F10).
int PadHeldKey(PadButton b, PadPlace where);

// A stick's axis (-32768 to 32767) as two buttons of the D-pad (Up and Down,
// or Left and Right): pressed past half way, released back within a quarter.
class StickButtons {
public:
    struct Change {
        PadButton button;
        bool pressed;
    };
    StickButtons(PadButton negative, PadButton positive)
        : negative_(negative), positive_(positive) {}
    // The press or release a new axis value makes, if any (a stick flicked
    // from one end to the other releases the first button first: call again).
    std::optional<Change> Move(int value);

private:
    PadButton negative_, positive_;
    int held_ = 0;  // -1 the negative end, 1 the positive end
    int value_ = 0;
};

// The D-pad held on the pad repeats as held keyboard keys do: after a delay,
// then at a steady rate, the newest held one.
class PadRepeat {
public:
    static constexpr int64_t kDelayMs = 500;
    static constexpr int64_t kEveryMs = 40;

    // Whether a held button repeats at all.
    static bool Repeats(PadButton b) {
        return b == PadButton::Up || b == PadButton::Down || b == PadButton::Left ||
               b == PadButton::Right;
    }
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

// A button that means one thing pressed and another held (Back in the
// battle): let go before kHoldMs it is a press, held that long it is a hold,
// once.
class PadHold {
public:
    static constexpr int64_t kHoldMs = 600;

    void Press(int64_t now);
    // Whether the hold falls due now; true once.
    bool Due(int64_t now);
    // Let go: true when it was a press, not a hold.
    bool Release();
    // Forgets the button (its pad pulled out): neither a press nor a hold.
    void Cancel() { pending_ = false; }
    // When the hold falls due, while the button is held and it has not.
    std::optional<int64_t> Next() const;

private:
    bool pending_ = false;
    int64_t at_ = 0;
};

}  // namespace krepogor
