#include <gtest/gtest.h>

#include <optional>

#include "desktop/WindowLooks.h"
#include "desktop/WindowPlacement.h"

namespace krepogor {
namespace {

const Rect kScreen{0, 0, 1920, 1080};

struct Desk {
    WindowPlacement placement;
    const WindowLook* shown = nullptr;
    Rect at;
    // Shows `name` in place of the window shown, which the player has left at `at`.
    Rect Show(const char* name, const Rect& screen = kScreen) {
        const WindowLook* next = LookOf(name);
        at = placement.Place(screen, {}, shown, at, *next, next->width, OuterHeight(*next));
        shown = next;
        return at;
    }
    void MoveTo(int x, int y) {
        at.x = x;
        at.y = y;
    }
};

TEST(WindowPlacementTest, MainWindowsStartCentredOnTheScreen) {
    Desk d;
    EXPECT_EQ(d.Show("frm_menu"), (Rect{630, 341, 659, 398}));
    EXPECT_EQ(d.Show("frm_vustrel"), (Rect{497, 211, 926, 658}));
    EXPECT_EQ(d.Show("frm_credits"), (Rect{630, 364, 659, 351}));
}

TEST(WindowPlacementTest, ScreensAreCentredOnTheWindowTheyReplaceWhereverItStands) {
    Desk d;
    d.Show("frm_menu");
    d.Show("frm_vustrel");
    d.MoveTo(100, 50);
    // The rules over the moved battle window: centred on its place, every time.
    EXPECT_EQ(d.Show("FrmRules"), (Rect{100 + (926 - 769) / 2, 50 + (658 - 418) / 2, 769, 418}));
    d.MoveTo(700, 500);  // the player moves the rules too
    // The battle comes back where the player left it, not under the moved rules.
    EXPECT_EQ(d.Show("frm_vustrel"), (Rect{100, 50, 926, 658}));
    d.MoveTo(300, 200);
    EXPECT_EQ(d.Show("FrmRecords"), (Rect{300 + 135, 200 + 131, 656, 396}));
    d.Show("frm_vustrel");
    EXPECT_EQ(d.Show("FrmLost"), (Rect{300 + 79, 200 + 47, 767, 564}));
}

TEST(WindowPlacementTest, AMovedWindowKeepsItsPlace) {
    Desk d;
    d.Show("frm_menu");
    d.MoveTo(20, 30);
    d.Show("frm_credits");
    EXPECT_EQ(d.Show("frm_menu"), (Rect{20, 30, 659, 398}));
    d.Show("frm_vustrel");
    d.MoveTo(5, 6);
    d.Show("FrmWin");
    // After the battle's end the main menu is where it was left, the battle too.
    EXPECT_EQ(d.Show("frm_menu"), (Rect{20, 30, 659, 398}));
    EXPECT_EQ(d.Show("frm_vustrel"), (Rect{5, 6, 926, 658}));
}

// Openbox's frame: a title bar of 20 rows, a border of 1, a bottom grip of 5.
constexpr WindowFrame kFrame{20, 1, 5, 1};

TEST(WindowPlacementTest, EveryWindowLandsWholeOnTheScreenFrameIncluded) {
    struct Case {
        const char* what;
        Rect screen;
        WindowFrame frame;
        std::optional<Rect> left;  // where the window was left, in this run or an earlier one
        const char* look;
        int w, h;
        Rect want;
    };
    const Rect netbook{0, 0, 1024, 600}, panel{0, 24, 1280, 776};
    const Case cases[] = {
        {"centred, no frame", kScreen, {}, {}, "frm_menu", 659, 398, {630, 341, 659, 398}},
        {"centred with its frame", kScreen, kFrame, {}, "frm_menu", 659, 398, {630, 348, 659, 398}},
        // The place kept is the place restored: no creep by the frame's size.
        {"kept place, framed",
         kScreen,
         kFrame,
         Rect{630, 348},
         "frm_menu",
         659,
         398,
         {630, 348, 659, 398}},
        {"kept place, no frame",
         kScreen,
         {},
         Rect{630, 348},
         "frm_menu",
         659,
         398,
         {630, 348, 659, 398}},
        {"kept far off the screen",
         kScreen,
         kFrame,
         Rect{5000, 5000},
         "frm_menu",
         659,
         398,
         {1920 - 1 - 659, 1080 - 5 - 398, 659, 398}},
        {"kept above and left of it",
         kScreen,
         kFrame,
         Rect{-300, -50},
         "frm_vustrel",
         926,
         658,
         {1, 20, 926, 658}},
        {"kept under a panel",
         panel,
         kFrame,
         Rect{100, 10},
         "frm_credits",
         659,
         351,
         {100, 24 + 20, 659, 351}},
        {"kept on a screen no longer there",
         kScreen,
         {},
         Rect{3000, 2000},
         "frm_vustrel",
         926,
         658,
         {1920 - 926, 1080 - 658, 926, 658}},
        // A netbook's battle window at the factor that fits it with its frame.
        {"the battle on a netbook",
         netbook,
         kFrame,
         {},
         "frm_vustrel",
         809,
         575,
         {107, 20, 809, 575}},
        // Too large for the screen: its title bar at the screen's top left.
        {"larger than the screen",
         {0, 0, 800, 600},
         kFrame,
         {},
         "frm_vustrel",
         926,
         658,
         {1, 20, 926, 658}},
        {"larger, no frame", {0, 0, 800, 600}, {}, {}, "frm_vustrel", 926, 658, {0, 0, 926, 658}},
    };
    for (const Case& c : cases) {
        WindowPlacement placement;
        if (c.left) placement.Leave(c.look, *c.left);
        EXPECT_EQ(placement.Place(c.screen, c.frame, nullptr, {}, *LookOf(c.look), c.w, c.h),
                  c.want)
            << c.what;
    }
    // A screen centred on a window near the bottom edge stays whole on it.
    WindowPlacement placement;
    const Rect battle{300, 1080 - 5 - 658, 926, 658};
    const Rect lost = placement.Place(kScreen, kFrame, LookOf("frm_vustrel"), battle,
                                      *LookOf("FrmLost"), 767, 564);
    EXPECT_EQ(lost, (Rect{300 + 79, battle.y + 47, 767, 564}));
    const Rect below = placement.Place(kScreen, kFrame, LookOf("frm_vustrel"),
                                       {-300, 900, 926, 658}, *LookOf("FrmLost"), 767, 564);
    EXPECT_EQ(below, (Rect{1, 1080 - 5 - 564, 767, 564}));
}

}  // namespace
}  // namespace krepogor
