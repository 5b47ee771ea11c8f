// A million battle ticks of play at random: keys, menu commands, clicks,
// boxes answered at random, new battles and new starts of the program, with
// the autopilot taking over some battles so that every level and the victory
// are reached too. The battle's invariants are checked after every tick.
// KREPOGOR_SOAK_TICKS sets a longer (or shorter) run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <sstream>

#include "battle/GunControls.h"
#include "battle/Keys.h"
#include "codec/SdlPictureDecoder.h"
#include "frontend/BattleMenu.h"
#include "frontend/CloseBox.h"
#include "frontend/InfoScreens.h"
#include "frontend/MainMenu.h"
#include "headless/Rig.h"
#include "render/PictureLoader.h"
#include "script/Autopilot.h"
#include "script/Invariants.h"
#include "script/ScratchGameDir.h"
#include "state/ProgramEnded.h"

namespace krepogor {
namespace {

namespace fs = std::filesystem;
using Answer = ScriptedDialogs::Answer;

int64_t TicksWanted() {
    const char* text = std::getenv("KREPOGOR_SOAK_TICKS");
    return text ? std::atoll(text) : 1000000;
}

// One run of the program, from its start to its end.
struct Program {
    Program(const fs::path& root, const fs::path& dir, uint64_t seed)
        : rig(dir.string()), pilot(rig.game, pilotLines) {
        SdlPictureDecoder decoder;
        LoadPictures(rig.game.pics, decoder, (root / "resources").string(), dir.string());
        rig.random.Seed(seed);
    }
    Rig rig;
    std::stringstream pilotLines;
    Autopilot pilot;
};

class RandomPlayer {
public:
    explicit RandomPlayer(uint64_t seed) : gen_(seed) {}

    bool Chance(double p) { return std::uniform_real_distribution<>(0, 1)(gen_) < p; }
    int Below(int n) { return std::uniform_int_distribution<>(0, n - 1)(gen_); }
    uint64_t Seed() { return gen_(); }

    // Quitting is rare, so that battles run long enough to matter.
    Answer Box(bool input, MsgButtons buttons) {
        if (input) {
            static const char* names[] = {"", "Солдат", "Очень длинное имя победителя", "A b"};
            const int n = Below(6);
            if (n == 4) return {Answer::Cancel, ""};
            if (n == 5) return {Answer::OK, ""};
            return {Answer::Text, names[n]};
        }
        if (buttons == MsgButtons::OK) return {Answer::OK, ""};
        return {Chance(0.2) ? Answer::Yes : Answer::No, ""};
    }

    // A key on the battle window: mostly the gunner's, now and then a
    // function key, the pause or Esc. A calm player (beside the autopilot)
    // presses far fewer keys.
    void BattleStep(Game& g, bool calm) {
        static constexpr int16_t gunner[] = {vbKeySpace, vbKeySpace, vbKeyUp, vbKeyDown,
                                             vbKeyC,     vbKeyV,     vbKeyB};
        if (Chance(calm ? 0.01 : 0.5)) BattleWindow_Key(g, gunner[Below(7)]);
        if (Chance(calm ? 0.00002 : 0.0001)) BattleWindow_Key(g, vbKeyEscape);
        if (Chance(calm ? 0.0001 : 0.002)) BattleWindow_Key(g, vbKeyP);
        if (Chance(calm ? 0.00005 : 0.002))
            BattleWindow_Key(g, static_cast<int16_t>(vbKeyF1 + Below(8)));
        if (Chance(calm ? 0.001 : 0.02)) {
            const auto i = static_cast<int16_t>(Below(3));
            Chance(0.5) ? LblMod_Click(g, i) : LblMod_MouseMove(g, i);
        }
        if (Chance(0.002)) BattleWindow_Key(g, static_cast<int16_t>(Below(256)));
    }

    // The main menu and the screens in front of it.
    void MenuStep(Game& g) {
        if (!Chance(0.05)) return;
        const std::string shown = g.windows.Visible();
        if (shown == "frm_menu") {
            const int n = Below(100);
            if (n < 90)
                lbl_new_game_Click(g);
            else if (n < 98)
                lbl_credits_Click(g);
            else if (n < 99)
                lbl_exit_Click(g);
            else
                CloseRequest(g, shown);
        } else if (!shown.empty()) {
            Chance(0.5) ? ScreenClick(g, shown) : CloseRequest(g, shown);
        }
    }

private:
    std::mt19937_64 gen_;
};

TEST(SoakTest, AMillionTicksOfRandomPlayKeepTheInvariants) {
    const fs::path root = KREPOGOR_SOURCE_DIR;
    if (!fs::exists(root / "gamedata/pics/map.jpg")) GTEST_SKIP() << "no game data";
    const fs::path dir = ScratchGameDir(root, "random-soak");
    RandomPlayer player(20261209);
    const int64_t wanted = TicksWanted();
    int64_t ticks = 0, starts = 0, battles = 0, wins = 0, topLevel = 0;

    while (ticks < wanted) {
        auto program = std::make_unique<Program>(root, dir, player.Seed());
        ++starts;
        Rig& rig = program->rig;
        Game& g = rig.game;
        rig.dialogs.answerWhenNone = [&](bool input, MsgButtons b) {
            if (player.Chance(0.1)) rig.dialogs.OpenFor(player.Below(3000));
            return player.Box(input, b);
        };
        try {
            frm_menu_Load(g);
            Timer& kernel = g.frm_vustrel.Tmr_kernel;
            kernel.OnTimer = [&, battleTick = kernel.OnTimer] {
                battleTick();
                ++ticks;
                ExpectInvariants(g.st);
                if (program->pilot.IsOn()) program->pilot.AfterTick();
            };
            float count5 = 0;
            for (int64_t step = 0; ticks < wanted && !testing::Test::HasFailure(); ++step) {
                if (g.windows.IsVisible("frm_vustrel")) {
                    // A new battle is played by the autopilot or at random.
                    if (g.st.Count5 == 5 && count5 != 5) {
                        program->pilot.On(player.Chance(0.5));
                        ++battles;
                    }
                    count5 = g.st.Count5;
                    player.BattleStep(g, program->pilot.IsOn());
                } else {
                    player.MenuStep(g);
                }
                if (player.Chance(0.001)) rig.dialogs.OpenFor(player.Below(2000));
                rig.Wait(20);
                topLevel = std::max<int64_t>(topLevel, g.st.Level);
                if (step % 1000 == 0) {
                    rig.log.Take();
                    rig.boxes.Take();
                }
            }
        } catch (const ProgramEnded&) {
        }
        for (std::string line; std::getline(program->pilotLines, line);)
            wins += line.find("\"victory\"") != std::string::npos;
        if (testing::Test::HasFailure()) break;
    }
    std::cout << ticks << " battle ticks, " << starts << " starts, " << battles << " battles, "
              << wins << " won by the autopilot, highest level " << topLevel << "\n";
    EXPECT_GE(ticks, wanted);
    if (wanted >= 1000000) {
        EXPECT_GE(wins, 1);
        EXPECT_EQ(topLevel, 10);
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace krepogor
