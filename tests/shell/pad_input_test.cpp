#include <gtest/gtest.h>

#include "desktop/PadInput.h"

namespace krepogor {
namespace {

TEST(PadInput, ButtonsPressTheKeysOfWhereTheyArePressed) {
    // The battle: aim, fire, the three upgrades, pause, leave.
    EXPECT_EQ(PadKey(PadButton::Up, PadPlace::Battle), 82);
    EXPECT_EQ(PadKey(PadButton::Down, PadPlace::Battle), 81);
    EXPECT_EQ(PadKey(PadButton::South, PadPlace::Battle), 44);  // Space
    EXPECT_EQ(PadKey(PadButton::West, PadPlace::Battle), 6);    // C, flight speed
    EXPECT_EQ(PadKey(PadButton::North, PadPlace::Battle), 25);  // V, force
    EXPECT_EQ(PadKey(PadButton::East, PadPlace::Battle), 5);    // B, repair
    EXPECT_EQ(PadKey(PadButton::Start, PadPlace::Battle), 19);  // P
    EXPECT_EQ(PadKey(PadButton::Back, PadPlace::Battle), 41);   // Esc
    // A box: the default answer or cancel; a screen closes on either.
    for (PadPlace p : {PadPlace::Box, PadPlace::Screen}) {
        EXPECT_EQ(PadKey(PadButton::South, p), 40);
        EXPECT_EQ(PadKey(PadButton::East, p), 41);
        EXPECT_EQ(PadKey(PadButton::Up, p), 0);
        EXPECT_EQ(PadKey(PadButton::Start, p), 0);
    }
    // The name box keeps the keyboard; the main menu is the mouse's.
    for (PadButton b : {PadButton::South, PadButton::East, PadButton::Up, PadButton::Back}) {
        EXPECT_EQ(PadKey(b, PadPlace::NameBox), 0);
        EXPECT_EQ(PadKey(b, PadPlace::MainMenu), 0);
    }
}

TEST(PadInput, TheStickPressesPastHalfWayAndLetsGoNearTheMiddle) {
    StickButtons s;
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
}

TEST(PadInput, HeldAimRepeatsAfterTheDelayAtTheKeysRateAndStopsWhenLetGo) {
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
    r.Press(PadButton::Down, 3000);
    r.Release(PadButton::Up);
    EXPECT_EQ(r.Due(3000 + PadRepeat::kDelayMs), PadButton::Down);
    r.Release(PadButton::Down);
    EXPECT_FALSE(r.Due(10000));
    EXPECT_FALSE(r.Next());
}

}  // namespace
}  // namespace krepogor
