// The start-up's pictures, decoded beside the window system's start.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "codec/SdlPictureDecoder.h"
#include "desktop/sdl/SdlPicturePreload.h"
#include "render/PictureLoader.h"

namespace krepogor {
namespace {

namespace fs = std::filesystem;

// A copy of the game's pictures that a test may spoil.
class PicturePreloadTest : public ::testing::Test {
protected:
    PicturePreloadTest()
        : dir_(fs::temp_directory_path() /
               ("krepogor_preload_" + std::to_string(getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fs::copy(fs::path(KREPOGOR_SOURCE_DIR) / "resources", dir_ / "resources",
                 fs::copy_options::recursive);
        fs::create_directories(dir_ / "gamedata" / "pics");
        fs::copy(fs::path(KREPOGOR_SOURCE_DIR) / "gamedata" / "pics" / "map.jpg",
                 dir_ / "gamedata" / "pics" / "map.jpg");
    }
    ~PicturePreloadTest() override { fs::remove_all(dir_); }

    std::string Resources() const { return (dir_ / "resources").string(); }
    std::string App() const { return dir_.string(); }
    void Spoil(const std::string& file, const std::string& bytes) {
        std::ofstream(dir_ / "resources" / file, std::ios::binary | std::ios::trunc) << bytes;
    }

    fs::path dir_;
};

TEST_F(PicturePreloadTest, GivesWhatTheGamesOwnLoadGives) {
    SdlPicturePreload preload(Resources(), "frm_menu.png", App());
    const Picture menu = preload.TakeMenuBackground();
    PictureSet taken, loaded;
    preload.TakeInto(taken);
    SdlPictureDecoder decoder;
    Picture own;
    std::string error;
    ASSERT_TRUE(decoder.Decode(Resources() + "/frm_menu.png", own, error)) << error;
    EXPECT_EQ(menu.Width, 659);
    EXPECT_EQ(menu.Pixels, own.Pixels);
    LoadPictures(loaded, decoder, Resources(), App());
    EXPECT_EQ(taken.MapPic.Pixels, loaded.MapPic.Pixels);
    std::vector<const Picture*> mine;
    loaded.ForEachSprite([&](Picture& p) { mine.push_back(&p); });
    size_t i = 0;
    taken.ForEachSprite([&](Picture& p) {
        ASSERT_TRUE(p.HasPixels()) << p.Name;
        EXPECT_EQ(p.Pixels, mine[i++]->Pixels) << p.Name;
    });
}

// A spoilt sprite stops the start when the battle window takes its pictures,
// with the message the game's own load gives.
TEST_F(PicturePreloadTest, ASpoiltSpriteStopsTheStartWhenTaken) {
    Spoil("ImgMobPic3.png", "\x89PNG\r\n\x1a\n");
    SdlPicturePreload preload(Resources(), "frm_menu.png", App());
    EXPECT_TRUE(preload.TakeMenuBackground().HasPixels());
    PictureSet pics;
    try {
        preload.TakeInto(pics);
        FAIL() << "a spoilt sprite was taken";
    } catch (const PictureLoadError& e) {
        EXPECT_NE(std::string(e.what()).find("ImgMobPic3.png» не годится: файл PNG обрезан"),
                  std::string::npos)
            << e.what();
    }
}

// A background that is no picture, or one too big to show, is not decoded
// ahead: the screen loads it itself and says what is wrong.
TEST_F(PicturePreloadTest, AnUnfitMenuBackgroundIsLeftToTheScreen) {
    fs::copy_file(fs::path(KREPOGOR_SOURCE_DIR) / "tests/shell/fixtures/huge.jpg",
                  dir_ / "resources" / "huge.jpg");
    Spoil("frm_menu.png", "not a picture");
    {
        SdlPicturePreload preload(Resources(), "frm_menu.png", App());
        EXPECT_FALSE(preload.TakeMenuBackground().HasPixels());
    }
    SdlPicturePreload preload(Resources(), "huge.jpg", App());
    EXPECT_FALSE(preload.TakeMenuBackground().HasPixels());
}

// Ended before anything was taken (no display, say): the helper is waited
// for.
TEST_F(PicturePreloadTest, EndsCleanlyWhenNothingIsTaken) {
    SdlPicturePreload preload(Resources(), "frm_menu.png", App());
}

}  // namespace
}  // namespace krepogor
