#include <gtest/gtest.h>

#include "BookTestDir.h"
#include "frontend/BookFile.h"
#include "headless/Rig.h"

namespace krepogor {
namespace {

using BookFile = BookTestDir;

std::string Record(const std::string& name20, const std::string& score6) {
    return name20 + std::string(20 - name20.size(), ' ') + score6 +
           std::string(6 - score6.size(), ' ');
}

void ExpectRows(const Game& g, const std::vector<std::pair<std::string, int>>& rows) {
    for (int r = 1; r <= 5; ++r) {
        EXPECT_EQ(g.st.RecName(r), rows[r - 1].first) << "row " << r;
        EXPECT_EQ(g.st.RecScore(r), rows[r - 1].second) << "row " << r;
    }
}

// Reading never makes a book: an empty file in its place would stand for the
// player's book from then on.
TEST_F(BookFile, MissingBookReadsAsFiveEmptyRowsAndMakesNothing) {
    Rig rig(dir.string());
    rig.game.st.RecName(3) = "stale";
    rig.game.st.RecScore(3) = 77;
    EXPECT_EQ(ReadAllRows(rig.game), BookRead::Missing);
    ExpectRows(rig.game, {{"", 0}, {"", 0}, {"", 0}, {"", 0}, {"", 0}});
    EXPECT_FALSE(std::filesystem::exists(Book()));
    EXPECT_FALSE(std::filesystem::exists(Tables()));
}

// What either game ever wrote is a book; whatever else stands in its place
// is read as before, but never written over.
TEST_F(BookFile, OnlyABookIsEverWrittenOver) {
    std::string error;
    const auto keeps = [&](const std::string& bytes, const std::string& what) {
        SCOPED_TRACE(what);
        PutBook(bytes);
        Rig rig(dir.string());
        EXPECT_EQ(ReadAllRows(rig.game, SystemFileCalls(), &error), BookRead::NotABook);
        EXPECT_NE(error.find(Book().string()), std::string::npos) << error;
        EXPECT_FALSE(WriteAllRows(rig.game, &error));
        EXPECT_EQ(BookBytes(), bytes);
    };
    std::string notes;
    while (notes.size() < 1892) notes += "Заметки на полях, не книга. ";
    keeps(notes, "a long file of notes");
    std::string sixRows;
    for (int r = 1; r <= 6; ++r) sixRows += Record("n", " " + std::to_string(r));
    keeps(sixRows, "one record too many");
    keeps(Record("a", " 1") + Record("b", " 2x"), "a score that is no number");
    keeps(Record("a", " 1") + Record("b", "").substr(0, 20) + "-", "a sign with no digits");

    const auto writes = [&](const std::string& bytes, const std::string& what) {
        SCOPED_TRACE(what);
        PutBook(bytes);
        Rig rig(dir.string());
        EXPECT_EQ(ReadAllRows(rig.game), BookRead::Read);
        EXPECT_TRUE(WriteAllRows(rig.game, &error)) << error;
        EXPECT_EQ(BookBytes().size(), 130u);
    };
    writes("", "an empty book");
    writes(Record("a", " 12345") + Record("b", "-40") + Record("", "") + Record("", "+7") +
               Record("e", "  0"),
           "five records, blank and signed scores among them");
    writes(Record("a", " 1") + Record("b", " 4"), "a short book");
    writes(Record("a", " 1") + Record("b", " 4").substr(0, 22), "a record cut in its score");
}

TEST_F(BookFile, WrittenRowsReadBack) {
    Rig rig(dir.string());
    const std::vector<std::pair<std::string, int>> rows = {
        {"Велесов Ждан", 12345}, {"Ян", 950}, {"Анонимщик", 0}, {"", -40}, {"a b", -32768}};
    for (int r = 1; r <= 5; ++r) {
        rig.game.st.RecName(r) = rows[r - 1].first;
        rig.game.st.RecScore(r) = static_cast<int16_t>(rows[r - 1].second);
    }
    ASSERT_TRUE(WriteAllRows(rig.game));
    const std::string bytes = BookBytes();
    ASSERT_EQ(bytes.size(), 130u);
    EXPECT_EQ(bytes.substr(26, 26), Record("\xDF\xED", " 950"));
    EXPECT_EQ(bytes.substr(78, 26), Record("", "-40"));

    Rig other(dir.string());
    ReadAllRows(other.game);
    ExpectRows(other.game, rows);
    EXPECT_FALSE(std::filesystem::exists(Book().string() + ".new"));
}

TEST_F(BookFile, ShortBookFillsTheRowsItLacks) {
    // One whole record, then 23 bytes of the second: its name and part of its score.
    PutBook(Record("\xC6\xE4\xE0\xED", " 500") + Record("\xDF\xED", " 42").substr(0, 23));
    Rig rig(dir.string());
    ReadAllRows(rig.game);
    ExpectRows(rig.game, {{"Ждан", 500}, {"Ян", 42}, {"", 0}, {"", 0}, {"", 0}});
}

TEST_F(BookFile, LongBookReadsItsFirstFiveRecords) {
    std::string bytes;
    for (int r = 1; r <= 7; ++r) {
        const std::string n = std::to_string(r);
        bytes += Record("n" + n, " " + n);
    }
    PutBook(bytes);
    Rig rig(dir.string());
    ReadAllRows(rig.game);
    ExpectRows(rig.game, {{"n1", 1}, {"n2", 2}, {"n3", 3}, {"n4", 4}, {"n5", 5}});
}

TEST_F(BookFile, GarbageReadsWithoutHarm) {
    std::string bytes;
    for (int i = 0; i < 130; ++i) bytes += static_cast<char>((i * 97 + 13) & 0xFF);
    bytes[20] = '9';  // row 1's score field starts "9\x??..."
    PutBook(bytes);
    Rig rig(dir.string());
    ReadAllRows(rig.game);
    EXPECT_EQ(rig.game.st.RecScore(1), 9);
    for (int r = 1; r <= 5; ++r) EXPECT_FALSE(rig.game.st.RecName(r).empty());
}

TEST_F(BookFile, BookThatIsADirectoryReadsAsEmptyAndIsNotOverwritten) {
    std::filesystem::create_directories(Book());
    Rig rig(dir.string());
    ReadAllRows(rig.game);
    ExpectRows(rig.game, {{"", 0}, {"", 0}, {"", 0}, {"", 0}, {"", 0}});
    std::string error;
    EXPECT_FALSE(WriteAllRows(rig.game, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(std::filesystem::is_directory(Book()));
}

TEST_F(BookFile, MissingTablesDirectoryIsCreatedByTheWrite) {
    Rig rig(dir.string());
    ASSERT_TRUE(WriteAllRows(rig.game));
    std::string empty;
    for (int r = 1; r <= 5; ++r) empty += Record("", " 0");
    EXPECT_EQ(BookBytes(), empty);
}

TEST_F(BookFile, NothingPlantedBesideTheBookIsFollowed) {
    const std::string old = Record("old", " 1") + Record("", " 0") + Record("", " 0") +
                            Record("", " 0") + Record("", " 0");
    PutBook(old);
    // Links under the names a writer might pick for its fresh file lead to a
    // file of the player's that must stay as it is.
    const auto victim = dir / "victim.txt";
    std::ofstream(victim) << "mine";
    std::filesystem::create_symlink(victim, Book().string() + ".new");
    std::filesystem::create_symlink(victim, Tables() / ".table.dat.tmp");
    Rig rig(dir.string());
    ReadAllRows(rig.game);
    rig.game.st.RecName(1) = "new";
    ASSERT_TRUE(WriteAllRows(rig.game));
    std::ifstream in(victim);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "mine");
    EXPECT_EQ(BookBytes().substr(0, 3), "new");
    // Only the book and the two links are left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Tables()), {}), 3);
}

TEST_F(BookFile, TablesPathHeldByAFileFailsBothWaysWithoutHarm) {
    std::filesystem::create_directories(dir / "gamedata");
    std::ofstream(Tables()) << "not a directory";
    Rig rig(dir.string());
    ReadAllRows(rig.game);
    ExpectRows(rig.game, {{"", 0}, {"", 0}, {"", 0}, {"", 0}, {"", 0}});
    EXPECT_FALSE(WriteAllRows(rig.game));
    EXPECT_TRUE(std::filesystem::is_regular_file(Tables()));
}

}  // namespace
}  // namespace krepogor
