#include <gtest/gtest.h>

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
        at = placement.Place(screen, shown, at, *next, next->width, OuterHeight(*next));
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

TEST(WindowPlacementTest, ACentredWindowStaysOnTheScreenWhenItFits) {
    Desk d;
    const Rect screen{0, 24, 1280, 776};  // a panel above, a smaller display
    d.Show("frm_menu", screen);
    d.Show("frm_vustrel", screen);
    d.MoveTo(-300, 700);  // mostly off the screen, bottom left
    const Rect lost = d.Show("FrmLost", screen);
    EXPECT_EQ(lost.x, 0);
    EXPECT_EQ(lost.y, 24 + 776 - 564);
    // A window larger than the screen starts at its top-left corner.
    Desk small;
    EXPECT_EQ(small.Show("frm_vustrel", {0, 0, 800, 600}), (Rect{0, 0, 926, 658}));
}

TEST(WindowPlacementTest, APlaceLeftInAnEarlierRunComesBackKeptOnTheScreen) {
    Desk d;
    d.placement.Leave("frm_menu", {100, 50, 0, 0});
    d.placement.Leave("frm_vustrel", {3000, 2000, 0, 0});  // on a screen no longer there
    EXPECT_EQ(d.Show("frm_menu"), (Rect{100, 50, 659, 398}));
    EXPECT_EQ(d.Show("frm_vustrel"), (Rect{1920 - 926, 1080 - 658, 926, 658}));
}

}  // namespace
}  // namespace krepogor
