#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "frontend/FaultyFileCalls.h"
#include "replay/KeptRecordings.h"

namespace krepogor {
namespace {

namespace fs = std::filesystem;

constexpr const char* kHead = "seed 7\ntrackends recorded\nstart\n";

std::vector<std::string> Names(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Only the game's own recordings go, the oldest first, and the newest three
// of them stay; what else lies in the folder stays as it is.
TEST(KeptRecordingsTest, OnlyTheGamesOwnGoAndTheNewestThreeStay) {
    const fs::path data = fs::temp_directory_path() / "krepogor-kept-recordings";
    fs::remove_all(data);
    const std::string dir = KeptRecordingsDir(data.string());
    EXPECT_EQ(dir, (data / "replays").string());
    fs::create_directories(dir);
    struct Planted {
        const char* name;
        std::string bytes;  // "/": a folder
        bool stays;
    };
    const Planted planted[] = {
        {"run-20200101-000000-1.krs", kHead, false},  // the game's, older than any run below
        {"run-20200101-000000-2.krs", "a player's notes\n", true},
        {"run-20200101-000000-3.krs", "", true},                 // empty: the game wrote nothing
        {"run-20200101-000000-4.krs", "seed 7\nstart\n", true},  // not as the game begins
        {"run-20200101-000000-05.krs", kHead, true},             // no name the game gives
        {"notes.txt", kHead, true},
        {"run-20200101-000000-6.krs", "/", true},
    };
    for (const Planted& p : planted) {
        if (p.bytes == "/")
            fs::create_directory(fs::path(dir) / p.name);
        else
            std::ofstream(fs::path(dir) / p.name, std::ios::binary) << p.bytes;
    }
    // Twelve runs in one second, then one a second later.
    const std::time_t now = 1'800'000'000;  // 2027-01-15 08:00:00 UTC
    for (int run = 0; run < 13; ++run) {
        OwnFile file;
        std::string error;
        ASSERT_TRUE(OpenKeptRecording(SystemFileCalls(), dir, now + run / 12, file, error))
            << error;
        EXPECT_TRUE(file.Append(kHead));
    }
    std::vector<std::string> expected;
    for (const Planted& p : planted)
        if (p.stays) expected.push_back(p.name);
    // Numbered runs sort by their numbers: -10 is newer than -9.
    for (const char* run :
         {"run-20270115-080000-11.krs", "run-20270115-080000-12.krs", "run-20270115-080001-1.krs"})
        expected.push_back(run);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Names(dir), expected);
    for (const Planted& p : planted) {
        if (p.stays && p.bytes != "/") {
            EXPECT_EQ(Bytes(fs::path(dir) / p.name), p.bytes) << p.name;
        }
    }
    fs::remove_all(data);
}

// A folder that is no folder, or one nothing can be made in: no recording,
// and the system's reason in Russian.
TEST(KeptRecordingsTest, AFolderThatTakesNothingSaysWhy) {
    const fs::path data = fs::temp_directory_path() / "krepogor-kept-unwritable";
    fs::remove_all(data);
    fs::create_directories(data);
    std::ofstream(data / "replays") << "x";
    OwnFile file;
    std::string error;
    EXPECT_FALSE(
        OpenKeptRecording(SystemFileCalls(), KeptRecordingsDir(data.string()), 0, file, error));
    EXPECT_EQ(error, "в пути стоит не папка");

    FaultyFileCalls readOnly;
    readOnly.failAt = 2;  // MakeDirs, ListFolder, then CreateNew
    readOnly.failErrno = EROFS;
    OwnFile none(readOnly);
    EXPECT_FALSE(OpenKeptRecording(readOnly, (data / "other").string(), 0, none, error));
    EXPECT_EQ(error, "файловая система только для чтения");
    EXPECT_FALSE(none.IsOpen());
    fs::remove_all(data);
}

}  // namespace
}  // namespace krepogor
