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

// A JPEG of a few bytes whose frame header (of type `frame`, with that
// sample precision and number of colour components) claims `w` x `h`.
std::string TinyJpeg(int w, int h, char frame = '\xC0', char precision = 8, char components = 1) {
    std::string j = "\xFF\xD8\xFF";
    j += frame + std::string("\x00\x0B", 2) + precision + char(h >> 8) + char(h & 0xFF) +
         char(w >> 8) + char(w & 0xFF) + components + std::string("\x01\x11\x00", 3);
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

// What the decoder would draw in false colours, or not at all, is refused
// from the header with its reason; what it reads passes.
TEST(PictureHeader, JpegsTheDecoderCannotShowAreRefusedWithTheirReason) {
    std::string error;
    for (char frame : {'\xC0', '\xC1', '\xC2', '\xC9', '\xCA'})
        for (char components : {1, 3}) {
            EXPECT_EQ(Parse(TinyJpeg(16, 8, frame, 8, components), error).width, 16) << error;
        }
    EXPECT_EQ(Parse(TinyJpeg(16, 8, '\xC0', 8, 4), error).width, 0);
    EXPECT_NE(error.find("(CMYK)"), std::string::npos) << error;
    EXPECT_EQ(Parse(TinyJpeg(16, 8, '\xC2', 8, 2), error).width, 0);
    EXPECT_NE(error.find("число цветовых составляющих"), std::string::npos) << error;
    EXPECT_EQ(Parse(TinyJpeg(16, 8, '\xC1', 12, 3), error).width, 0);
    EXPECT_NE(error.find("не 8 бит на цвет"), std::string::npos) << error;
    for (char frame : {'\xC3', '\xC5', '\xC7', '\xCB', '\xCF'}) {
        EXPECT_EQ(Parse(TinyJpeg(16, 8, frame, 8, 3), error).width, 0);
        EXPECT_NE(error.find("без потерь или по уровням"), std::string::npos) << error;
    }
}

}  // namespace
}  // namespace krepogor
