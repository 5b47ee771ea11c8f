#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "render/PictureLoader.h"

namespace krepogor {
namespace {

// Decodes from a table of files: each a picture of the given size whose
// pixels all hold the file's number in the table.
// A file's header claims its size from `claims` when it is there. Paths are
// spelt with "/" here, whatever the system's separator.
std::string Slashed(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

class TableDecoder : public IPictureDecoder {
public:
    bool Measure(const std::string& systemPath, int& width, int& height,
                 std::string& error) override {
        const std::string path = Slashed(systemPath);
        const auto it = files.find(path);
        if (it == files.end()) {
            error = "no such file";
            return false;
        }
        const auto claim = claims.count(path) ? claims[path] : it->second;
        width = claim.first;
        height = claim.second;
        return true;
    }
    bool Decode(const std::string& systemPath, Picture& out, std::string& error) override {
        const std::string path = Slashed(systemPath);
        decoded.push_back(path);
        const auto it = files.find(path);
        if (it == files.end()) {
            error = "no such file";
            return false;
        }
        out.Width = it->second.first;
        out.Height = it->second.second;
        out.Pixels.assign(static_cast<size_t>(out.Width) * out.Height,
                          static_cast<uint32_t>(std::distance(files.begin(), it)));
        return true;
    }
    std::map<std::string, std::pair<int, int>> files, claims;
    std::vector<std::string> decoded;
};

class PictureLoaderTest : public ::testing::Test {
protected:
    // The files as they should be: every picture of the set at its size.
    PictureLoaderTest() {
        decoder.files["app/gamedata/pics/map.jpg"] = {927, 640};
        expected.ForEachSprite([this](Picture& p) {
            decoder.files["res/" + ResourceFileName(p.Name)] = {p.Width, p.Height};
        });
    }
    std::string LoadError() {
        try {
            LoadPictures(pics, decoder, "res", "app");
        } catch (const PictureLoadError& e) {
            return Slashed(e.what());
        }
        return "";
    }

    PictureSet expected, pics;
    TableDecoder decoder;
};

TEST_F(PictureLoaderTest, LoadsEveryPictureFromItsFile) {
    ASSERT_EQ(LoadError(), "");
    auto from = [this](const std::string& path) {
        return static_cast<uint32_t>(
            std::distance(decoder.files.begin(), decoder.files.find(path)));
    };
    EXPECT_EQ(pics.MapPic.Pixels.at(0), from("app/gamedata/pics/map.jpg"));
    EXPECT_EQ(pics.ImgGunPic(3).Pixels.at(0), from("res/ImgGunPic_3.png"));
    EXPECT_EQ(pics.ImgListBumMask(11).Pixels.at(0), from("res/ImgListBumMask_11.png"));
    EXPECT_EQ(pics.ImgZifra(11).Pixels.size(), 18u * 18u);
    int loaded = 0;
    pics.ForEachSprite([&](Picture& p) { loaded += p.HasPixels() ? 1 : 0; });
    EXPECT_EQ(loaded, static_cast<int>(decoder.files.size()) - 1);
}

TEST_F(PictureLoaderTest, AWrongSizeNamesTheFileAndTheExpectedSize) {
    decoder.files["res/ImgZifra_11.png"] = {12, 18};
    const std::string error = LoadError();
    EXPECT_NE(error.find("res/ImgZifra_11.png"), std::string::npos) << error;
    EXPECT_NE(error.find("12 x 18"), std::string::npos) << error;
    EXPECT_NE(error.find("ImgZifra(11), 18 x 18"), std::string::npos) << error;
}

TEST_F(PictureLoaderTest, AHugeSizeInTheHeaderIsRefusedBeforeDecoding) {
    decoder.claims["app/gamedata/pics/map.jpg"] = {24000, 24000};
    const std::string error = LoadError();
    EXPECT_NE(error.find("«app/gamedata/pics/map.jpg» не годится: 24000 x 24000"),
              std::string::npos)
        << error;
    EXPECT_TRUE(decoder.decoded.empty());
}

TEST_F(PictureLoaderTest, ADecodedSizeThatBetraysItsHeaderIsRefused) {
    decoder.claims["res/ImgGunPic_3.png"] = decoder.files["res/ImgGunPic_3.png"];
    decoder.files["res/ImgGunPic_3.png"].first += 1;
    const std::string error = LoadError();
    EXPECT_NE(error.find("res/ImgGunPic_3.png"), std::string::npos) << error;
}

TEST_F(PictureLoaderTest, AMissingFrameNamesTheFile) {
    decoder.files.erase("res/ImgListShotPic_10.png");
    const std::string error = LoadError();
    EXPECT_NE(error.find("«res/ImgListShotPic_10.png» не годится: no such file"), std::string::npos)
        << error;
    EXPECT_NE(error.find("60 x 50"), std::string::npos) << error;
}

TEST_F(PictureLoaderTest, TheBackgroundIsRequired) {
    decoder.files.erase("app/gamedata/pics/map.jpg");
    EXPECT_NE(LoadError().find("app/gamedata/pics/map.jpg"), std::string::npos);
}

// Pictures loaded into one set reach the game's own set picture by picture.
TEST_F(PictureLoaderTest, TakenPicturesLandInTheSamePictures) {
    ASSERT_EQ(LoadError(), "");
    PictureSet game;
    TakePictures(game, pics);
    EXPECT_EQ(game.MapPic.Pixels.at(0),
              static_cast<uint32_t>(std::distance(
                  decoder.files.begin(), decoder.files.find("app/gamedata/pics/map.jpg"))));
    game.ForEachSprite([&](Picture& p) {
        ASSERT_TRUE(p.HasPixels()) << p.Name;
        const auto it = decoder.files.find("res/" + ResourceFileName(p.Name));
        EXPECT_EQ(p.Pixels.at(0), static_cast<uint32_t>(std::distance(decoder.files.begin(), it)))
            << p.Name;
    });
    pics.ForEachSprite([](Picture& p) { EXPECT_FALSE(p.HasPixels()) << p.Name; });
}

}  // namespace
}  // namespace krepogor
