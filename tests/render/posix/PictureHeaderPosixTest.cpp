#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "render/PictureHeader.h"

namespace krepogor {
namespace {

namespace fs = std::filesystem;

TEST(PictureHeader, OnlyRegularFilesAreReadAndNothingWaits) {
    const fs::path dir = fs::temp_directory_path() / "krepogor-picture-header";
    fs::remove_all(dir);
    fs::create_directories(dir);
    ASSERT_EQ(::mkfifo((dir / "pipe.png").c_str(), 0644), 0);
    PictureHeader h;
    std::string error;
    EXPECT_FALSE(ReadPictureHeader((dir / "pipe.png").string(), h, error));
    EXPECT_EQ(error, "это не обычный файл");
    EXPECT_FALSE(ReadPictureHeader(dir.string(), h, error));
    EXPECT_FALSE(ReadPictureHeader((dir / "none.png").string(), h, error));
    EXPECT_EQ(error, "файла нет");
    fs::remove_all(dir);
}

}  // namespace
}  // namespace krepogor
