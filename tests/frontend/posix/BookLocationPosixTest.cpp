// Where the book lives on a POSIX desktop: XDG_DATA_HOME and HOME, and a data
// folder whose permissions shut the player out.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>

#include "frontend/BookFile.h"
#include "frontend/BookLocation.h"
#include "frontend/Folders.h"

namespace krepogor {
namespace {

TEST_F(Folders, ADataFolderThePlayerCannotWriteSendsTheBookHome) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser writes everywhere";
    MakeData(root / "data");
    fs::permissions(root / "data" / "gamedata" / "tables",
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_FALSE(BookWritableIn((root / "data").string()));
    EXPECT_EQ(ChooseBookPlace({(root / "data").string(), false}, (root / "home").string()).path,
              (root / "home" / "tables" / "table.dat").string());
}

TEST(PlayerDataDir, XdgDataHomeWhenAbsoluteElseTheHomeFolder) {
    EXPECT_EQ(PlayerDataDir("/x/data", "/home/p"), "/x/data/krepogor");
    EXPECT_EQ(PlayerDataDir("", "/home/p"), "/home/p/.local/share/krepogor");
    EXPECT_EQ(PlayerDataDir("relative/data", "/home/p"), "/home/p/.local/share/krepogor");
    EXPECT_EQ(PlayerDataDir(nullptr, "/home/p"), "/home/p/.local/share/krepogor");
    EXPECT_EQ(PlayerDataDir(nullptr, ""), "");
    EXPECT_EQ(PlayerDataDir(nullptr, nullptr), "");
}

TEST(PlayerConfigDir, XdgConfigHomeWhenAbsoluteElseTheHomeFolder) {
    EXPECT_EQ(PlayerConfigDir("/cfg", "/home/p"), "/cfg/krepogor");
    EXPECT_EQ(PlayerConfigDir("relative", "/home/p"), "/home/p/.config/krepogor");
    EXPECT_EQ(PlayerConfigDir("", "/home/p"), "/home/p/.config/krepogor");
    EXPECT_EQ(PlayerConfigDir(nullptr, nullptr), "");
}

TEST_F(Folders, ASeedThatCannotBeMadeSaysWhereAndLeavesNothingBehind) {
    const fs::path seed = root / "table.dat";
    Put(seed, "installed book");
    Put(root / "home", "a file where the player's folder should be");
    const BookPlace place{(root / "home" / "tables" / "table.dat").string(), seed.string()};
    std::string error;
    EXPECT_FALSE(SeedBook(place, &error));
    EXPECT_NE(error.find((root / "home" / "tables").string()), std::string::npos) << error;
    EXPECT_EQ(Read(root / "home"), "a file where the player's folder should be");

    std::ostringstream warnings;
    MakeData(root);
    setenv("XDG_DATA_HOME", (root / "home").c_str(), 1);
    const std::string book = PrepareBook({root.string(), true}, warnings).path;
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(book, (root / "home" / "krepogor" / "tables" / "table.dat").string());
    // Said in Russian, the system's reason too.
    EXPECT_NE(warnings.str().find("tables/table.dat»: в пути стоит не папка\n"), std::string::npos)
        << warnings.str();
}

}  // namespace
}  // namespace krepogor
