#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "render/PictureHeader.h"

namespace krepogor {
namespace {

namespace fs = std::filesystem;

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A JPEG of a few bytes whose frame header claims `w` x `h`.
std::string TinyJpeg(int w, int h) {
    std::string j = "\xFF\xD8";
    j += std::string("\xFF\xC0\x00\x0B\x08", 5) + char(h >> 8) + char(h & 0xFF) + char(w >> 8) +
         char(w & 0xFF) + std::string("\x01\x01\x11\x00", 4);
    j += std::string("\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00", 10) + "\x12\x34\xFF" +
         std::string(1, '\0') + "\x56";
    return j + "\xFF\xD9";
}

PictureHeader Parse(const std::string& bytes, std::string& error) {
    PictureHeader h;
    if (!ParsePictureHeader(bytes, h, error)) return {};
    error.clear();
    return h;
}

TEST(PictureHeader, ShippedPicturesMeasureAsTheyDecode) {
    if (!fs::exists("gamedata/pics/map.jpg")) GTEST_SKIP() << "no game data";
    PictureHeader h;
    std::string error;
    ASSERT_TRUE(ReadPictureHeader("gamedata/pics/map.jpg", h, error)) << error;
    EXPECT_EQ(h.width, 927);
    EXPECT_EQ(h.height, 640);
    ASSERT_TRUE(ReadPictureHeader("resources/ImgZifra_11.png", h, error)) << error;
    EXPECT_EQ(h.width, 18);
    EXPECT_EQ(h.height, 18);
}

TEST(PictureHeader, AHugeClaimIsReadFromAFewBytes) {
    std::string error;
    const std::string jpeg = TinyJpeg(24000, 24000);
    EXPECT_LT(jpeg.size(), 200u);
    const PictureHeader h = Parse(jpeg, error);
    EXPECT_EQ(h.width, 24000) << error;
    EXPECT_EQ(h.height, 24000);
}

// Every cut of a shipped picture short of its end is found.
TEST(PictureHeader, TruncatedFilesAreRefusedAtEveryCut) {
    if (!fs::exists("gamedata/pics/map.jpg")) GTEST_SKIP() << "no game data";
    for (const char* path : {"gamedata/pics/map.jpg", "resources/ImgGunPic_1.png"}) {
        const std::string whole = Slurp(path);
        std::string error;
        ASSERT_GT(Parse(whole, error).width, 0) << path << ": " << error;
        const size_t step = std::max<size_t>(1, whole.size() / 300);
        for (size_t cut = 0; cut + 1 < whole.size(); cut += step) {
            EXPECT_EQ(Parse(whole.substr(0, cut), error).width, 0) << path << " cut at " << cut;
            EXPECT_FALSE(error.empty());
        }
        EXPECT_EQ(Parse(whole.substr(0, whole.size() - 1), error).width, 0) << path;
    }
}

TEST(PictureHeader, WhatIsNoPictureIsRefused) {
    std::string error;
    for (const std::string& bytes :
         {std::string(), std::string("GIF89a......"), std::string("\xFF\xD8\xFF\xD9"),
          std::string("\x89PNG\r\n\x1a\n\0\0\0\0IEND\0\0\0\0", 20), TinyJpeg(0, 10)}) {
        EXPECT_EQ(Parse(bytes, error).width, 0);
        EXPECT_FALSE(error.empty());
    }
}

}  // namespace
}  // namespace krepogor
