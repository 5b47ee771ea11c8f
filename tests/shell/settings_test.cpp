#include "desktop/Settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "desktop/SettingsFile.h"
#include "frontend/FaultyFileCalls.h"
#include "platform/Utf8Path.h"
#include "shell/SettingsFixture.h"

namespace krepogor {
namespace {

namespace fs = std::filesystem;

TEST(Settings, RoundTripsAndSkipsKeysItDoesNotKnow) {
    Settings back;
    std::string error;
    ASSERT_TRUE(ParseSettings(FormatSettings(Sample()), back, error)) << error;
    EXPECT_EQ(back, Sample());
    // No scale written: it comes from the desktop again.
    ASSERT_TRUE(ParseSettings(FormatSettings(Settings{}), back, error));
    EXPECT_FALSE(back.scale);
    ASSERT_TRUE(ParseSettings("# hand-made\r\n scale = 2 \r\nvolume=7\nplace.nowhere=1,2\n\n", back,
                              error));
    EXPECT_EQ(back.scale, 2);
    EXPECT_TRUE(back.places.empty());
    // What the player writes by hand is kept as written, good or bad: it is
    // judged where it is used, and written back for the player to mend.
    ASSERT_TRUE(ParseSettings(
        "key.fire = Keypad 5\nkey.jump=J\ntouch.size=huge\ntouch.colour=red\n", back, error));
    const std::map<std::string, std::string> byHand = {
        {"key.fire", "Keypad 5"}, {"key.jump", "J"}, {"touch.size", "huge"}};
    EXPECT_EQ(back.byHand, byHand);
    EXPECT_TRUE(IsSettingsText("key.fire=Щелчок\n"));
    Settings again;
    ASSERT_TRUE(ParseSettings(FormatSettings(back), again, error));
    EXPECT_EQ(again.byHand, byHand);
}

TEST(Settings, ASpoiltLineSpoilsTheFileAndNamesItsLine) {
    for (const char* text : {"scale=0\n", "scale=two\n", "fullscreen=1\n", "place.frm_menu=10\n",
                             "place.frm_menu=1,2,3\n", "garbage\n"}) {
        Settings s = Sample();
        std::string error;
        EXPECT_FALSE(ParseSettings(std::string("# ok\n") + text, s, error)) << text;
        EXPECT_NE(error.find("строка 2"), std::string::npos) << error;
        EXPECT_EQ(s, Sample()) << "left untouched: " << text;
    }
}

TEST(Settings, FileLiesInThePlayersSettingsFolder) {
    EXPECT_EQ(PathOf(SettingsPath(Utf8Of(PathOf("cfg") / "krepogor"))),
              PathOf("cfg") / "krepogor" / "settings.ini");
    EXPECT_EQ(SettingsPath(""), "");
}

TEST_F(SettingsFileTest, SavedThenLoadedWithItsFolderMadeAndNothingSaid) {
    std::string error;
    ASSERT_TRUE(SaveSettings(SystemFileCalls(), path_, Sample(), error)) << error;
    std::ostringstream warnings;
    EXPECT_EQ(LoadSettings(SystemFileCalls(), path_, warnings), Sample());
    EXPECT_EQ(warnings.str(), "");
    // No file yet is no news either.
    fs::remove(path_);
    EXPECT_EQ(LoadSettings(SystemFileCalls(), path_, warnings), Settings{});
    EXPECT_EQ(warnings.str(), "");
}

TEST_F(SettingsFileTest, SpoiltUnreadableOrHugeFilesGiveTheDefaultsAndOneLine) {
    auto load = [&] {
        std::ostringstream warnings;
        const Settings s = LoadSettings(SystemFileCalls(), path_, warnings);
        const std::string w = warnings.str();
        EXPECT_EQ(std::count(w.begin(), w.end(), '\n'), 1) << w;
        EXPECT_NE(w.find(path_), std::string::npos) << w;
        return s;
    };
    Write("scale=2\nfullscreen=perhaps\n");
    EXPECT_EQ(load(), Settings{});
    Write(std::string(100 * 1024, '#'));
    EXPECT_EQ(load(), Settings{});
    fs::remove(path_);
    fs::create_directories(path_);  // a folder where the file should be
    EXPECT_EQ(load(), Settings{});
}

TEST_F(SettingsFileTest, AFailedSaveLeavesTheOldFileWhole) {
    Write("scale=3\n");
    const std::string before = Read();
    for (const char* call : {"Write", "Sync", "Rename"}) {
        FaultyFileCalls files;
        // Find the call's number on a dry run, then fail exactly there.
        FaultyFileCalls dry;
        std::string error;
        ASSERT_TRUE(SaveSettings(dry, path_ + ".dry", Sample(), error));
        fs::remove(path_ + ".dry");
        const auto at = std::find(dry.calls.begin(), dry.calls.end(), call);
        ASSERT_NE(at, dry.calls.end()) << call;
        files.failAt = static_cast<int>(at - dry.calls.begin());
        EXPECT_FALSE(SaveSettings(files, path_, Sample(), error)) << call;
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(Read(), before) << call;
        EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(path_).parent_path()),
                                fs::directory_iterator{}),
                  1)
            << "no fresh file left behind after a failed " << call;
    }
}

// Whether `text` holds a Latin letter, as a system's English reason would.
bool HasLatin(const std::string& text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); });
}

TEST_F(SettingsFileTest, MessagesAreRussianAndShowTheFilesTextEscaped) {
    // A line with a terminal's escape codes comes back escaped, not raw.
    Write("scale=2\n\x1b[2J\x1b]0;title\x07\n");
    std::ostringstream warnings;
    EXPECT_EQ(LoadSettings(SystemFileCalls(), path_, warnings), Settings{});
    EXPECT_EQ(warnings.str().find('\x1b'), std::string::npos) << warnings.str();
    EXPECT_NE(warnings.str().find("\\x1B[2J"), std::string::npos) << warnings.str();
    std::string error;
    // A folder in the file's place: the rename's failure, in Russian.
    fs::remove(path_);
    fs::create_directories(fs::path(path_) / "inside");
    EXPECT_FALSE(SaveSettings(SystemFileCalls(), path_, Sample(), error));
    EXPECT_FALSE(HasLatin(error.substr(error.rfind(':')))) << error;
    EXPECT_NE(error.find("не переименовывается"), std::string::npos) << error;
}

}  // namespace
}  // namespace krepogor
