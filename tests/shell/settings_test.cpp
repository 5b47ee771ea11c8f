#include "desktop/Settings.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "desktop/SettingsFile.h"
#include "frontend/FaultyFileCalls.h"
#include "platform/Utf8Path.h"

namespace krepogor {
namespace {

namespace fs = std::filesystem;

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("krepogor-settings-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        path_ = (dir_ / "krepogor" / "settings.ini").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    void Write(const std::string& text) {
        fs::create_directories(fs::path(path_).parent_path());
        std::ofstream(path_, std::ios::binary) << text;
    }
    std::string Read() {
        std::ifstream in(path_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path dir_;
    std::string path_;
};

Settings Sample() {
    Settings s;
    s.scale = 1.5;
    s.fullscreen = true;
    s.places["frm_menu"] = {621, 402};
    s.places["frm_vustrel"] = {-20, 40};  // a window partly left of the screen
    return s;
}

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
    // A file where the folder should be: the reason in Russian.
    const std::string blocked = (dir_ / "file" / "krepogor" / "settings.ini").string();
    fs::create_directories(dir_);
    std::ofstream((dir_ / "file").string()) << "x";
    std::string error;
    EXPECT_FALSE(SaveSettings(SystemFileCalls(), blocked, Sample(), error));
    EXPECT_NE(error.find("в пути стоит не папка"), std::string::npos) << error;
    // A folder in the file's place: the rename's failure, in Russian.
    fs::remove(path_);
    fs::create_directories(path_ + "/inside");
    EXPECT_FALSE(SaveSettings(SystemFileCalls(), path_, Sample(), error));
    EXPECT_FALSE(HasLatin(error.substr(error.rfind(':')))) << error;
    EXPECT_NE(error.find("не переименовывается"), std::string::npos) << error;
}

TEST_F(SettingsFileTest, ALinkIsWrittenThroughOnlyToTheGamesOwnSettings) {
    struct Case {
        const char* what;
        const char* target;  // where the link leads, beside it; "": a link to a link to "a"
        std::optional<std::string> holds;  // what stands there; none: nothing
        bool written;
    };
    const std::string dotfile = "# my shell\nexport PATH=/opt/bin:$PATH\nalias ll='ls -l'\n";
    const Case cases[] = {
        {"the game's settings", "a", std::string("# kept elsewhere\nscale=2\nfullscreen=no\n"),
         true},
        {"a hand-written one", "a", std::string("scale = 1.5\n"), true},
        {"nothing yet", "a", std::nullopt, true},
        {"an empty file", "a", std::string(), true},
        {"through two links", "", std::string("fullscreen=yes\n"), true},
        {"the player's dotfile", "a", dotfile, false},
        {"comments only", "a", std::string("# notes\n"), false},
        {"a later game's keys", "a", std::string("fullscreen=no\nvolume=3\n"), false},
        {"a spoilt settings file", "a", std::string("scale=99\n"), false},
        {"a folder", "a/", std::nullopt, false},
    };
    for (const Case& c : cases) {
        fs::remove_all(dir_);
        const fs::path folder = fs::path(path_).parent_path();
        fs::create_directories(folder);
        const fs::path file = folder / "a";
        if (std::string(c.target) == "a/") fs::create_directory(file);
        if (c.holds) std::ofstream(file, std::ios::binary) << *c.holds;
        if (*c.target) {
            fs::create_symlink("a", path_);
        } else {
            fs::create_symlink("b", path_);
            fs::create_symlink(file, folder / "b");
        }
        std::ostringstream warnings;
        const Settings loaded = LoadSettings(SystemFileCalls(), path_, warnings);
        std::string error;
        EXPECT_EQ(SaveSettings(SystemFileCalls(), path_, Sample(), error), c.written) << c.what;
        EXPECT_TRUE(fs::is_symlink(path_)) << c.what << ": the link stays a link";
        if (c.written) {
            EXPECT_EQ(LoadSettings(SystemFileCalls(), path_, warnings), Sample()) << c.what;
            EXPECT_EQ(warnings.str(), "") << c.what;
            continue;
        }
        // Left alone, and said so once, in Russian; read as the defaults, silently.
        EXPECT_EQ(loaded, Settings{}) << c.what;
        EXPECT_EQ(warnings.str(), "") << c.what;
        EXPECT_NE(error.find("не файл настроек игры"), std::string::npos) << error;
        EXPECT_NE(error.find(path_), std::string::npos) << error;
        if (c.holds) {
            std::ifstream in(file, std::ios::binary);
            EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), *c.holds) << c.what;
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator{}), 2)
            << c.what << ": nothing left beside them";
    }
}

}  // namespace
}  // namespace krepogor
