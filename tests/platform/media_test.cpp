#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "headless/fake/FakeMediaSystem.h"
#include "platform/MediaSequences.h"

namespace krepogor {
namespace {

class MediaTest : public ::testing::Test {
protected:
    MediaTest() {
        // CTest runs the cases of this file side by side: each has a file of its own.
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        file = (std::filesystem::temp_directory_path() /
                ("krepogor-media-" + std::string(info->name()) + "-" + std::to_string(getpid()) +
                 ".mp3"))
                   .string();
        std::ofstream(file) << std::string(1600, 'x');  // 100 ms at 128 kbit/s
        dev = media.Create("MMControlBum(0)");
        dev->FileName(file);
        dev->Command("Open");
        log.Take();
    }
    ~MediaTest() override { std::filesystem::remove(file); }
    std::vector<std::string> Words() {
        std::vector<std::string> w;
        for (auto& e : log.Take()) w.push_back(e[1]);
        return w;
    }

    EventLog log;
    FakeMediaSystem media{log, ""};
    std::string file;
    std::unique_ptr<IMediaDevice> dev;
};

TEST_F(MediaTest, CommandsMatchWithoutRegardToCase) {
    EXPECT_EQ(CanonicalCommand("play"), "Play");
    EXPECT_EQ(CanonicalCommand("STOP"), "Stop");
    EXPECT_EQ(CanonicalCommand("Playx"), "");
    dev->Command("play");
    media.AdvanceTo(30);
    EXPECT_EQ(dev->Position(), 30);
    dev->Command("stop");
    media.AdvanceTo(60);
    EXPECT_EQ(dev->Position(), 30);
}

TEST_F(MediaTest, StartOrRestartLeavesAPlayingDeviceAlone) {
    StartOrRestart(*dev, true);
    EXPECT_EQ(Words(), (std::vector<std::string>{"Play"}));
    media.AdvanceTo(50);
    StartOrRestart(*dev, true);
    EXPECT_TRUE(Words().empty());
    media.AdvanceTo(200);
    EXPECT_EQ(dev->Position(), dev->Length());
    StartOrRestart(*dev, true);
    EXPECT_EQ(Words(), (std::vector<std::string>{"Prev", "Play"}));
    media.AdvanceTo(400);
    StartOrRestart(*dev, false);
    EXPECT_EQ(Words(), (std::vector<std::string>{"Prev"}));
}

TEST_F(MediaTest, EndOfTrackRaisesTheStatusAndLoops) {
    int statuses = 0;
    dev->OnStatus = [&] {
        ++statuses;
        LoopTrack(*dev, true);
    };
    dev->Command("Play");
    media.AdvanceTo(100);
    EXPECT_EQ(statuses, 1);
    EXPECT_EQ(Words(), (std::vector<std::string>{"Play", "Prev", "Play"}));
    LoopTrack(*dev, false);
    EXPECT_TRUE(Words().empty());
}

TEST_F(MediaTest, PlayAtTheEndEndsAgainAtTheNextTick) {
    int statuses = 0;
    dev->OnStatus = [&] { ++statuses; };
    dev->Command("Play");
    media.AdvanceTo(100);
    dev->Command("Stop");
    dev->Command("Play");
    EXPECT_EQ(statuses, 1);
    media.AdvanceTo(101);
    EXPECT_EQ(statuses, 2);
    EXPECT_EQ(dev->Position(), dev->Length());
    media.AdvanceTo(200);
    EXPECT_EQ(statuses, 2);
}

TEST_F(MediaTest, MissingFileOpensSilentWithLengthZero) {
    auto other = media.Create("about");
    other->FileName("/no/such/file.mp3");
    other->Command("Open");
    other->Command("Play");
    media.AdvanceTo(1000);
    EXPECT_EQ(other->Length(), 0);
    EXPECT_EQ(other->Position(), 0);
}

}  // namespace
}  // namespace krepogor
