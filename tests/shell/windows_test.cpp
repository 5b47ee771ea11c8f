#include "state/Windows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "codec/SdlPictureDecoder.h"
#include "desktop/HotAreas.h"
#include "desktop/WindowLooks.h"
#include "state/Picture.h"

namespace krepogor {
namespace {

TEST(Looks, EveryGameWindowHasItsSizeAndCaption) {
    struct Want {
        const char* name;
        const char* caption;
        int w, h;
    };
    const Want wants[] = {
        {"frm_menu", "Крепогор", 659, 398},     {"frm_vustrel", "Крепогор", 926, 638},
        {"FrmRecords", "Рекорды", 656, 396},    {"FrmRules", "Правила", 769, 418},
        {"frm_credits", "Создатели", 659, 351}, {"FrmLost", "Поражение!", 767, 564},
        {"FrmWin", "Победа!", 590, 418}};
    for (const Want& w : wants) {
        const WindowLook* look = LookOf(w.name);
        ASSERT_NE(look, nullptr) << w.name;
        EXPECT_STREQ(look->caption, w.caption);
        EXPECT_EQ(look->width, w.w);
        EXPECT_EQ(look->height, w.h);
    }
    for (const char* name : Windows::Names) EXPECT_NE(LookOf(name), nullptr) << name;
    EXPECT_EQ(LookOf(""), nullptr);
    EXPECT_EQ(LookOf("frm_nothing"), nullptr);
}

TEST(Looks, OnlyTheBattleWindowHasAMenuBarAboveItsClientArea) {
    const WindowLook& battle = *LookOf("frm_vustrel");
    EXPECT_EQ(OuterHeight(battle), 638 + MenuBarHeight);
    EXPECT_EQ(ClientTop(battle), MenuBarHeight);
    EXPECT_EQ(battle.background, nullptr);
    const WindowLook& menu = *LookOf("frm_menu");
    EXPECT_EQ(OuterHeight(menu), 398);
    EXPECT_EQ(ClientTop(menu), 0);
    EXPECT_STREQ(menu.background, "frm_menu.png");
}

TEST(HotAreasTest, UpgradeAreasEdgesIncludedAndExcluded) {
    EXPECT_EQ(LblModAt(216, 8), 0);
    EXPECT_EQ(LblModAt(288, 72), 0);
    EXPECT_EQ(LblModAt(289, 40), -1);
    EXPECT_EQ(LblModAt(216, 73), -1);
    EXPECT_EQ(LblModAt(500, 40), 1);
    EXPECT_EQ(LblModAt(776, 40), 2);
    EXPECT_EQ(LblModAt(215, 40), -1);
    EXPECT_EQ(LblModAt(700, 100), -1);
}

TEST(HotAreasTest, MainMenuAreas) {
    EXPECT_EQ(MainMenuAreaAt(232, 136), "lbl_new_game");
    EXPECT_EQ(MainMenuAreaAt(368, 168), "lbl_new_game");
    EXPECT_EQ(MainMenuAreaAt(369, 150), "");
    EXPECT_EQ(MainMenuAreaAt(400, 190), "lbl_credits");
    EXPECT_EQ(MainMenuAreaAt(300, 264), "lbl_exit");
    EXPECT_EQ(MainMenuAreaAt(300, 265), "");
    EXPECT_EQ(MainMenuAreaAt(10, 10), "");
}

// The book's picture has a light bar for each row on a dark ground, evenly
// spaced: the labels the game draws at their own tops stand inside their bars.
TEST(HotAreasTest, BookRowsStandOnThePicturesEvenlySpacedBars) {
    Picture book;
    std::string error;
    SdlPictureDecoder decoder;
    ASSERT_TRUE(decoder.Decode("resources/FrmRecords.png", book, error)) << error;
    const int x = 300;  // through the names, below the title
    auto light = [&](int y) {
        const uint32_t p = book.Pixels[static_cast<size_t>(y) * book.Width + x];
        return (p >> 16 & 0xFF) + (p >> 8 & 0xFF) + (p & 0xFF) > 3 * 128;
    };
    std::vector<int> tops, ends;
    for (int y = 105; y < book.Height; ++y) {
        if (light(y) && !light(y - 1)) tops.push_back(y);
        if (!light(y) && light(y - 1)) ends.push_back(y);
    }
    ASSERT_EQ(tops.size(), 5u);
    ASSERT_EQ(ends.size(), 5u);
    const int rowTops[] = {112, 173, 227, 284, 344};
    for (int row = 0; row < 5; ++row) {
        const Rect name = LabelNameRect(row);
        EXPECT_EQ(name.y, rowTops[row]) << row;
        EXPECT_EQ(LabelScoreRect(row).y, name.y) << row;
        EXPECT_LE(tops[row], name.y) << row;
        EXPECT_GE(ends[row], name.y + name.h) << row;
        EXPECT_EQ(tops[row] - tops[0], row * (tops[1] - tops[0])) << row;
    }
    EXPECT_EQ(LabelNameRect(0), (Rect{128, 112, 393, 33}));
    EXPECT_EQ(LabelScoreRect(2).Right(), 601);
}

}  // namespace
}  // namespace krepogor
