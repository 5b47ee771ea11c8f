#include <gtest/gtest.h>

#include "desktop/KeyRouting.h"
#include "desktop/MainMenuFocus.h"

namespace krepogor {
namespace {

// USB HID usage numbers (SDL's scancodes).
constexpr int kEnter = 40, kEsc = 41, kSpace = 44, kF1 = 58, kF10 = 67, kDown = 81, kUp = 82,
              kKeypadEnter = 88;

TEST(KeyRoutingTest, EscAndEnterCloseEveryScreenAndTheBook) {
    for (const char* screen : {"FrmRules", "frm_credits", "FrmLost", "FrmWin", "FrmRecords"}) {
        KeyRouter r;
        for (int key : {kEsc, kEnter, kKeypadEnter})
            EXPECT_EQ(r.Down(screen, key, false, false), KeyUse::CloseScreen) << screen;
        EXPECT_EQ(r.Down(screen, kSpace, false, false), KeyUse::Ignore) << screen;
        EXPECT_EQ(r.Down(screen, kF10, false, false), KeyUse::Ignore) << screen;
        // A held key closes nothing: only a press does.
        EXPECT_EQ(r.Down(screen, kEnter, true, false), KeyUse::Ignore) << screen;
    }
    KeyRouter r;
    EXPECT_EQ(r.Down("", kEnter, false, false), KeyUse::Ignore);
}

TEST(KeyRoutingTest, UpDownAndEnterWalkTheMainMenuAndNothingElseDoes) {
    KeyRouter r;
    for (int key : {kUp, kDown, kEnter, kKeypadEnter})
        EXPECT_EQ(r.Down("frm_menu", key, false, false), KeyUse::MainMenu) << key;
    EXPECT_EQ(r.Down("frm_menu", kDown, true, false), KeyUse::MainMenu);  // held, it walks on
    EXPECT_EQ(r.Down("frm_menu", kEnter, true, false), KeyUse::Ignore);   // held, it chose once
    for (int key : {kEsc, kSpace, kF1, kF10})
        EXPECT_EQ(r.Down("frm_menu", key, false, false), KeyUse::Ignore) << key;

    // Nothing lit until a key is pressed; the first lights "Новая Игра".
    MainMenuFocus f;
    EXPECT_EQ(f.Lit(), -1);
    EXPECT_EQ(f.Key(MenuKey::Choose), "");  // lights, chooses nothing yet
    EXPECT_EQ(f.Lit(), 0);
    struct Step {
        MenuKey key;
        int lit;
        const char* chosen;
    };
    const Step steps[] = {
        {MenuKey::Down, 1, ""}, {MenuKey::Down, 2, ""}, {MenuKey::Choose, 2, "lbl_exit"},
        {MenuKey::Down, 0, ""},  // round the end
        {MenuKey::Up, 2, ""},   {MenuKey::Up, 1, ""},   {MenuKey::Choose, 1, "lbl_credits"},
        {MenuKey::Left, 1, ""},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(f.Key(s.key), s.chosen);
        EXPECT_EQ(f.Lit(), s.lit);
    }
    EXPECT_TRUE(f.Clear());  // the mouse puts it out
    EXPECT_FALSE(f.Clear());
    EXPECT_EQ(f.Key(MenuKey::Up), "");
    EXPECT_EQ(f.Lit(), 0);
    EXPECT_EQ(f.Key(MenuKey::Choose), "lbl_new_game");
}

TEST(KeyRoutingTest, TheBattleTakesItsKeysAndF10OrAnOpenMenuGoesToTheMenuBar) {
    KeyRouter r;
    EXPECT_EQ(r.Down("frm_vustrel", kEsc, false, false), KeyUse::Battle);
    EXPECT_EQ(r.Down("frm_vustrel", kUp, true, false), KeyUse::Battle);
    EXPECT_EQ(r.Down("frm_vustrel", kF10, false, false), KeyUse::MenuBar);
    EXPECT_EQ(r.Down("frm_vustrel", kF1, false, true), KeyUse::MenuBar);
    // Arrows repeat in the drop-down; Enter, Esc and F10 act once a press.
    EXPECT_EQ(r.Down("frm_vustrel", kDown, true, true), KeyUse::MenuBar);
    EXPECT_EQ(r.Down("frm_vustrel", kEnter, true, true), KeyUse::Ignore);
    EXPECT_EQ(r.Down("frm_vustrel", kF10, true, false), KeyUse::Ignore);
}

TEST(KeyRoutingTest, AKeyThatMovedTheKeyboardDoesNotRepeatWhereItWent) {
    KeyRouter r;
    // Esc closes the rules; held, it must not ask the battle to leave.
    EXPECT_EQ(r.Down("FrmRules", kEsc, false, false), KeyUse::CloseScreen);
    r.KeyboardMoved();
    EXPECT_EQ(r.Down("frm_vustrel", kEsc, true, false), KeyUse::Ignore);
    EXPECT_EQ(r.Down("frm_vustrel", kEsc, true, false), KeyUse::Ignore);
    // Other held keys are the battle's as ever.
    EXPECT_EQ(r.Down("frm_vustrel", kUp, true, false), KeyUse::Battle);
    // Released and pressed again, Esc is the battle's.
    r.Up(kEsc);
    EXPECT_EQ(r.Down("frm_vustrel", kEsc, true, false), KeyUse::Battle);
    // A new press lifts the hold at once, even without the release seen.
    EXPECT_EQ(r.Down("frm_vustrel", kEnter, false, true), KeyUse::MenuBar);
    r.KeyboardMoved();
    EXPECT_EQ(r.Down("frm_vustrel", kEsc, false, false), KeyUse::Battle);
    EXPECT_EQ(r.Down("frm_vustrel", kEnter, true, false), KeyUse::Battle);
}

TEST(KeyRoutingTest, MenuKeys) {
    EXPECT_EQ(MenuKeyOf(kF10), MenuKey::Toggle);
    EXPECT_EQ(MenuKeyOf(kEnter), MenuKey::Choose);
    EXPECT_EQ(MenuKeyOf(kKeypadEnter), MenuKey::Choose);
    EXPECT_EQ(MenuKeyOf(kEsc), MenuKey::Close);
    EXPECT_EQ(MenuKeyOf(79), MenuKey::Right);
    EXPECT_EQ(MenuKeyOf(80), MenuKey::Left);
    EXPECT_EQ(MenuKeyOf(kDown), MenuKey::Down);
    EXPECT_EQ(MenuKeyOf(kUp), MenuKey::Up);
    EXPECT_FALSE(MenuKeyOf(kSpace).has_value());
    EXPECT_FALSE(MenuKeyOf(kF1).has_value());
}

}  // namespace
}  // namespace krepogor
