#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "replay/KeptRecordings.h"

namespace krepogor {
namespace {

namespace fs = std::filesystem;

TEST(KeptRecordingsTest, TheNextRunMakesThreeAndTheOldestGo) {
    const fs::path data = fs::temp_directory_path() / "krepogor-kept-recordings";
    fs::remove_all(data);
    const std::string dir = KeptRecordingsDir(data.string());
    EXPECT_EQ(dir, (data / "replays").string());
    std::string error;
    std::time_t now = 1'800'000'000;  // 2027-01-15 08:00:00 UTC
    std::vector<std::string> made;
    for (int run = 0; run < 5; ++run) {
        const std::string next = NextKeptRecording(dir, now + run / 2, error);
        ASSERT_FALSE(next.empty()) << error;
        std::ofstream(next) << "seed " << run << "\n";
        made.push_back(next);
    }
    // Runs in the same second are numbered; names sort by time.
    EXPECT_EQ(fs::path(made[0]).filename(), "run-20270115-080000-1.krs");
    EXPECT_EQ(fs::path(made[1]).filename(), "run-20270115-080000-2.krs");
    EXPECT_EQ(fs::path(made[2]).filename(), "run-20270115-080001-1.krs");
    // Only the last three are kept; what else is in the folder stays.
    std::ofstream(fs::path(dir) / "notes.txt") << "mine\n";
    NextKeptRecording(dir, now + 10, error);
    std::vector<std::string> left;
    for (const auto& e : fs::directory_iterator(dir)) left.push_back(e.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"notes.txt", "run-20270115-080001-2.krs",
                                              "run-20270115-080002-1.krs"}));
    // A folder that cannot be made says why.
    std::ofstream(data / "file") << "x";
    EXPECT_EQ(NextKeptRecording((data / "file" / "replays").string(), now, error), "");
    EXPECT_FALSE(error.empty());
    fs::remove_all(data);
}

}  // namespace
}  // namespace krepogor
