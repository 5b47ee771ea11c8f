#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <thread>

#include "BookTestDir.h"
#include "FaultyFileCalls.h"
#include "frontend/BookFile.h"
#include "frontend/BookUpdate.h"
#include "frontend/BookWindow.h"
#include "headless/Rig.h"

namespace krepogor {
namespace {

namespace fs = std::filesystem;
using Answer = ScriptedDialogs::Answer;

const std::string kSaveFailed = "Не удалось сохранить книгу чемпионов «";
const std::string kUnreadable = "Не удалось прочитать книгу чемпионов «";

std::string Row(const std::string& name, int score) {
    std::string s = " " + std::to_string(score);
    return name + std::string(20 - name.size(), ' ') + s + std::string(6 - s.size(), ' ');
}

const std::string kOldBook =
    Row("a", 900) + Row("b", 800) + Row("c", 700) + Row("d", 600) + Row("e", 500);

class BookFaults : public BookTestDir {
protected:
    // A won battle with `score` whose winner answers "Ян" (or, with no name
    // given, OK) to the name box, and OK to a message box.
    BookOutcome Victory(IFileCalls& files, int score = 1000, bool named = true) {
        rig.game.st.FinalScore = score;
        rig.dialogs.Queue(named ? Answer{Answer::Text, "Ян"} : Answer{Answer::OK, ""});
        rig.dialogs.Queue({Answer::OK, ""});
        const BookOutcome outcome = BookUpdate(rig.game, files);
        while (rig.dialogs.Pending()) rig.dialogs.MsgBox("", "unused", MsgButtons::OK);
        return outcome;
    }

    // The texts of the message boxes shown since the last call; nameAsked
    // tells whether the name box was among them.
    std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        nameAsked = false;
        for (auto& e : rig.boxes.Take()) {
            if (e[0] == "MsgBox" && e[1] != "unused") texts.push_back(e[2]);
            nameAsked |= e[0] == "InputBox";
        }
        return texts;
    }
    bool nameAsked = false;

    bool StartsWith(const std::vector<std::string>& texts, const std::string& start) {
        return texts.size() == 1 && texts[0].rfind(start, 0) == 0 &&
               texts[0].find(Book().string()) != std::string::npos;
    }

    // Every name in the book's folder.
    std::vector<std::string> Folder() const {
        std::vector<std::string> names;
        for (auto& e : fs::directory_iterator(Tables())) names.push_back(e.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }

    Rig rig{dir.string()};
};

// Each file call of a victory, made to fail in turn: the book is either the
// new one or wholly the old one, a failure is told in a box naming the file,
// and no fresh file is left behind.
TEST_F(BookFaults, EveryCallOfAVictoryFailingInTurnKeepsTheBookWhole) {
    PutBook(kOldBook);
    FaultyFileCalls clean;
    ASSERT_EQ(Victory(clean, 1000, false), BookOutcome::Written);
    const std::string newBook = BookBytes();
    ASSERT_NE(newBook, kOldBook);
    const size_t callCount = clean.calls.size();
    for (size_t i = 0; i < callCount; ++i) {
        SCOPED_TRACE("call " + std::to_string(i) + ": " + clean.calls[i]);
        PutBook(kOldBook);
        Messages();
        FaultyFileCalls faulty;
        faulty.failAt = static_cast<int>(i);
        const BookOutcome outcome = Victory(faulty, 1000, false);
        const auto told = Messages();
        const std::string bytes = BookBytes();
        if (outcome == BookOutcome::Written) {
            EXPECT_EQ(bytes, newBook);
            EXPECT_TRUE(told.empty());
        } else {
            EXPECT_EQ(bytes, kOldBook);
            EXPECT_TRUE(
                StartsWith(told, outcome == BookOutcome::WriteFailed ? kSaveFailed : kUnreadable));
        }
        EXPECT_EQ(Folder(), std::vector<std::string>{"table.dat"});
    }
}

// The rename is pushed to the disk with the book's folder; a folder that
// cannot be synced leaves the new book in place, whole, and asks nothing.
TEST_F(BookFaults, TheRenameIsSyncedWithItsFolder) {
    PutBook(kOldBook);
    FaultyFileCalls clean;
    ASSERT_EQ(Victory(clean, 1000, false), BookOutcome::Written);
    const std::string newBook = BookBytes();
    const auto rename = std::find(clean.calls.begin(), clean.calls.end(), "Rename");
    ASSERT_NE(rename, clean.calls.end());
    ASSERT_NE(rename + 1, clean.calls.end());
    EXPECT_EQ(*(rename + 1), "SyncFolder");

    PutBook(kOldBook);
    Messages();
    FaultyFileCalls faulty;
    faulty.failAt = static_cast<int>(rename - clean.calls.begin() + 1);
    testing::internal::CaptureStderr();
    EXPECT_EQ(Victory(faulty, 1000, false), BookOutcome::Written);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("cannot push to the disk the folder"),
              std::string::npos);
    EXPECT_EQ(BookBytes(), newBook);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(BookFaults, FailedSavesAreToldWithThePathAndKeepTheWinnerInMemory) {
    for (const char* call : {"Write", "Sync", "Close", "Rename", "Lock", "CreateNew"}) {
        SCOPED_TRACE(call);
        PutBook(kOldBook);
        FaultyFileCalls clean;
        Victory(clean);
        Messages();
        PutBook(kOldBook);
        // The last call of that name in a clean run is the one of the save.
        int at = -1;
        for (size_t i = 0; i < clean.calls.size(); ++i)
            if (clean.calls[i] == call) at = static_cast<int>(i);
        ASSERT_GE(at, 0);
        FaultyFileCalls faulty;
        faulty.failAt = at;
        if (std::string(call) == "Close")  // the fresh file's, right after its sync
            faulty.failAt =
                static_cast<int>(std::find(clean.calls.begin(), clean.calls.end(), "Sync") -
                                 clean.calls.begin() + 1);
        testing::internal::CaptureStderr();
        EXPECT_EQ(Victory(faulty), BookOutcome::WriteFailed);
        // Standard error has the failed call's own reason, never "Success".
        const std::string detail = testing::internal::GetCapturedStderr();
        EXPECT_NE(detail.find(": Input/output error"), std::string::npos) << detail;
        EXPECT_EQ(detail.find("Success"), std::string::npos) << detail;
        EXPECT_TRUE(StartsWith(Messages(), kSaveFailed));
        EXPECT_EQ(BookBytes(), kOldBook);
        EXPECT_EQ(rig.game.st.RecName(1), "Ян");
        EXPECT_EQ(rig.game.st.RecName(2), "a");
        EXPECT_EQ(Folder(), std::vector<std::string>{"table.dat"});
    }
}

TEST_F(BookFaults, WriteStoppingAtAnyByteKeepsTheOldBook) {
    for (long budget = 0; budget < 130; ++budget) {
        SCOPED_TRACE(budget);
        PutBook(kOldBook);
        FaultyFileCalls faulty;
        faulty.writeBudget = budget;
        testing::internal::CaptureStderr();
        EXPECT_EQ(Victory(faulty), BookOutcome::WriteFailed);
        // Standard error has the failed call's own reason, never "Success".
        const std::string detail = testing::internal::GetCapturedStderr();
        EXPECT_NE(detail.find(": No space left on device"), std::string::npos) << detail;
        EXPECT_EQ(detail.find("Success"), std::string::npos) << detail;
        EXPECT_TRUE(StartsWith(Messages(), kSaveFailed));
        EXPECT_EQ(BookBytes(), kOldBook);
        EXPECT_EQ(Folder(), std::vector<std::string>{"table.dat"});
    }
}

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

TEST_F(BookFaults, TakenFreshNamesAreSkippedNotOpened) {
    PutBook(kOldBook);
    FaultyFileCalls files;
    Victory(files);
    int created = 0;
    for (auto& c : files.calls) created += c == "CreateNew";
    PutBook(kOldBook);
    FaultyFileCalls taken;
    // The first fresh name is taken: the write goes on under another.
    taken.failAt = static_cast<int>(std::find(files.calls.begin(), files.calls.end(), "CreateNew") -
                                    files.calls.begin());
    taken.failErrno = EEXIST;
    EXPECT_EQ(Victory(taken), BookOutcome::Written);
    ASSERT_EQ(taken.created.size(), 2u);
    EXPECT_NE(taken.created[0], taken.created[1]);
    EXPECT_EQ(created, 1);
}

// Two copies of the game win at once: neither winner is lost.
TEST_F(BookFaults, AWinnerEnteredMeanwhileIsKept) {
    PutBook(kOldBook);
    Rig other(dir.string());
    // While this winner types a name, the other copy enters its own.
    rig.dialogs.OpenFor(10);
    rig.dialogs.waitWhileOpen = [&](int64_t) {
        other.game.st.FinalScore = 850;
        other.dialogs.Queue({Answer::Text, "Ждан"});
        ASSERT_EQ(BookUpdate(other.game), BookOutcome::Written);
    };
    FaultyFileCalls files;
    EXPECT_EQ(Victory(files, 750), BookOutcome::Written);
    EXPECT_EQ(rig.game.st.RecIdx, 4);
    EXPECT_EQ(BookBytes(), Row("a", 900) + Row("\xC6\xE4\xE0\xED", 850) + Row("b", 800) +
                               Row("\xDF\xED", 750) + Row("c", 700));
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

// A book the save itself makes (there was none) is whole or not there at all,
// and starts from the installed book when the game has one.
TEST_F(BookFaults, ABookTheSaveMakesIsWholeOrNotThere) {
    FaultyFileCalls full;
    full.writeBudget = 0;
    testing::internal::CaptureStderr();
    EXPECT_EQ(Victory(full), BookOutcome::WriteFailed);
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(StartsWith(Messages(), kSaveFailed));
    EXPECT_EQ(Folder(), std::vector<std::string>{});

    const fs::path installed = dir / "installed.dat";
    std::ofstream(installed, std::ios::binary) << kOldBook;
    rig.platform.bookSeed = installed.string();
    FaultyFileCalls files;
    EXPECT_EQ(Victory(files, 850), BookOutcome::Written);
    EXPECT_EQ(BookBytes(),
              Row("a", 900) + Row("\xDF\xED", 850) + Row("b", 800) + Row("c", 700) + Row("d", 600));
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

// With no folder for the player's own book, the installed book is shown and
// never written; a victory says why its score cannot be kept.
TEST_F(BookFaults, WithNoPlaceForABookTheInstalledOneIsOnlyRead) {
    PutBook(kOldBook);
    rig.platform.bookNotKept = "нет папки";
    FaultyFileCalls files;
    EXPECT_EQ(Victory(files, 1000, false), BookOutcome::NotKept);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Ваш результат негде сохранить: нет папки."});
    EXPECT_FALSE(nameAsked);
    EXPECT_EQ(BookBytes(), kOldBook);
    EXPECT_FALSE(WriteAllRows(rig.game));
    EXPECT_EQ(BookBytes(), kOldBook);

    Records_Click(rig.game);
    EXPECT_EQ(rig.game.FrmRecords.LabelName(0), "a");
    EXPECT_EQ(rig.game.FrmRecords.LabelScore(4), "500");
    EXPECT_TRUE(Messages().empty());
}

}  // namespace
}  // namespace krepogor
