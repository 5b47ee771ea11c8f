#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "desktop/LastInput.h"
#include "desktop/TouchControls.h"
#include "desktop/TouchLayout.h"
#include "desktop/WindowLooks.h"

namespace krepogor {
namespace {

bool Overlap(const Rect& a, const Rect& b) {
    return a.x < b.Right() && b.x < a.Right() && a.y < b.Bottom() && b.y < a.Bottom();
}

// What a control must never cover, in the battle window's client pixels (its
// menu bar included): the menu bar, the level's scroll, the three upgrade
// lamps, the gun, its muzzle flash at the lowest and the highest angle, and
// the five readouts.
std::vector<Rect> KeptClear() {
    const int bar = MenuBarHeight;
    return {{0, 0, 926, bar},         {0, bar, 165, 100},      {210, bar + 1, 84, 80},
            {458, bar + 1, 84, 80},   {700, bar + 1, 84, 80},  {20, bar + 390, 99, 108},
            {105, bar + 414, 60, 50}, {45, bar + 358, 60, 50}, {0, bar + 572, 926, 66}};
}

enum class Where { Sides, AboveAndBelow, Corners, Nowhere };

Where Kind(const TouchLayout& l, const Letterbox& box) {
    if (l.buttons.empty()) return Where::Nowhere;
    if (!l.inBars) return Where::Corners;
    return l.Of(TouchControl::Up)->y >= box.Picture().Bottom() ? Where::AboveAndBelow
                                                               : Where::Sides;
}

TEST(TouchLayout, StandsInTheBarsOrClearOfTheBattlesPartsAtAnySize) {
    struct Case {
        int w, h;     // the desktop window
        double dpi;   // the screen's
        Where where;  // where the controls go
        int side;     // their side then
    };
    const Case cases[] = {
        {926, 658, 96, Where::Corners, 38},            // 1x on a desktop screen: under the gun
        {926, 658, 160, Where::Corners, 63},           // a touch laptop: right of the gun
        {1852, 1316, 192, Where::Corners, 76},         // 2x, a high-density screen
        {1920, 1080, 96, Where::Sides, 38},            // full HD filled: bars at the sides
        {1280, 800, 216, Where::Corners, 85},          // a handheld: its bars too narrow
        {2400, 1080, 400, Where::Sides, 157},          // a phone held sideways
        {1080, 2400, 400, Where::AboveAndBelow, 157},  // a phone held upright
        {1080, 1300, 400, Where::AboveAndBelow, 157},  // bars too short for a column
        {463, 329, 96, Where::Corners, 38},            // the window at half its size
        {463, 329, 400, Where::Corners, 58},           // ... on a dense screen: smaller
        {200, 142, 400, Where::Corners, 25},
        {90, 64, 400, Where::Nowhere, 0},  // no room at all
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.w) + " x " + std::to_string(c.h) + " at " +
                     std::to_string(c.dpi) + " dpi");
        const Letterbox box(926, 658, c.w, c.h);
        const TouchLayout l = LayOutTouch(box, TouchSide(c.dpi / 25.4, 10));
        EXPECT_EQ(Kind(l, box), c.where);
        EXPECT_EQ(l.side, c.side);
        if (l.buttons.empty()) continue;
        EXPECT_EQ(l.buttons.size(), 5u);
        for (const auto& b : l.buttons) {
            SCOPED_TRACE("control " + std::to_string(static_cast<int>(b.control)));
            EXPECT_EQ(b.at.w, l.side);
            EXPECT_EQ(b.at.h, l.side);
            EXPECT_TRUE(b.at.x >= 0 && b.at.y >= 0 && b.at.Right() <= c.w && b.at.Bottom() <= c.h)
                << "outside the window";
            if (l.inBars) {
                EXPECT_FALSE(Overlap(b.at, box.Picture())) << "over the battle";
            } else {
                for (const Rect& clear : KeptClear())
                    EXPECT_FALSE(Overlap(b.at, box.ToOutput(clear)))
                        << "over " << clear.x << "," << clear.y;
            }
            // Its middle touches it, and no two share a point.
            EXPECT_EQ(l.At(b.at.x + b.at.w / 2, b.at.y + b.at.h / 2), b.control);
            for (const auto& other : l.buttons) {
                if (&other == &b) continue;
                const int half = l.gap / 2;
                EXPECT_FALSE(
                    Overlap({b.at.x - half, b.at.y - half, b.at.w + 2 * half, b.at.h + 2 * half},
                            {other.at.x - half, other.at.y - half, other.at.w + 2 * half,
                             other.at.h + 2 * half}));
            }
        }
        // The barrel's buttons on the left, fire on the right, up above or
        // left of down.
        const Rect up = *l.Of(TouchControl::Up), down = *l.Of(TouchControl::Down),
                   fire = *l.Of(TouchControl::Fire);
        EXPECT_LT(up.x, c.w / 2);
        EXPECT_GT(fire.x, c.w / 2);
        EXPECT_TRUE(up.y < down.y || up.x < down.x);
    }
}

TEST(TouchLayout, SizeComesFromTheDensityAndTouchesReachNothingElse) {
    EXPECT_EQ(TouchSide(96 / 25.4, 10), 38);
    EXPECT_EQ(TouchSide(400 / 25.4, 9), 142);
    // Unknown, or nonsense from a system: a desktop's 96 dots an inch.
    for (const std::optional<double> unknown :
         {std::optional<double>(), std::optional<double>(0.0), std::optional<double>(-3.0),
          std::optional<double>(std::numeric_limits<double>::quiet_NaN())})
        EXPECT_EQ(TouchSide(unknown, 10), 38);
    const Letterbox box(926, 658, 2400, 1080);
    const TouchLayout l = LayOutTouch(box, 157);
    // Half a gap around a button still touches it; the battle's picture and
    // the bars' far corners touch nothing.
    const Rect fire = *l.Of(TouchControl::Fire);
    EXPECT_EQ(l.At(fire.x - l.gap / 2, fire.y), TouchControl::Fire);
    EXPECT_EQ(l.At(fire.x - l.gap, fire.y), std::nullopt);
    EXPECT_EQ(l.At(1200, 540), std::nullopt);
    EXPECT_EQ(l.At(0, 1079), std::nullopt);
}

TEST(TouchControls, ShowAtTheFirstTouchAndHideAtAKey) {
    using C = TouchControl;
    LastInput input;
    TouchControls t(input);
    // The mouse shows nothing; the first finger shows them and presses nothing.
    input.Note(InputKind::Mouse);
    EXPECT_EQ(t.Down(-1, C::Fire, 0), std::nullopt);
    EXPECT_FALSE(t.Shown());
    input.Note(InputKind::Touch);
    EXPECT_EQ(t.Down(1, C::Fire, 0), std::nullopt);
    EXPECT_TRUE(t.Shown());
    EXPECT_FALSE(t.Held(C::Fire));
    t.Up(1);
    // Now a finger presses what it touches, the mouse too.
    input.Note(InputKind::Touch);
    EXPECT_EQ(t.Down(2, C::Fire, 10), C::Fire);
    EXPECT_TRUE(t.Held(C::Fire));
    input.Note(InputKind::Mouse);
    EXPECT_EQ(t.Down(-1, C::Pause, 10), C::Pause);
    EXPECT_TRUE(t.Up(2));
    EXPECT_TRUE(t.Up(-1));
    EXPECT_FALSE(t.Up(2));
    EXPECT_EQ(t.Down(3, std::nullopt, 20), std::nullopt);
    // A key hides them, and they let go; the next touch only shows them again.
    EXPECT_EQ(t.Down(4, C::Up, 30), C::Up);
    input.Note(InputKind::Keyboard);
    EXPECT_FALSE(t.Shown());
    EXPECT_TRUE(t.LetGo());
    EXPECT_FALSE(t.Held(C::Up));
    EXPECT_EQ(t.Down(-1, C::Fire, 35), std::nullopt);
    input.Note(InputKind::Touch);
    EXPECT_EQ(t.Down(5, C::Fire, 40), std::nullopt);
    // Turned off, they never show, though the name box hears of the touch.
    TouchControls off(input, false);
    input.Note(InputKind::Touch);
    EXPECT_EQ(off.Down(1, C::Fire, 0), std::nullopt);
    EXPECT_FALSE(off.Shown());
}

TEST(TouchControls, AHeldBarrelButtonRepeatsAsAKeyUntilItIsLetGo) {
    using C = TouchControl;
    LastInput input;
    input.Note(InputKind::Touch);  // brought them
    input.Note(InputKind::Touch);
    TouchControls t(input);
    ASSERT_EQ(t.Down(1, C::Up, 1000), C::Up);
    EXPECT_EQ(t.NextDue(), 1500);
    EXPECT_EQ(t.Due(1499), std::nullopt);
    EXPECT_EQ(t.Due(1500), C::Up);
    EXPECT_EQ(t.Due(1500), std::nullopt);
    EXPECT_EQ(t.Due(1540), C::Up);
    // A stall does not pile the repeats up.
    EXPECT_EQ(t.Due(5000), C::Up);
    EXPECT_EQ(t.Due(5001), std::nullopt);
    // Sliding off the button lets it go; so does a box taking the input.
    EXPECT_FALSE(t.Move(1, C::Up));
    EXPECT_TRUE(t.Move(1, C::Down));
    EXPECT_EQ(t.NextDue(), std::nullopt);
    ASSERT_EQ(t.Down(2, C::Down, 6000), C::Down);
    EXPECT_TRUE(t.LetGo());
    EXPECT_EQ(t.Due(7000), std::nullopt);
    EXPECT_TRUE(t.Shown());
    // Fire does not repeat.
    ASSERT_EQ(t.Down(3, C::Fire, 8000), C::Fire);
    EXPECT_EQ(t.NextDue(), std::nullopt);
}

}  // namespace
}  // namespace krepogor
