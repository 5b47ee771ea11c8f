// The autopilot plays whole battles from the main menu to the victory, and
// its aim foresees what the battle then does.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "frontend/BookRecord.h"
#include "script/Aim.h"
#include "script/Driver.h"
#include "script/ScratchGameDir.h"

namespace krepogor {
namespace {

namespace fs = std::filesystem;

const fs::path Root = KREPOGOR_SOURCE_DIR;

void RunAll(Driver& d, std::initializer_list<const char*> lines) {
    for (const char* line : lines) ASSERT_TRUE(d.Run(line)) << line;
}

class AutopilotBattle : public ::testing::TestWithParam<int> {};

TEST_P(AutopilotBattle, WinsFromLevelOneToTheBookWithinTwoHours) {
    const fs::path dir = ScratchGameDir(Root, "autopilot-" + std::to_string(GetParam()));
    std::ostringstream out;
    Driver d(dir.string(), (Root / "resources").string(), out);
    const BattleState& s = d.rig().game.st;
    ASSERT_TRUE(d.Run("seed " + std::to_string(GetParam())));
    RunAll(d, {"start", "autopilot on", "answer text:Автопилот", "click frm_menu lbl_new_game",
               "wait 5000"});

    // Level by level, in order, one tick at a time.
    int level = s.Level;
    ASSERT_EQ(level, 1);
    const int64_t twoHours = 2 * 3600 * 1000;
    while (d.rig().game.windows.IsVisible("frm_vustrel") && d.rig().Now() < twoHours) {
        ASSERT_TRUE(d.Run("wait 20"));
        if (s.Level != level) {
            ASSERT_EQ(s.Level, level + 1) << "at " << s.Kills << " kills";
        }
        level = s.Level;
    }
    ASSERT_TRUE(d.rig().game.windows.IsVisible("FrmWin")) << out.str();
    EXPECT_EQ(s.Level, 10);
    EXPECT_EQ(s.Kills, 1500);
    EXPECT_EQ(s.FinalScore, s.ModPoints + 3 * s.Kills + 8 * s.Life + 250 * (s.ForceLevel - 1) +
                                300 * (s.DtLevel - 1) - s.ShotCount);
    EXPECT_EQ(d.rig().game.LblScore.Caption, std::to_string(s.FinalScore));

    const std::string text = out.str();
    EXPECT_NE(text.find("{\"autopilot\": {\"seed\": " + std::to_string(GetParam()) +
                        ", \"result\": \"victory\""),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\"InputBox\", \"Запись в книгу чемпионов\""), std::string::npos) << text;
    // The README quotes the line each seed prints: a change to the battle or
    // the autopilot changes the quote with it.
    const std::string line = text.substr(0, text.find('\n'));
    std::ifstream readme(Root / "README.md");
    const std::string quoted(std::istreambuf_iterator<char>(readme), {});
    EXPECT_NE(quoted.find(line + "\n"), std::string::npos) << "README.md does not quote\n" << line;

    // The book on disk holds the winner in its first row.
    std::ifstream book(dir / "gamedata/tables/table.dat", std::ios::binary);
    BookRecord row{};
    ASSERT_TRUE(book.read(reinterpret_cast<char*>(&row), sizeof row));
    EXPECT_EQ(DecodeName(row), "Автопилот");
    EXPECT_EQ(DecodeScore(row), ClampScore(s.FinalScore));
    book.close();  // Windows removes no open file
    fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(Seeds, AutopilotBattle, ::testing::Values(1, 2, 3));

TEST(AutopilotSwitch, IsOnOrOffAndLeavesTheBoxesToTheScript) {
    const fs::path dir = ScratchGameDir(Root, "autopilot-switch");
    std::ostringstream out;
    Driver d(dir.string(), (Root / "resources").string(), out);
    EXPECT_THROW(d.Run("autopilot maybe"), ScriptError);
    EXPECT_THROW(d.Run("autopilot"), ScriptError);
    RunAll(d, {"autopilot on", "seed 2", "start", "click frm_menu lbl_new_game", "wait 5000",
               "set Level 10", "set Kills 1499"});
    // The last kill wins, and the name box finds no answer queued.
    EXPECT_THROW(d.Run("wait 60000"), UnansweredBox);
    EXPECT_EQ(d.rig().game.st.Kills, 1500);
    fs::remove_all(dir);
}

// A battle held by the script at a known moment: one tank on the field.
class AimTest : public ::testing::Test {
protected:
    void SetUp() override {
        RunAll(d_, {"seed 9", "start", "click frm_menu lbl_new_game", "wait 5000",
                    "set MobLive(1) -1", "set MobY(1) 435", "set MobHP1 3"});
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path dir_ = ScratchGameDir(Root, "aim");
    std::ostringstream out_;
    Driver d_{dir_.string(), (Root / "resources").string(), out_};
    const BattleState& s_ = d_.rig().game.st;
};

// The foreseen tick of a hit is the tick the battle strikes in, for every
// angle and every upgrade of speed and force.
TEST_F(AimTest, ForeseesTheTickOfTheHit) {
    int hits = 0;
    Arcs arcs;
    for (const char* upgrade : {"", "C", "V"}) {
        RunAll(d_, {"set ModPoints 1000"});
        if (*upgrade) {
            ASSERT_TRUE(d_.Run(std::string("key ") + upgrade));
        }
        for (int angle = 0; angle <= 90; angle += 15) {
            for (float x : {150.0f, 250.0f, 350.0f, 900.0f}) {
                RunAll(d_, {"set KernelFly(1) 0", "set KernelX(1) 60", "set KernelY(1) 0",
                            "set MobLive(1) -1", "set MobHP1 3", "set MobSpeed(1) 3.5"});
                ASSERT_TRUE(d_.Run("set MobX(1) " + std::to_string(x)));
                const BallFate fate = Aim(d_.rig().game, arcs).Fired(1, angle);
                while (s_.GunAngle < angle) ASSERT_TRUE(d_.Run("key Up"));
                while (s_.GunAngle > angle) ASSERT_TRUE(d_.Run("key Down"));
                ASSERT_TRUE(d_.Run("key Space"));
                int tick = 0;
                while (s_.KernelFly(1) == -1 && tick < 1000) {
                    ASSERT_TRUE(d_.Run("wait 20"));
                    ++tick;
                }
                const bool hit = s_.MobHP1 == 2;
                EXPECT_EQ(fate.kind, hit ? 1 : 0) << angle << " degrees at x " << x;
                EXPECT_EQ(fate.ticks, tick) << angle << " degrees at x " << x;
                hits += hit;
            }
        }
    }
    EXPECT_GE(hits, 12) << "too few hits to tell";
}

}  // namespace
}  // namespace krepogor
