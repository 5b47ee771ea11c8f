#include <gtest/gtest.h>

#include <filesystem>

#include "SceneFixture.h"
#include "desktop/sdl/PngWriter.h"
#include "desktop/sdl/SdlPictureDecoder.h"
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
