#include <gtest/gtest.h>

#include "BookFaults.h"

namespace krepogor {
namespace {

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
    EXPECT_NE(testing::internal::GetCapturedStderr().find("не сбрасывается на диск папка"),
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
        EXPECT_NE(detail.find(": ошибка системы EIO"), std::string::npos) << detail;
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
        EXPECT_NE(detail.find(": на диске нет места"), std::string::npos) << detail;
        EXPECT_EQ(detail.find("Success"), std::string::npos) << detail;
        EXPECT_TRUE(StartsWith(Messages(), kSaveFailed));
        EXPECT_EQ(BookBytes(), kOldBook);
        EXPECT_EQ(Folder(), std::vector<std::string>{"table.dat"});
    }
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
