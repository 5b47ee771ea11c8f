#include <gtest/gtest.h>

#include "desktop/PadInput.h"

namespace krepogor {
namespace {

// USB HID usage numbers (SDL's scancodes).
constexpr int kB = 5, kC = 6, kP = 19, kV = 25, kEnter = 40, kEsc = 41, kSpace = 44, kF10 = 67,
              kRight = 79, kLeft = 80, kDown = 81, kUp = 82;

TEST(PadInput, ButtonsPressTheKeysOfWhereTheyArePressed) {
    using B = PadButton;
    using P = PadPlace;
    struct Row {
        PadPlace where;
        // South, East, West, North, Back, Start, Up, Down, Left, Right, the shoulders
        int keys[12];
    };
    const Row rows[] = {
        // Aim, fire, the three upgrades, leave, pause.
        {P::Battle, {kSpace, kB, kC, kV, kEsc, kP, kUp, kDown, 0, 0, 0, 0}},
        // The three words: Up and Down light them, South chooses.
        {P::MainMenu, {kEnter, 0, 0, 0, 0, 0, kUp, kDown, 0, 0, 0, 0}},
        // The drop-downs walked as with the arrows, chosen, closed.
        {P::MenuBar, {kEnter, kEsc, 0, 0, kEsc, 0, kUp, kDown, kLeft, kRight, 0, 0}},
        // The default answer or cancel; a screen closes on either.
        {P::Box, {kEnter, kEsc, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {P::Screen, {kEnter, kEsc, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        // The name box takes the buttons themselves for its keyboard.
        {P::NameBox, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Row& row : rows)
        for (int b = 0; b < 12; ++b) {
            EXPECT_EQ(PadKey(static_cast<B>(b), row.where), row.keys[b])
                << "place " << static_cast<int>(row.where) << ", button " << b;
            // Only Back held in the battle is something else: the menu bar.
            const bool menu = row.where == P::Battle && static_cast<B>(b) == B::Back;
            EXPECT_EQ(PadHeldKey(static_cast<B>(b), row.where), menu ? kF10 : 0);
        }
}

TEST(PadInput, SticksPressPastHalfWayAndLetGoNearTheMiddle) {
    StickButtons s(PadButton::Up, PadButton::Down);
    EXPECT_FALSE(s.Move(-10000));  // not yet half way
    auto c = s.Move(-20000);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->button, PadButton::Up);
    EXPECT_TRUE(c->pressed);
    EXPECT_FALSE(s.Move(-12000));  // wobbling back a little holds it
    c = s.Move(-4000);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->button, PadButton::Up);
    EXPECT_FALSE(c->pressed);
    // Flicked from up to down at once: Up goes, then Down comes.
    s.Move(-32768);
    c = s.Move(32767);
    ASSERT_TRUE(c);
    EXPECT_FALSE(c->pressed);
    c = s.Move(32767);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->button, PadButton::Down);
    EXPECT_TRUE(c->pressed);
    EXPECT_FALSE(s.Move(32767));
    // The stick across is Left and Right.
    StickButtons across(PadButton::Left, PadButton::Right);
    EXPECT_EQ(across.Move(-30000)->button, PadButton::Left);
    EXPECT_FALSE(across.Move(0)->pressed);
    EXPECT_EQ(across.Move(30000)->button, PadButton::Right);
}

TEST(PadInput, TheHeldDPadRepeatsAfterTheDelayAtTheKeysRateAndStopsWhenLetGo) {
    PadRepeat r;
    r.Press(PadButton::South, 0);  // firing does not repeat
    EXPECT_FALSE(r.Next());
    r.Press(PadButton::Up, 1000);
    EXPECT_EQ(r.Next(), 1000 + PadRepeat::kDelayMs);
    EXPECT_FALSE(r.Due(1000 + PadRepeat::kDelayMs - 1));
    EXPECT_EQ(r.Due(1000 + PadRepeat::kDelayMs), PadButton::Up);
    EXPECT_FALSE(r.Due(1000 + PadRepeat::kDelayMs));  // once per period
    EXPECT_EQ(r.Due(1000 + PadRepeat::kDelayMs + PadRepeat::kEveryMs), PadButton::Up);
    // A stall of a second gives one repeat, not a burst.
    EXPECT_EQ(r.Due(3000), PadButton::Up);
    EXPECT_FALSE(r.Due(3000));
    // The newest held button repeats; letting go of an older one changes nothing.
    r.Press(PadButton::Right, 3000);
    r.Release(PadButton::Up);
    EXPECT_EQ(r.Due(3000 + PadRepeat::kDelayMs), PadButton::Right);
    r.Release(PadButton::Right);
    EXPECT_FALSE(r.Due(10000));
    EXPECT_FALSE(r.Next());
}

TEST(PadInput, AButtonLetGoSoonIsAPressAndHeldLongIsAHoldOnce) {
    PadHold h;
    h.Press(1000);
    EXPECT_EQ(h.Next(), 1000 + PadHold::kHoldMs);
    EXPECT_FALSE(h.Due(1000 + PadHold::kHoldMs - 1));
    EXPECT_TRUE(h.Release());  // a press
    EXPECT_FALSE(h.Next());
    EXPECT_FALSE(h.Due(5000));

    h.Press(2000);
    EXPECT_TRUE(h.Due(2000 + PadHold::kHoldMs));
    EXPECT_FALSE(h.Due(9000));  // once
    EXPECT_FALSE(h.Next());
    EXPECT_FALSE(h.Release());  // the hold was all it did

    h.Press(3000);
    h.Cancel();  // its pad pulled out: neither
    EXPECT_FALSE(h.Due(9000));
    EXPECT_FALSE(h.Release());
}

}  // namespace
}  // namespace krepogor
