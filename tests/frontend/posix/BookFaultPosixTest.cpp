// The book's faults that only a POSIX system can set up: pipes, devices and
// links in the book's place, a lock taken with flock by another copy, and
// names that differ only in case.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <thread>

#include "frontend/BookFaults.h"

namespace krepogor {
namespace {

// A book that stands there but cannot be read is never replaced; the player
// is told, and asked nothing.
TEST_F(BookFaults, UnreadableBooksAreNeverReplaced) {
    const auto expectUntouched = [&](FaultyFileCalls& files, const std::string& what) {
        SCOPED_TRACE(what);
        EXPECT_EQ(Victory(files, 1000, false), BookOutcome::Unreadable);
        const auto told = Messages();
        EXPECT_TRUE(StartsWith(told, kUnreadable)) << (told.empty() ? "" : told[0]);
        EXPECT_FALSE(nameAsked);
    };
    fs::create_directories(Tables());
    {
        FaultyFileCalls noAccess;
        PutBook(kOldBook);
        noAccess.failAt = 0;  // the first open, as a book of mode 000 answers
        noAccess.failErrno = EACCES;
        expectUntouched(noAccess, "no access");
        EXPECT_EQ(BookBytes(), kOldBook);
    }
    {
        FaultyFileCalls badDisk;
        badDisk.failAt = 2;  // OpenToRead, Info, Read
        expectUntouched(badDisk, "read error");
        EXPECT_EQ(BookBytes(), kOldBook);
    }
    fs::remove(Book());
    ASSERT_EQ(::mkfifo(Book().c_str(), 0644), 0);
    FaultyFileCalls fifo;
    expectUntouched(fifo, "a pipe");
    EXPECT_TRUE(fs::is_fifo(Book()));
    fs::remove(Book());
    fs::create_symlink("/dev/null", Book());
    FaultyFileCalls device;
    expectUntouched(device, "a device");
    EXPECT_TRUE(fs::is_symlink(Book()));
    fs::remove(Book());
    fs::create_directories(Book());
    FaultyFileCalls folder;
    expectUntouched(folder, "a folder");
    EXPECT_TRUE(fs::is_directory(Book()));
}

TEST_F(BookFaults, BookWindowTellsOfAnUnreadableBook) {
    fs::create_directories(Tables());
    ASSERT_EQ(::mkfifo(Book().c_str(), 0644), 0);
    rig.dialogs.Queue({Answer::OK, ""});
    Records_Click(rig.game);
    EXPECT_EQ(Messages(), std::vector<std::string>{kUnreadable + Book().string() + "»."});
    EXPECT_EQ(rig.game.FrmRecords.LabelName(0), "");
}

// A player who keeps the book elsewhere and links to it keeps the link.
TEST_F(BookFaults, BookThatIsALinkIsUpdatedWhereItLeads) {
    const fs::path elsewhere = dir / "kept" / "mine.dat";
    fs::create_directories(elsewhere.parent_path());
    std::ofstream(elsewhere, std::ios::binary) << kOldBook;
    fs::create_directories(Tables());
    fs::create_symlink("../../kept/mine.dat", Book());
    FaultyFileCalls files;
    ASSERT_EQ(Victory(files), BookOutcome::Written);
    EXPECT_TRUE(fs::is_symlink(Book()));
    EXPECT_EQ(BookBytes().substr(0, 26), Row("\xDF\xED", 1000));
    // The fresh file was made beside the target, under a name of its own.
    ASSERT_FALSE(files.created.empty());
    EXPECT_TRUE(
        fs::equivalent(fs::path(files.created.back()).parent_path(), elsewhere.parent_path()));
    EXPECT_EQ(std::distance(fs::directory_iterator(elsewhere.parent_path()), {}), 1);
}

TEST_F(BookFaults, WriterWaitsForTheLockAndRanksIntoTheBookReplacedMeanwhile) {
    PutBook(kOldBook);
    const int held = ::open(Book().c_str(), O_RDONLY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    // The other copy, holding the lock, puts a new book in place and lets go.
    std::thread other([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const fs::path fresh = Tables() / "fresh";
        std::ofstream(fresh, std::ios::binary) << Row("top", 2000) + kOldBook.substr(0, 104);
        fs::rename(fresh, Book());
        ::close(held);
    });
    FaultyFileCalls files;
    EXPECT_EQ(Victory(files, 1000), BookOutcome::Written);
    other.join();
    EXPECT_EQ(BookBytes().substr(0, 52), Row("top", 2000) + Row("\xDF\xED", 1000));
}

// A file that is no book (a player's notes behind the book's name, or behind
// a link in its place) is never cut to a book: the winner is told at once,
// before typing a name for nothing.
TEST_F(BookFaults, AFileThatIsNoBookIsLeftAsItIs) {
    std::string notes;
    while (notes.size() < 1892) notes += "notes of the player, ";
    const std::string kNotABook = "Файл «" + Book().string() + "» — не книга чемпионов";
    PutBook(notes);
    FaultyFileCalls files;
    EXPECT_EQ(Victory(files, 1000, false), BookOutcome::Unreadable);
    auto told = Messages();
    EXPECT_TRUE(StartsWith(told, kNotABook)) << (told.empty() ? "" : told[0]);
    EXPECT_FALSE(nameAsked);
    EXPECT_EQ(BookBytes(), notes);

    // A link in the book's place to such a file; the check holds under the
    // lock too, should the file change after the first look.
    const fs::path elsewhere = dir / "notes.txt";
    std::ofstream(elsewhere, std::ios::binary) << notes;
    fs::remove(Book());
    fs::create_symlink(elsewhere, Book());
    EXPECT_EQ(Victory(files, 1000, false), BookOutcome::Unreadable);
    Messages();
    EXPECT_EQ(BookBytes(), notes);
    fs::remove(Book());
    PutBook(kOldBook);
    rig.game.st.FinalScore = 1000;
    rig.dialogs.Queue({Answer::Text, "Ян"});
    rig.dialogs.Queue({Answer::OK, ""});
    rig.dialogs.waitWhileOpen = [&](int64_t) { PutBook(notes); };
    rig.dialogs.OpenFor(1);
    EXPECT_EQ(BookUpdate(rig.game, files), BookOutcome::Unreadable);
    EXPECT_EQ(BookBytes(), notes);
}

// A save killed between its write and its rename leaves its fresh file; the
// next save, holding the lock, removes such files and nothing else.
TEST_F(BookFaults, LeftoversOfKilledSavesGoAtTheNextSave) {
    PutBook(kOldBook);
    const std::vector<std::string> others = {".table.dat.0123456789AB", ".table.dat.0123456789a",
                                             ".table.dat.aaaaaaaaaaaa", "table.dat",
                                             "table.dat.0123456789ab"};
    for (const char* leftover : {".table.dat.0123456789ab", ".table.dat.ffffffffffff"})
        std::ofstream(Tables() / leftover) << kOldBook.substr(0, 60);
    std::ofstream(Tables() / ".table.dat.0123456789AB") << "mine";
    std::ofstream(Tables() / ".table.dat.0123456789a") << "mine";
    std::ofstream(Tables() / "table.dat.0123456789ab") << "mine";
    fs::create_directory(Tables() / ".table.dat.aaaaaaaaaaaa");
    FaultyFileCalls files;
    EXPECT_EQ(Victory(files), BookOutcome::Written);
    EXPECT_EQ(Folder(), others);
}

}  // namespace
}  // namespace krepogor
