#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "headless/Rig.h"
#include "replay/RecordingPlayer.h"
#include "replay/StateValues.h"
#include "state/ProgramEnded.h"
#include "support/SpecialFiles.h"

namespace krepogor {
namespace {

namespace fs = std::filesystem;

// Nothing that is no recording is shown: a file that cannot be read, a
// folder, a file without a line, a line no recording holds (shown escaped
// and cut to a readable length, however long it is).
TEST(RecordingPlayerTest, WhatIsNoRecordingIsRefusedAndSaysWhy) {
    const fs::path dir = fs::temp_directory_path() / "krepogor-recording-check";
    fs::remove_all(dir);
    fs::create_directories(dir / "folder");
    struct Case {
        const char* name;
        std::string bytes;
        std::string error;  // "": shown
    };
    const Case cases[] = {
        {"missing", "", "не удаётся прочитать файл: нет такого файла или папки"},
        {"folder", "", "это папка, а не файл записи"},
        {"empty", "", "в файле нет ни одной строки записи"},
        {"blank", "\n  \n# a comment\n", "в файле нет ни одной строки записи"},
        {"escapes", "seed 1\nstart\n\x1b[2Jfly away\n",
         "строка 3 не из записи: «\\x1B[2Jfly away»"},
        {"number", "seed 1\r\nwait -5\r\n", "строка 2 не из записи: «wait -5»"},
        {"huge", std::string(10'000'000, 'x'),
         "строка 1 не из записи: «" + std::string(80, 'x') + "…»"},
        {"zero-byte", std::string("seed 1\nwait\0 5\n", 15),
         "строка 2 не из записи: «wait\\x00 5»"},
        {"whole", "seed 42\ntrackends recorded\nstart\nwait 10\nanswer text:#1\nquit\n", ""},
        {"unended", "seed 42\nstart\nwait 10", ""},
#ifndef _WIN32
        {"pipe", "", "это не обычный файл"},
#endif
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path path = dir / c.name;
        if (!c.bytes.empty() || std::string(c.name) == "empty") {
            std::ofstream(path, std::ios::binary) << c.bytes;
        }
        if (std::string(c.name) == "pipe") {
            ASSERT_TRUE(MakePipe(path.string()));
        }
        std::string error;
        const auto recording = CheckRecording(
            std::string(c.name) == "folder" ? (dir / "folder").string() : path.string(), error);
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(recording.has_value(), c.error.empty());
        if (recording) {
            EXPECT_EQ(recording->seed, 42u);
            // Shown from its start.
            std::string first;
            std::getline(*recording->file, first);
            EXPECT_EQ(first, "seed 42");
        }
    }
    fs::remove_all(dir);
}

// A recording that runs out while the game still runs, or comes to a line
// no recording holds, is told once; the game stays where it was until the
// player takes over.
TEST(RecordingPlayerTest, ARecordingCutShortIsToldOnceAndTheGameWaits) {
    struct Case {
        std::string text;
        int64_t shown;  // ms the recording moved the clock on
        std::vector<std::string> told;
    };
    const Case cases[] = {
        {"seed 1\ntrackends recorded\nstart\nwait 100\nwait 50\n", 150, {""}},
        {"seed 1\nstart\nwait 100\nfly\nwait 50\n", 100, {"строка 4 не из записи: «fly»"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Rig rig;
        int64_t shown = 0;
        std::vector<std::string> told;
        RecordingPlayer player(rig.game, {[&](int64_t ms, bool) { shown += ms; },
                                          [](const std::string&) {}, [](int64_t) {}, &rig.dialogs,
                                          [&](const std::string& e) { told.push_back(e); }});
        player.Play({std::make_shared<std::istringstream>(c.text), 1});
        player.RunUntil(60);
        EXPECT_TRUE(told.empty());
        player.RunUntil(1000);
        player.RunUntil(2000);
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(told, c.told);
        EXPECT_TRUE(player.Playing());
        player.Stop();
        EXPECT_FALSE(player.Playing());
    }
}

// The `expect` lines hold the shown program to the run that was recorded:
// one that agrees passes, the first that does not stops the show where it
// is, told with its line, the value and the recording's; those after the
// program's end (the state it closed in) are held against it too.
TEST(RecordingPlayerTest, ExpectLinesHoldTheShowToTheRecordedRun) {
    const std::string level = [] {
        Rig rig;
        for (const StateValue& v : StateValues(rig.game))
            if (v.name == "Level") return v.word;
        return std::string();
    }();
    ASSERT_FALSE(level.empty());
    const std::string agrees = "expect Level=" + level + "\n";
    const std::string parts = "expect Level=" + level + "7\n";
    struct Case {
        std::string text;
        std::vector<std::string> told;  // while it plays
        std::string atEnd;              // CheckEnd, once the program ended
    };
    const std::string parted =
        "игра разошлась с записью: Level — " + level + ", а в записи — " + level + "7";
    const Case cases[] = {
        {"seed 1\nstart\nwait 10\n" + agrees + "wait 10\n", {""}, ""},
        {"seed 1\nstart\nwait 10\n" + parts + "wait 10\n", {"строка 4: " + parted}, ""},
        {"seed 1\nstart\nwait 10\nquit\n" + agrees + "wait 10\n" + agrees, {}, ""},
        {"seed 1\nstart\nwait 10\nquit\nwait 10\n" + parts, {}, "строка 6: " + parted},
        {"seed 1\nstart\nquit\n" + agrees + "fly\n", {}, "строка 5 не из записи: «fly»"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Rig rig;
        std::vector<std::string> told;
        RecordingPlayer player(rig.game,
                               {[](int64_t, bool) {}, [](const std::string&) {}, [](int64_t) {},
                                &rig.dialogs, [&](const std::string& e) { told.push_back(e); }});
        player.Play({std::make_shared<std::istringstream>(c.text), 1});
        try {
            player.RunUntil(1000);
            player.RunUntil(2000);
        } catch (const ProgramEnded&) {
            EXPECT_EQ(player.CheckEnd(), c.atEnd);
        }
        EXPECT_EQ(told, c.told);
    }
}

}  // namespace
}  // namespace krepogor
