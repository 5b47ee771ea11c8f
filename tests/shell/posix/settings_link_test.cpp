// A settings file that is a link: written where the link leads only when
// that is the game's own settings (or nothing yet). Links are POSIX's here.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "desktop/SettingsFile.h"
#include "shell/SettingsFixture.h"

namespace krepogor {
namespace {

namespace fs = std::filesystem;

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

TEST_F(SettingsFileTest, AFileWhereItsFolderShouldBeIsToldInRussian) {
    const std::string blocked = (dir_ / "file" / "krepogor" / "settings.ini").string();
    fs::create_directories(dir_);
    std::ofstream((dir_ / "file").string()) << "x";
    std::string error;
    EXPECT_FALSE(SaveSettings(SystemFileCalls(), blocked, Sample(), error));
    EXPECT_NE(error.find("»: в пути стоит не папка"), std::string::npos) << error;
}

}  // namespace
}  // namespace krepogor
