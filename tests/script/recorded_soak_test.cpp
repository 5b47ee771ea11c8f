// Random runs of the program as the desktop runs it (timers fired on a real
// clock that wakes late, now and then by whole periods, boxes held open with
// timers going on in them, tracks ending when their device finds it) are
// recorded as the desktop records them and replayed by the driver, which must
// end in the state they ended in.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sstream>

#include "desktop/TimersMayWait.h"
#include "desktop/sdl/SdlPictureDecoder.h"
#include "frontend/BattleMenu.h"
#include "frontend/CloseBox.h"
#include "frontend/MainMenu.h"
#include "frontend/Shutdown.h"
#include "headless/fake/EventLog.h"
#include "headless/fake/FakeMediaSystem.h"
#include "headless/fake/RecordingWavPlayer.h"
#include "headless/fake/ScriptedDialogs.h"
#include "render/PictureLoader.h"
#include "render/SceneView.h"
#include "replay/Controls.h"
#include "replay/KeyNames.h"
#include "replay/RecordingDialogs.h"
#include "replay/RunRecorder.h"
#include "script/Driver.h"
#include "script/RunScript.h"
#include "script/ScratchGameDir.h"
#include "state/ProgramEnded.h"

namespace krepogor {
namespace {

namespace fs = std::filesystem;
using Answer = ScriptedDialogs::Answer;

// The program on the real clock's timers, recorded.
struct RecordedRun {
    RecordedRun(const fs::path& root, const fs::path& dir, uint64_t seed)
        : media(log, dir.string()),
          scripted(boxes),
          wav(log, dir.string()),
          recorder(
              [this](const std::string& line) {
                  recording << line << '\n';
                  return true;
              },
              game),
          dialogs(scripted, timers, recorder),
          platform{timers, media, dialogs, wav, random, dir.string()},
          game(platform),
          view(game),
          gen(seed) {
        game.view = &view;
        SdlPictureDecoder decoder;
        LoadPictures(game.pics, decoder, (root / "resources").string(), dir.string());
        random.Seed(seed);
        media.EndsByClock(true);
        media.onEnd = [this](const std::string& name) { recorder.TrackEnded(clock, name); };
        scripted.waitWhileOpen = [this](int64_t ms) {
            for (const int64_t until = clock + ms; clock < until;) {
                clock = std::min(until, clock + 1 + Below(60));
                Timers();
            }
        };
        scripted.answerWhenNone = [this](bool input, MsgButtons buttons) {
            if (Chance(0.5)) scripted.OpenFor(Below(3000));
            if (input) return Answer{Answer::Text, Chance(0.5) ? "Солдат" : ""};
            if (buttons == MsgButtons::OK) return Answer{Answer::OK, ""};
            return Answer{Chance(0.1) ? Answer::Yes : Answer::No, ""};
        };
    }

    bool Chance(double p) { return std::uniform_real_distribution<>(0, 1)(gen) < p; }
    int Below(int n) { return std::uniform_int_distribution<>(0, n - 1)(gen); }

    // The loop wakes at `clock` and fires what is due, as the desktop does.
    void Timers() {
        const bool realClock = !TimersMayWait(game);
        const auto due = timers.NextDue();
        recorder.Timers(clock, realClock, due && *due <= clock, [&] {
            if (realClock)
                timers.RunOnRealClock(clock);
            else
                timers.CatchUp(clock);
        });
        media.AdvanceTo(clock);
    }

    // One input of a player at random, as the desktop takes it.
    void Input() {
        static const char* keys[] = {"Space", "Space", "Up", "Down", "V",  "C",  "B", "P",
                                     "Esc",   "F1",    "F2", "F3",   "F4", "F5", "F7"};
        static const char* screens[] = {"FrmRules", "frm_credits", "FrmLost", "FrmWin",
                                        "FrmRecords"};
        const std::string shown = game.windows.Visible();
        std::string line;
        std::function<void()> act;
        if (shown == "frm_vustrel" && Chance(0.9)) {
            const std::string key = keys[Below(15)];
            line = "key " + key;
            act = [this, key] { BattleWindow_Key(game, *KeyCode(key)); };
        } else if (shown == "frm_vustrel") {
            const std::string i = std::to_string(Below(3));
            const bool hover = Chance(0.5);
            line = std::string(hover ? "hover" : "click") + " frm_vustrel LblMod " + i;
            act = [this, hover, i] {
                ControlAction("frm_vustrel", "LblMod", std::stoi(i), hover)(game);
            };
        } else if (shown == "frm_menu") {
            const char* what = Chance(0.95) ? "lbl_new_game" : "lbl_credits";
            line = std::string("click frm_menu ") + what;
            act = [this, what] { ControlAction("frm_menu", what, std::nullopt, false)(game); };
        } else {
            for (const char* s : screens)
                if (shown == s) {
                    line = std::string("click ") + s + " Form";
                    act = [this, s] { ScreenClick(game, s); };
                }
        }
        if (act) recorder.Command(clock, line, act);
    }

    EventLog log, boxes;
    TimerQueue timers{true};
    FakeMediaSystem media;
    ScriptedDialogs scripted;
    RecordingWavPlayer wav;
    ScriptedRandom random;
    std::ostringstream recording;
    RunRecorder recorder;
    RecordingDialogs dialogs;
    Platform platform;
    Game game;
    SceneView view;  // the status display keeps a variable of its own
    std::mt19937_64 gen;
    int64_t clock = 0;
};

TEST(SoakTest, RecordedRandomRunsReplayToTheStateTheyEndedIn) {
    const fs::path root = KREPOGOR_SOURCE_DIR;
    if (!fs::exists(root / "gamedata/pics/map.jpg")) GTEST_SKIP() << "no game data";
    const fs::path dir = ScratchGameDir(root, "recorded-soak");
    for (uint64_t seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE("run " + std::to_string(seed));
        fs::remove_all(dir / "gamedata/tables");
        RecordedRun run(root, dir, seed);
        try {
            run.recorder.Start(seed, 0, [&] { frm_menu_Load(run.game); });
            for (int pass = 0; pass < 6000; ++pass) {
                // Mostly on the beat, now and then late, seldom by whole periods.
                run.clock += run.Chance(0.01) ? 50 + run.Below(400) : 15 + run.Below(12);
                run.Timers();
                if (run.Chance(0.08)) run.Input();
            }
            run.recorder.Command(run.clock, "quit", [&] { Shutdown(run.game); });
        } catch (const ProgramEnded&) {
        }
        run.recorder.Finish();

        fs::remove_all(dir / "gamedata/tables");
        std::ostringstream out, err;
        Driver driver(dir.string(), (root / "resources").string(), out);
        std::istringstream in(run.recording.str());
        EXPECT_EQ(RunScript(driver, in, out, err), 0) << err.str();
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace krepogor
