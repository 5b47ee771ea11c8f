#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "SceneFixture.h"
#include "codec/PngWriter.h"
#include "codec/SdlPictureDecoder.h"
#include "render/PictureLoader.h"

namespace krepogor {
namespace {

namespace fs = std::filesystem;

TEST(SdlPicture, PngRoundTripKeepsEveryChannel) {
    const uint32_t px[] = {0x00000000, 0x00FFFFFF, 0x00123456, 0x00FF0000, 0x0000FF00, 0x000000FF};
    const std::string path = (fs::temp_directory_path() / "krepogor_roundtrip.png").string();
    std::string error;
    ASSERT_TRUE(SavePng(path, px, 3, 2, error)) << error;
    Picture p;
    SdlPictureDecoder decoder;
    ASSERT_TRUE(decoder.Decode(path, p, error)) << error;
    fs::remove(path);
    EXPECT_EQ(p.Width, 3);
    EXPECT_EQ(p.Height, 2);
    EXPECT_EQ(p.Pixels, std::vector<uint32_t>(std::begin(px), std::end(px)));
}

// A file changed between its check and its decoding: the checked bytes are
// the ones decoded, so a picture cannot grow past its check.
TEST(SdlPicture, DecodesTheBytesItMeasured) {
    const uint32_t small[] = {0x00ABCDEF, 0x00102030};
    const uint32_t big[16] = {};
    const std::string path = (fs::temp_directory_path() / "krepogor_measured.png").string();
    std::string error;
    ASSERT_TRUE(SavePng(path, small, 2, 1, error)) << error;
    SdlPictureDecoder decoder;
    int w = 0, h = 0;
    ASSERT_TRUE(decoder.Measure(path, w, h, error)) << error;
    ASSERT_TRUE(SavePng(path, big, 4, 4, error)) << error;
    Picture p;
    ASSERT_TRUE(decoder.Decode(path, p, error)) << error;
    EXPECT_EQ(p.Width, 2);
    EXPECT_EQ(p.Pixels, std::vector<uint32_t>(std::begin(small), std::end(small)));
    // Asked again, it reads the file as it now stands.
    ASSERT_TRUE(decoder.Decode(path, p, error)) << error;
    fs::remove(path);
    EXPECT_EQ(p.Width, 4);
}

// A picture stored with a palette decodes to the palette's colours.
TEST(SdlPicture, APalettePictureKeepsItsColours) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 3, 1, 8, SDL_PIXELFORMAT_INDEX8);
    ASSERT_NE(s, nullptr);
    const SDL_Color colours[] = {{0x12, 0x34, 0x56, 255}, {0xFF, 0, 0, 255}, {0, 0, 0xFF, 255}};
    SDL_SetPaletteColors(s->format->palette, colours, 0, 3);
    const uint8_t index[] = {2, 0, 1};
    std::copy(std::begin(index), std::end(index), static_cast<uint8_t*>(s->pixels));
    const std::string path = (fs::temp_directory_path() / "krepogor_palette.png").string();
    ASSERT_EQ(IMG_SavePNG(s, path.c_str()), 0) << IMG_GetError();
    SDL_FreeSurface(s);
    Picture p;
    std::string error;
    SdlPictureDecoder decoder;
    ASSERT_TRUE(decoder.Decode(path, p, error)) << error;
    fs::remove(path);
    EXPECT_EQ(p.Pixels, (std::vector<uint32_t>{0x000000FF, 0x00123456, 0x00FF0000}));
}

TEST(SdlPicture, AMissingFileIsAnError) {
    Picture p;
    std::string error;
    SdlPictureDecoder decoder;
    EXPECT_FALSE(decoder.Decode("no/such/picture.png", p, error));
    EXPECT_FALSE(error.empty());
}

// The shipped game data: the new-battle frame drawn from it.
TEST(ShippedPictures, NewBattleFrameShowsBackgroundAndGun) {
    if (!fs::exists("gamedata/pics/map.jpg") || !fs::exists("resources/ImgGunPic_1.png"))
        GTEST_SKIP() << "no game data in " << fs::current_path();
    Rig rig;
    Game& g = rig.game;
    SdlPictureDecoder decoder;
    LoadPictures(g.pics, decoder, "resources", ".");
    g.buf.PicGunPic.Put(g.pics.ImgGunPic(1));
    g.buf.PicGunMask.Put(g.pics.ImgGunMask(1));
    SceneView view(g);
    view.Clear();
    view.DrawGun();

    const Picture& map = g.pics.MapPic;
    auto mapAt = [&](int x, int y) { return map.Pixels[static_cast<size_t>(y) * map.Width + x]; };
    for (const auto& [x, y] : {std::pair{0, 0}, {925, 637}, {500, 300}, {19, 390}, {119, 497}})
        EXPECT_EQ(view.Frame().At(x, y), mapAt(x, y)) << x << "," << y;

    const Picture& gun = g.pics.ImgGunPic(1);
    const Picture& mask = g.pics.ImgGunMask(1);
    int differs = 0;
    for (int y = 0; y < 108; ++y)
        for (int x = 0; x < 99; ++x) {
            const size_t i = static_cast<size_t>(y) * 99 + x;
            ASSERT_EQ(view.Frame().At(20 + x, 390 + y),
                      (mapAt(20 + x, 390 + y) & mask.Pixels[i]) | gun.Pixels[i]);
            differs += view.Frame().At(20 + x, 390 + y) != mapAt(20 + x, 390 + y);
        }
    EXPECT_GT(differs, 99 * 108 / 10) << "the gun covers a good part of its rectangle";
}

}  // namespace
}  // namespace krepogor
