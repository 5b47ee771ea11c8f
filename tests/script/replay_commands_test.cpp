// What a recording of the desktop program asks of the driver: `expect` and
// status 5, the real clock's `step`, ends of tracks where the recording heard
// them, what happened while a box was open, and an end of the program there.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "replay/StateValues.h"
#include "script/Driver.h"
#include "script/RunScript.h"
#include "script/ScratchGameDir.h"

namespace krepogor {
namespace {

namespace fs = std::filesystem;

const fs::path Root = KREPOGOR_SOURCE_DIR;

class ReplayCommands : public ::testing::Test {
protected:
    ~ReplayCommands() override { fs::remove_all(dir); }

    // Runs `script` on a fresh driver; returns its status, `err` what it said.
    int Status(const std::string& script) {
        fs::remove_all(dir / "gamedata/tables");  // each run from the same book
        std::ostringstream out;
        Driver d(dir.string(), (Root / "resources").string(), out);
        std::istringstream in(script);
        err.str("");
        return RunScript(d, in, out, err);
    }

    // The expect line of the state `script` leaves.
    std::string ExpectAfter(const std::string& script) {
        fs::remove_all(dir / "gamedata/tables");
        std::ostringstream out;
        Driver d(dir.string(), (Root / "resources").string(), out);
        std::istringstream in(script);
        EXPECT_EQ(RunScript(d, in, out, err), 0) << err.str();
        return ExpectLine(d.rig().game);
    }

    fs::path dir = ScratchGameDir(Root, "replay-commands");
    std::ostringstream err;
};

const std::string kBattle =
    "seed 7\nstart\nclick frm_menu lbl_new_game\nwait 5200\nkey Up\nkey Space\n";

TEST_F(ReplayCommands, ExpectAgreesOrNamesTheLineTheVariableAndBothValues) {
    const std::string played = kBattle + "wait 700\nkey Space\nwait 1500\n";
    const std::string expect = ExpectAfter(played);
    EXPECT_EQ(Status(played + expect + "\n"), 0) << err.str();

    // One wait 20 ms longer: the shots fly on, the state is another.
    std::string changed = played;
    changed.replace(changed.find("wait 700"), 8, "wait 720");
    EXPECT_EQ(Status(changed + expect + "\n"), 5);
    EXPECT_EQ(err.str().rfind("line 10: expect: ", 0), 0) << err.str();
    EXPECT_NE(err.str().find(", the script expects "), std::string::npos);

    // Only the named values are compared; an unknown name or a word without
    // a value is a malformed line.
    EXPECT_EQ(Status(kBattle + "expect Level=1 GunAngle=30 visible=\"frm_vustrel\"\n"), 0)
        << err.str();
    EXPECT_EQ(Status(kBattle + "expect Level=2\n"), 5);
    EXPECT_EQ(err.str(), "line 7: expect: Level is 1, the script expects 2\n");
    EXPECT_EQ(Status(kBattle + "expect Levels=1\n"), 2);
    EXPECT_EQ(Status(kBattle + "expect Level\n"), 2);
    EXPECT_EQ(Status(kBattle + "expect\n"), 2);
}

TEST_F(ReplayCommands, BlanksInStringsStayInTheirWord) {
    const std::string after = ExpectAfter("start\nset PlayerName \"Ян  Ли\"\n");
    EXPECT_NE(after.find(" PlayerName=\"Ян\\u0020\\u0020Ли\" "), std::string::npos);
    EXPECT_EQ(CompactJson("[1, \"a b\", \"\\\" c\"]"), "[1,\"a\\u0020b\",\"\\\"\\u0020c\"]");
}

TEST_F(ReplayCommands, TheStateTheProgramEndedInIsStillCompared) {
    const std::string ended = kBattle + "answer Yes\nmenu Exiting\nkey Space\n";
    EXPECT_EQ(Status(ended + "expect visible=\"\" ShotCount=1\n"), 0) << err.str();
    EXPECT_EQ(Status(ended + "expect ShotCount=2\n"), 5);
    EXPECT_EQ(err.str(), "line 10: expect: ShotCount is 1, the script expects 2\n");
}

TEST_F(ReplayCommands, StepFiresEachLateTimerOnceWhereWaitCatchesUp) {
    // The countdown counts once a second: a second and a half late, the real
    // clock counts it once, the virtual clock once for each second.
    const std::string menu = "start\nclick frm_menu lbl_new_game\nwait 900\n";
    EXPECT_EQ(Status(menu + "step 2600\nexpect Count5=4\n"), 0) << err.str();
    EXPECT_EQ(Status(menu + "wait 2600\nexpect Count5=2\n"), 0) << err.str();
}

TEST_F(ReplayCommands, RecordedTracksEndOnlyWhereTheRecordingSaysSo) {
    std::ostringstream out;
    Driver d(dir.string(), (Root / "resources").string(), out);
    for (const char* line : {"trackends recorded", "start", "devices"}) d.Run(line);
    // The main menu's track is a few minutes long; an hour later it still plays.
    out.str("");
    d.Run("wait 3600000");
    d.Run("devices");
    EXPECT_EQ(out.str(), "{\"devices\": []}\n");
    // Its end, where the recording heard it, starts the next track.
    d.Run("trackend mm_menu");
    d.Run("devices");
    EXPECT_NE(out.str().find("[\"mm_menu\", \"Close\"]"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("[\"mm_menu\", \"Play\"]"), std::string::npos) << out.str();
    EXPECT_EQ(Status("start\ntrackend nothing\n"), 2);
    EXPECT_EQ(Status("start\ntrackends sometimes\n"), 2);
}

TEST_F(ReplayCommands, WhatHappenedWhileABoxWasOpenHappensInsideIt) {
    // The winning shot opens the name box; its explosion goes on in the box.
    const std::string won =
        "seed 9\nstart\nclick frm_menu lbl_new_game\nwait 5000\nset Level 10\n"
        "set Kills 1499\nset MobLive(5) -1\nset MobX(5) 500\nset MobY(5) 100\n"
        "set MobSpeed(5) 0\nset KernelFly(2) -1\nset KernelX(2) 520\nset KernelY(2) 110\n";
    auto faza = [](const std::string& expect) {
        const size_t at = expect.find(" BumFaza=");
        return expect.substr(at, expect.find(' ', at + 1) - at);
    };
    // Fired once, late, on the real clock, or each period on the virtual one.
    const std::string stepped =
        ExpectAfter(won + "inbox step 200\nboxtime 0\nanswer Cancel\nwait 20\n");
    const std::string waited = ExpectAfter(won + "boxtime 200\nanswer Cancel\nwait 20\n");
    EXPECT_NE(faza(stepped), faza(waited));
    EXPECT_EQ(Status(won + "inbox step 200\nboxtime 0\nanswer Cancel\nwait 20\n" + stepped), 0)
        << err.str();
    EXPECT_EQ(Status(won + "inbox key Esc\n"), 2);
    // A signal ends the program while the exit question waits.
    EXPECT_EQ(Status(kBattle + "boxtime 40\nanswer quit\nkey Esc\nexpect visible=\"\"\n"), 0)
        << err.str();
}

}  // namespace
}  // namespace krepogor
