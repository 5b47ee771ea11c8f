#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "Folders.h"
#include "frontend/BookFile.h"
#include "frontend/BookLocation.h"
#include "frontend/DataFolder.h"
#include "headless/Rig.h"
#include "platform/SystemPlaces.h"

namespace krepogor {
namespace {

namespace fs = std::filesystem;

TEST_F(Folders, DataBesideTheProgramThenFromTheProgramThenTheAbsolutePlace) {
    const fs::path bin = root / "usr" / "games";
    const fs::path relative = root / "usr" / "share" / "games" / "krepogor";
    const fs::path absolute = root / "opt" / "krepogor";
    const InstalledDataPlaces places{"../share/games/krepogor", absolute.string()};
    fs::create_directories(bin);
    EXPECT_FALSE(FindDataFolder(bin.string(), places));
    EXPECT_FALSE(FindDataFolder("", places));

    MakeData(absolute);
    auto found = FindDataFolder(bin.string(), places);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->dir, absolute.string());
    EXPECT_TRUE(found->installed);

    // A tree unpacked under another prefix uses its own data, not the system's.
    MakeData(relative);
    found = FindDataFolder(bin.string(), places);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->dir, relative.string());
    EXPECT_TRUE(found->installed);

    MakeData(bin);
    found = FindDataFolder(bin.string(), places);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->dir, bin.string());
    EXPECT_FALSE(found->installed);

    EXPECT_EQ(DataFolderPlaces(bin.string(), places),
              bin.string() + ", " + relative.string() + ", " + absolute.string());
}

TEST_F(Folders, AFileNamedGamedataIsNoDataFolder) {
    Put(root / "gamedata", "not a folder");
    EXPECT_FALSE(FindDataFolder(root.string()));
    EXPECT_FALSE(ExecutableDir("").empty());
}

TEST_F(Folders, AWritableDataFolderKeepsItsBook) {
    MakeData(root);
    const BookPlace place = ChooseBookPlace({root.string(), false}, "/home/p/krepogor");
    EXPECT_EQ(place.path, (root / "gamedata" / "tables" / "table.dat").string());
    EXPECT_TRUE(place.seed.empty());

    // A data folder whose tables folder is still to be made.
    fs::remove_all(root / "gamedata" / "tables");
    EXPECT_TRUE(BookWritableIn(root.string()));
    fs::remove_all(root / "gamedata");
    EXPECT_FALSE(BookWritableIn(root.string()));
}

TEST_F(Folders, AnInstalledDataFolderSendsTheBookHomeSeededFromItsOwn) {
    const fs::path share = root / "usr" / "share" / "krepogor";
    MakeData(share);
    const BookPlace place = ChooseBookPlace({share.string(), true}, (root / "home").string());
    EXPECT_EQ(place.path, (root / "home" / "tables" / "table.dat").string());
    EXPECT_EQ(place.seed, (share / "gamedata" / "tables" / "table.dat").string());
    EXPECT_TRUE(place.notKept.empty());
    // With no home to go to, the installed book is only read, and why is said.
    const BookPlace nowhere = ChooseBookPlace({share.string(), true}, "");
    EXPECT_EQ(nowhere.path, place.seed);
    EXPECT_TRUE(nowhere.seed.empty());
    EXPECT_EQ(nowhere.notKept, "не найдена папка для данных игрока (" + WhyNoPlayerFolder() + ")");
}

TEST_F(Folders, TheSeedIsCopiedOnceAndNeverOverTheBookOfThePlayer) {
    const fs::path seed = root / "share" / "table.dat";
    Put(seed, "installed book");
    fs::permissions(seed, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const BookPlace place{(root / "home" / "tables" / "table.dat").string(), seed.string()};

    std::string error;
    ASSERT_TRUE(SeedBook(place, &error)) << error;
    EXPECT_EQ(Read(place.path), "installed book");
    EXPECT_NE(fs::status(place.path).permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_FALSE(fs::exists(place.path + ".seed"));

    Put(place.path, "the player's own book");
    ASSERT_TRUE(SeedBook(place, &error)) << error;
    EXPECT_EQ(Read(place.path), "the player's own book");

    // An empty file, as a first start that failed to copy used to leave,
    // holds nothing of the player's: the next start copies the book over it.
    Put(place.path, "");
    ASSERT_TRUE(SeedBook(place, &error)) << error;
    EXPECT_EQ(Read(place.path), "installed book");
    EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(place.path).parent_path()), {}), 1);
}

TEST_F(Folders, SeedingFollowsNoLinkPlantedBesideTheBook) {
    const fs::path seed = root / "share" / "table.dat";
    Put(seed, "installed book");
    Put(root / "victim", "not the game's");
    fs::create_directories(root / "home" / "tables");
    const fs::path book = root / "home" / "tables" / "table.dat";
    fs::create_symlink(root / "victim", book.string() + ".seed");
    std::string error;
    ASSERT_TRUE(SeedBook({book.string(), seed.string()}, &error)) << error;
    EXPECT_EQ(Read(book), "installed book");
    EXPECT_EQ(Read(root / "victim"), "not the game's");

    // A link leading nowhere in the book's own place is the player's: left alone.
    const fs::path other = root / "other" / "table.dat";
    fs::create_directories(other.parent_path());
    fs::create_symlink(root / "nowhere", other);
    ASSERT_TRUE(SeedBook({other.string(), seed.string()}, &error)) << error;
    EXPECT_TRUE(fs::is_symlink(other));
    EXPECT_FALSE(fs::exists(root / "nowhere"));
}

TEST_F(Folders, NoSeedLeavesTheBookToStartEmpty) {
    const BookPlace place{(root / "home" / "tables" / "table.dat").string(),
                          (root / "missing.dat").string()};
    EXPECT_TRUE(SeedBook(place, nullptr));
    EXPECT_FALSE(fs::exists(place.path));
    EXPECT_TRUE(SeedBook({place.path, ""}, nullptr));
}

TEST_F(Folders, TheBookIsReadAndWrittenWhereThePlatformPutsIt) {
    MakeData(root / "data", "");
    Rig rig((root / "data").string());
    rig.platform.bookPath = (root / "home" / "tables" / "table.dat").string();
    rig.game.st.RecName(1) = "Ян";
    rig.game.st.RecScore(1) = 950;
    ASSERT_TRUE(WriteAllRows(rig.game));
    EXPECT_EQ(Read(root / "data" / "gamedata" / "tables" / "table.dat"), "");
    EXPECT_EQ(fs::file_size(rig.platform.bookPath), 130u);
    rig.game.st.RecScore(1) = 0;
    ReadAllRows(rig.game);
    EXPECT_EQ(rig.game.st.RecScore(1), 950);
}

}  // namespace
}  // namespace krepogor
