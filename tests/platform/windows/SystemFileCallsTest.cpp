// The book's file calls and places on Windows, in a folder named with
// Cyrillic letters and spaces.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "platform/FileCalls.h"
#include "platform/SystemPlaces.h"
#include "platform/Utf8Path.h"

namespace krepogor {
namespace {

namespace fs = std::filesystem;

class WindowsFiles : public ::testing::Test {
protected:
    WindowsFiles() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir =
            fs::temp_directory_path() / PathOf("Крепогор с пробелами " + std::string(info->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        book = Utf8Of(dir / "table.dat");
    }
    ~WindowsFiles() override {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    void Put(const std::string& path, const std::string& bytes) {
        const int fd = files.CreateNew(path);
        ASSERT_GE(fd, 0) << path;
        ASSERT_EQ(files.Write(fd, bytes.data(), bytes.size()), static_cast<long>(bytes.size()));
        ASSERT_EQ(files.Sync(fd), 0);
        ASSERT_EQ(files.Close(fd), 0);
    }
    std::string Read(const std::string& path) {
        std::ifstream in(PathOf(path), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    IFileCalls& files = SystemFileCalls();
    fs::path dir;
    std::string book;
};

// Windows moves nothing over an open file: the book held locked by this very
// program is still replaced, and nothing is left beside it.
TEST_F(WindowsFiles, ABookHeldUnderTheLockIsReplacedInPlace) {
    Put(book, "old book");
    const int held = files.OpenToRead(book, false);
    ASSERT_GE(held, 0);
    ASSERT_EQ(files.Lock(held), 0);
    char buf[16] = {};
    EXPECT_EQ(files.Read(held, buf, sizeof buf), 8);
    const std::string fresh = Utf8Of(dir / ".table.dat.fresh");
    Put(fresh, "new book");
    ASSERT_EQ(files.Rename(fresh, book), 0) << std::strerror(errno);
    EXPECT_EQ(files.SyncFolder(Utf8Of(dir)), 0);
    EXPECT_EQ(files.Close(held), 0);
    EXPECT_EQ(Read(book), "new book");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 1);
}

// Two holders of the lock on one book, as two copies of the game: the second
// waits until the first lets go, and then holds the book as it is by then.
TEST_F(WindowsFiles, TheLockWaitsForItsHolder) {
    Put(book, "old book");
    std::atomic<bool> held{false};
    std::thread first([&] {
        const int fd = files.OpenToRead(book, false);
        ASSERT_EQ(files.Lock(fd), 0);
        held = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        const std::string fresh = Utf8Of(dir / ".table.dat.first");
        Put(fresh, "first's book");
        ASSERT_EQ(files.Rename(fresh, book), 0);
        files.Close(fd);
    });
    while (!held) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    const int fd = files.OpenToRead(book, false);
    ASSERT_GE(fd, 0);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(files.Lock(fd), 0);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
    first.join();
    FileInfo now, locked;
    ASSERT_EQ(files.Info(fd, locked), 0);
    ASSERT_EQ(files.PathInfo(book, now), 0);
    EXPECT_EQ(locked.inode, now.inode);
    char buf[32] = {};
    EXPECT_EQ(std::string(buf, files.Read(fd, buf, sizeof buf)), "first's book");
    EXPECT_EQ(files.Close(fd), 0);
}

TEST_F(WindowsFiles, FilesFoldersAndMissingOnesAreToldApart) {
    Put(book, "12345");
    FileInfo info, open;
    ASSERT_EQ(files.PathInfo(book, info), 0);
    EXPECT_TRUE(info.regular);
    EXPECT_FALSE(info.link);
    EXPECT_EQ(info.size, 5u);
    const int fd = files.OpenToRead(book, true);
    ASSERT_EQ(files.Info(fd, open), 0);
    EXPECT_EQ(open.device, info.device);
    EXPECT_EQ(open.inode, info.inode);
    files.Close(fd);

    ASSERT_EQ(files.PathInfo(Utf8Of(dir), info), 0);
    EXPECT_FALSE(info.regular);
    const int folder = files.OpenToRead(Utf8Of(dir), false);
    ASSERT_GE(folder, 0);  // opens, as on POSIX, and is then no regular file
    ASSERT_EQ(files.Info(folder, info), 0);
    EXPECT_FALSE(info.regular);
    files.Close(folder);

    const std::string missing = Utf8Of(dir / PathOf("нет") / "table.dat");
    EXPECT_EQ(files.PathInfo(missing, info), -1);
    EXPECT_EQ(errno, ENOENT);
    EXPECT_EQ(files.OpenToRead(missing, false), -1);
    EXPECT_EQ(errno, ENOENT);
    EXPECT_EQ(files.CreateNew(book), -1);
    EXPECT_EQ(errno, EEXIST);
    EXPECT_EQ(files.Close(12345), -1);
    EXPECT_EQ(errno, EBADF);

    ASSERT_EQ(files.MakeDirs(Utf8Of(dir / PathOf("нет") / PathOf("ещё"))), 0);
    EXPECT_TRUE(fs::is_directory(dir / PathOf("нет") / PathOf("ещё")));
    std::vector<std::string> names;
    ASSERT_EQ(files.ListFolder(Utf8Of(dir), names), 0);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"table.dat", "нет"}));
    EXPECT_EQ(files.ListFolder(missing, names), -1);
    EXPECT_EQ(errno, ENOENT);
    EXPECT_EQ(files.Remove(book), 0);
    EXPECT_FALSE(fs::exists(PathOf(book)));
}

TEST_F(WindowsFiles, PlacesComeFromTheSystem) {
    EXPECT_EQ(PathOf(RunningProgram()).filename(), "platform_tests.exe");
    const fs::path player = PathOf(PlayerDataFolder());
    EXPECT_TRUE(player.is_absolute());
    EXPECT_EQ(player.filename(), "krepogor");
    EXPECT_EQ(PlayerSettingsFolder(), PlayerDataFolder());  // %APPDATA%\krepogor
    EXPECT_TRUE(MayWrite(Utf8Of(dir)));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 0);  // the probe is gone
    Put(book, "");
    EXPECT_TRUE(MayWrite(book));
    EXPECT_FALSE(MayWrite(Utf8Of(dir / PathOf("нет"))));
}

}  // namespace
}  // namespace krepogor
