#include <gtest/gtest.h>

#include "desktop/MenuBar.h"
#include "desktop/Utf8.h"

namespace krepogor {
namespace {

// Every character 7 pixels wide, so positions are easy to reckon.
int Width(const std::string& s) {
    int n = 0;
    for (size_t i = 0; i < s.size(); i = NextCharStart(s, i)) ++n;
    return 7 * n;
}

MenuBar Bar() {
    return MenuBar(926, 20, Width);
}

// The centre of a rectangle.
int Cx(const Rect& r) {
    return r.x + r.w / 2;
}
int Cy(const Rect& r) {
    return r.y + r.h / 2;
}

TEST(MenuBarTest, HasTheBattleMenusWithTheirKeys) {
    const MenuBar m = Bar();
    ASSERT_EQ(m.Menus().size(), 2u);
    EXPECT_EQ(m.Menus()[0].title, "Игра");
    EXPECT_EQ(m.Menus()[1].title, "О программе");
    std::string names, keys;
    for (const Menu& menu : m.Menus())
        for (const MenuItem& item : menu.items) {
            names += item.name + " ";
            keys += item.key + " ";
        }
    EXPECT_EQ(names, "NG Music Sound Records Pouse Exiting Rules Cast ");
    EXPECT_EQ(keys, "F2 F3 F4 F5 F6 F8 F1 F7 ");
}

TEST(MenuBarTest, LayoutFollowsTheCaptions) {
    const MenuBar m = Bar();
    const Rect game = m.TitleRect(0), about = m.TitleRect(1);
    EXPECT_EQ(game.w, 4 * 7 + 16);
    EXPECT_EQ(about.x, game.Right());
    // Drop-downs hang under their titles, one row per item, wide enough for
    // the longest caption and its key.
    EXPECT_EQ(m.DropRect(0).x, game.x);
    EXPECT_EQ(m.DropRect(0).y, 20);
    EXPECT_EQ(m.DropRect(0).h, 6 * MenuBar::ItemHeight + 6);
    EXPECT_GE(m.DropRect(1).w, m.KeyColumn(1) + Width("F7"));
    EXPECT_GT(m.KeyColumn(1), 22 + Width("Правила игры"));
    EXPECT_EQ(m.ItemRect(0, 1).y, m.ItemRect(0, 0).Bottom());
}

TEST(MenuBarTest, ClickOnTitleTogglesItsDropDown) {
    MenuBar m = Bar();
    EXPECT_EQ(m.Click(Cx(m.TitleRect(0)), Cy(m.TitleRect(0))), "");
    EXPECT_EQ(m.Open(), 0);
    m.Click(Cx(m.TitleRect(1)), Cy(m.TitleRect(1)));
    EXPECT_EQ(m.Open(), 1);
    m.Click(Cx(m.TitleRect(1)), Cy(m.TitleRect(1)));
    EXPECT_EQ(m.Open(), -1);
}

TEST(MenuBarTest, ClickOnItemChoosesItAndCloses) {
    MenuBar m = Bar();
    m.Click(Cx(m.TitleRect(0)), Cy(m.TitleRect(0)));
    const Rect music = m.ItemRect(0, 1);
    EXPECT_EQ(m.Click(music.x + 2, music.y + 1), "Music");
    EXPECT_EQ(m.Open(), -1);
    // Items of a closed menu are not there to click.
    EXPECT_EQ(m.Click(music.x + 2, music.y + 1), "");

    m.Click(Cx(m.TitleRect(1)), Cy(m.TitleRect(1)));
    const Rect cast = m.ItemRect(1, 1);
    EXPECT_EQ(m.Click(cast.Right() - 1, cast.Bottom() - 1), "Cast");
}

TEST(MenuBarTest, ClickElsewhereOrEscCloses) {
    MenuBar m = Bar();
    m.Click(Cx(m.TitleRect(0)), Cy(m.TitleRect(0)));
    EXPECT_EQ(m.Click(800, 400), "");
    EXPECT_EQ(m.Open(), -1);
    m.Click(Cx(m.TitleRect(0)), Cy(m.TitleRect(0)));
    // The drop-down's own frame keeps it open.
    const Rect d = m.DropRect(0);
    EXPECT_EQ(m.Click(d.x, d.y), "");
    EXPECT_EQ(m.Open(), 0);
    EXPECT_TRUE(m.Close());
    EXPECT_FALSE(m.Close());
}

TEST(MenuBarTest, CoversTheBarAndOnlyAnOpenDropDown) {
    MenuBar m = Bar();
    const Rect d = m.DropRect(0);
    EXPECT_TRUE(m.Covers(900, 5));
    EXPECT_FALSE(m.Covers(Cx(d), Cy(d)));
    m.Click(Cx(m.TitleRect(0)), Cy(m.TitleRect(0)));
    EXPECT_TRUE(m.Covers(Cx(d), Cy(d)));
    EXPECT_FALSE(m.Covers(d.Right(), Cy(d)));
}

TEST(MenuBarTest, HoverFollowsItemsAndSwitchesOpenMenus) {
    MenuBar m = Bar();
    EXPECT_FALSE(m.Move(Cx(m.TitleRect(1)), 5));  // nothing open: hovering opens nothing
    EXPECT_EQ(m.Open(), -1);
    m.Click(Cx(m.TitleRect(0)), Cy(m.TitleRect(0)));
    EXPECT_TRUE(m.Move(Cx(m.ItemRect(0, 3)), Cy(m.ItemRect(0, 3))));
    EXPECT_EQ(m.Hot(), 3);
    EXPECT_FALSE(m.Move(Cx(m.ItemRect(0, 3)) + 1, Cy(m.ItemRect(0, 3))));
    EXPECT_TRUE(m.Move(Cx(m.TitleRect(1)), 5));
    EXPECT_EQ(m.Open(), 1);
    EXPECT_EQ(m.Hot(), -1);
}

TEST(MenuBarTest, TheKeyboardOpensMovesChoosesAndCloses) {
    MenuBar m = Bar();
    // Keys other than F10 do nothing while the bar is closed.
    EXPECT_EQ(m.Key(MenuKey::Down), "");
    EXPECT_EQ(m.Key(MenuKey::Choose), "");
    EXPECT_EQ(m.Open(), -1);
    m.Key(MenuKey::Toggle);
    EXPECT_EQ(m.Open(), 0);
    EXPECT_EQ(m.Hot(), 0);
    m.Key(MenuKey::Up);  // round the top to "Выйти"
    EXPECT_EQ(m.Hot(), 5);
    m.Key(MenuKey::Down);  // round the bottom to "Новая"
    EXPECT_EQ(m.Hot(), 0);
    m.Key(MenuKey::Down);
    m.Key(MenuKey::Right);  // the next menu, its first item lit
    EXPECT_EQ(m.Open(), 1);
    EXPECT_EQ(m.Hot(), 0);
    m.Key(MenuKey::Right);  // round to the first menu
    EXPECT_EQ(m.Open(), 0);
    m.Key(MenuKey::Left);
    EXPECT_EQ(m.Open(), 1);
    m.Key(MenuKey::Down);
    EXPECT_EQ(m.Key(MenuKey::Choose), "Cast");
    EXPECT_EQ(m.Open(), -1);
    m.Key(MenuKey::Toggle);
    m.Key(MenuKey::Close);
    EXPECT_EQ(m.Open(), -1);
    m.Key(MenuKey::Toggle);
    m.Key(MenuKey::Toggle);  // F10 again closes the drop-down
    EXPECT_EQ(m.Open(), -1);
}

TEST(MenuBarTest, EnterWithNoLitItemChoosesNothing) {
    MenuBar m = Bar();
    m.Click(Cx(m.TitleRect(0)), Cy(m.TitleRect(0)));  // opened by the mouse: nothing lit
    EXPECT_EQ(m.Key(MenuKey::Choose), "");
    EXPECT_EQ(m.Open(), 0);
    m.Key(MenuKey::Down);
    EXPECT_EQ(m.Key(MenuKey::Choose), "NG");
}

}  // namespace
}  // namespace krepogor
