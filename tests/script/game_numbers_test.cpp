// The battle's own numbers as the state prints them: the same text as the
// standard library's shortest form, and read back as the same numbers.
#include <gtest/gtest.h>

#include <charconv>
#include <filesystem>
#include <string>
#include <vector>

#include "battle/Keys.h"
#include "frontend/BattleMenu.h"
#include "frontend/MainMenu.h"
#include "headless/Rig.h"
#include "script/ScratchGameDir.h"
#include "state/NumberText.h"
#include "state/TextNumber.h"

namespace krepogor {
namespace {

#if defined(__cpp_lib_to_chars)
template <typename T>
void ExpectStandard(T v, const char* name) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    const std::string text = NumberText(v);
    ASSERT_EQ(text, std::string(buf, r.ptr)) << name;
    T back{};
    ASSERT_TRUE(TextNumber(text, back) && back == v) << name << " " << text;
}

template <typename T, int Lo, int Hi>
void ExpectStandard(Slots<T, Lo, Hi>& slots, const char* name) {
    for (int i = Lo; i <= Hi; ++i) ExpectStandard(slots(i), name);
}
#endif

TEST(GameNumbersTest, PrintAsTheStandardLibraryPrintsThem) {
#if !defined(__cpp_lib_to_chars)
    GTEST_SKIP() << "this C++ library has no floating-point std::to_chars";
#else
    namespace fs = std::filesystem;
    const fs::path root = KREPOGOR_SOURCE_DIR;
    Rig rig(ScratchGameDir(root, "game_numbers").string());
    Game& g = rig.game;
    BattleState& s = g.st;
    rig.random.Seed(7);
    for (int i = 0; i < 5; ++i) rig.dialogs.Queue({ScriptedDialogs::Answer::Text, "Счёт"});
    frm_menu_Load(g);
    lbl_new_game_Click(g);
    // A gunner firing as fast as the balls come back, buying what it can:
    // every floating-point variable at every tick of five battle minutes.
    for (int tick = 0; tick < 15000 && !HasFatalFailure(); ++tick) {
        if (!g.windows.IsVisible("frm_vustrel")) lbl_new_game_Click(g);
        BattleWindow_Key(g, tick % 50 < 25 ? vbKeyUp : vbKeyDown);
        for (int16_t key : {vbKeySpace, vbKeyC, vbKeyV, vbKeyB}) BattleWindow_Key(g, key);
        rig.Wait(20);
        ExpectStandard(s.KernelDt, "KernelDt");
        ExpectStandard(s.KernelSpeed, "KernelSpeed");
        ExpectStandard(s.KernelX, "KernelX");
        ExpectStandard(s.KernelY, "KernelY");
        ExpectStandard(s.KernelT, "KernelT");
        ExpectStandard(s.KernelRad, "KernelRad");
        ExpectStandard(s.MobX, "MobX");
        ExpectStandard(s.MobY, "MobY");
        ExpectStandard(s.MobSpeed, "MobSpeed");
        ExpectStandard(s.BumX, "BumX");
        ExpectStandard(s.BumY, "BumY");
        ExpectStandard(s.VustrelY, "VustrelY");
        for (double z : {s.Zifra1, s.Zifra2, s.Zifra3, s.Pi, s.Grav}) ExpectStandard(z, "Zifra");
        ExpectStandard(s.MobSpeedBase, "MobSpeedBase");
        ExpectStandard(s.Count5, "Count5");
    }
    EXPECT_GT(s.ShotCount, 100);
#endif
}

}  // namespace
}  // namespace krepogor
