#include <cstring>
#include <vector>

#include "SceneFixture.h"
#include "render/SceneView.h"

namespace krepogor {
namespace {

constexpr uint32_t Gun = 0x00101010, Lamp = 0x00202020;
constexpr uint32_t Ball[] = {0, 0x00010001, 0x00010002, 0x00010003};
constexpr uint32_t Mob[] = {0,          0x00020001, 0x00020002, 0x00020003,
                            0x00020004, 0x00020005, 0x00020006};
constexpr uint32_t Shot[] = {0x00030000, 0x00030001, 0x00030002,
                             0x00030003, 0x00030004, 0x00030005};
constexpr uint32_t Bum[] = {0x00040000, 0x00040001, 0x00040002, 0x00040003, 0x00040004, 0x00040005};

// Every buffer holds a picture of its own colour, as if each sprite had
// its own frames.
class SceneViewTest : public SceneFixture {
protected:
    SceneViewTest() {
        PictureSet& p = g.pics;
        SpriteBuffers& b = g.buf;
        Opaque(p.ImgGunPic(1), p.ImgGunMask(1), Gun);
        b.PicGunPic.Put(p.ImgGunPic(1));
        b.PicGunMask.Put(p.ImgGunMask(1));
        Opaque(p.ImgZA, p.ImgZMask, Lamp);
        for (int n = 0; n <= 2; ++n) {
            b.PicZU(n).Put(p.ImgZA);
            b.PicZUMask(n).Put(p.ImgZMask);
        }
        // Balls share one picture pair in the game; here each slot has its own.
        for (int i = 1; i <= 3; ++i) {
            Opaque(p.ImgGunPic(i + 1), p.ImgGunMask(i + 1), Ball[i]);
            b.PicKernelPic(i).Put(p.ImgGunPic(i + 1));
            b.PicKernelMask(i).Put(p.ImgGunMask(i + 1));
        }
        Picture* mobPic[] = {&p.ImgMobPic1,    &p.ImgMobPic2,    &p.ImgMobPic3,
                             &p.ImgMobPic4(0), &p.ImgMobPic5(0), &p.ImgMobPic6(0)};
        Picture* mobMask[] = {&p.ImgMobMask1,    &p.ImgMobMask2,    &p.ImgMobMask3,
                              &p.ImgMobMask4(0), &p.ImgMobMask5(0), &p.ImgMobMask6(0)};
        for (int k = 1; k <= 6; ++k) {
            Opaque(*mobPic[k - 1], *mobMask[k - 1], Mob[k]);
            b.PicMobPic(k).Put(*mobPic[k - 1]);
            b.PicMobMask(k).Put(*mobMask[k - 1]);
        }
        for (int n = 0; n <= 5; ++n) {
            Opaque(p.ImgListShotPic(n + 1), p.ImgListShotMask(n + 1), Shot[n]);
            b.PicShotPic(n).Put(p.ImgListShotPic(n + 1));
            b.PicShotMask(n).Put(p.ImgListShotMask(n + 1));
            Opaque(p.ImgListBumPic(n + 1), p.ImgListBumMask(n + 1), Bum[n]);
            b.PicBumPic(n).Put(p.ImgListBumPic(n + 1));
            b.PicBumMask(n).Put(p.ImgListBumMask(n + 1));
        }
        g.st.Life = 50;
        g.st.DtLevel = g.st.ForceLevel = g.st.Level = 1;
    }
    void Ball_(int i, float x, float y) {
        g.st.KernelFly(i) = -1;
        g.st.KernelX(i) = x;
        g.st.KernelY(i) = y;
    }
    void Mob_(int k, float x, float y) {
        g.st.MobLive(k) = -1;
        g.st.MobX(k) = x;
        g.st.MobY(k) = y;
    }
    void Flash(int n, int x, float y) {
        g.st.VustrelLive(n) = -1;
        g.st.VustrelX(n) = static_cast<int16_t>(x);
        g.st.VustrelY(n) = y;
    }
    void Explosion(int n, float x, float y) {
        g.st.BumLive(n) = true;
        g.st.BumX(n) = x;
        g.st.BumY(n) = y;
    }
};

TEST_F(SceneViewTest, EmptyFieldShowsLampsGunAndBackground) {
    view.RedrawScene();
    EXPECT_EQ(At(210, 1), Lamp);
    EXPECT_EQ(At(458 + 83, 80), Lamp);
    EXPECT_EQ(At(700 + 84, 1), Background);
    EXPECT_EQ(At(20, 390), Gun);
    EXPECT_EQ(At(20 + 98, 390 + 107), Gun);
    EXPECT_EQ(At(20 + 99, 390), Background);
    EXPECT_EQ(At(19, 390), Background);
    EXPECT_EQ(At(400, 300), Background);
}

TEST_F(SceneViewTest, LaterStepsCoverEarlierOnes) {
    Ball_(1, 30, 400);  // over the gun
    Ball_(2, 40, 400);  // over ball 1
    Mob_(1, 200, 10);   // over lamp 0
    Mob_(3, 300, 200);
    Mob_(2, 310, 210);   // a lower kind under a higher one
    Ball_(3, 430, 280);  // under enemy 3
    view.RedrawScene();
    EXPECT_EQ(At(20, 401), Gun);
    EXPECT_EQ(At(31, 401), Ball[1]);
    EXPECT_EQ(At(45, 401), Ball[2]);
    EXPECT_EQ(At(215, 15), Mob[1]);
    EXPECT_EQ(At(215, 5), Lamp);
    EXPECT_EQ(At(311, 211), Mob[3]);
    EXPECT_EQ(At(435, 285), Mob[3]);
    EXPECT_EQ(At(445, 300), Ball[3]);

    g.st.KernelFly(3) = 0;  // a free slot is not drawn
    view.RedrawScene();
    EXPECT_EQ(At(445, 300), Background);
}

TEST_F(SceneViewTest, EffectsLieOverNumbersAndEnemies) {
    Opaque(g.pics.ImgZifra(5), g.pics.ImgZifraM(5), 0x00050505);
    g.st.Kills = 5;
    Mob_(1, 600, 570);
    Flash(0, 670, 580);      // over the number and the enemy
    Explosion(0, 700, 600);  // over flash 0
    Flash(1, 800, 620);      // flash 1 over explosion 0
    Explosion(1, 840, 630);  // explosion 1 over flash 1
    view.RedrawScene();
    EXPECT_EQ(At(665, 590), Mob[1]);
    EXPECT_EQ(At(680, 590), Shot[0]);
    EXPECT_EQ(At(720, 590), Shot[0]);
    EXPECT_EQ(At(710, 610), Bum[0]);
    EXPECT_EQ(At(830, 610), Bum[0]);
    EXPECT_EQ(At(805, 625), Shot[1]);
    EXPECT_EQ(At(845, 635), Bum[1]);
}

TEST_F(SceneViewTest, EffectsOfAHigherSlotCoverThoseOfALowerOne) {
    for (int n = 0; n <= 5; ++n) {
        Flash(n, 100 + 10 * n, 100);
        Explosion(n, 300 + 10 * n, 300);
    }
    view.RedrawScene();
    for (int n = 0; n <= 5; ++n) {
        EXPECT_EQ(At(100 + 10 * n, 100), Shot[n]);
        EXPECT_EQ(At(300 + 10 * n, 300), Bum[n]);
    }
}

TEST_F(SceneViewTest, NumbersLieOverEnemies) {
    Opaque(g.pics.ImgZifra(7), g.pics.ImgZifraM(7), 0x00070707);
    g.st.Kills = 7;
    Mob_(6, 640, 570);
    view.RedrawScene();
    EXPECT_EQ(At(678, 587), 0x00070707u);
    EXPECT_EQ(At(677, 587), Mob[6]);
}

TEST_F(SceneViewTest, EnemiesAtTheEdgesAreClipped) {
    view.RedrawScene();
    std::vector<uint32_t> empty(view.Frame().Pixels(),
                                view.Frame().Pixels() + Canvas::Width * Canvas::Height);
    Mob_(1, 1000, 300);
    Mob_(5, -170, 200);
    Mob_(3, 300, 700);
    view.RedrawScene();
    EXPECT_EQ(0, std::memcmp(view.Frame().Pixels(), empty.data(), empty.size() * 4));

    Mob_(1, 925, 300);
    Mob_(5, -143, 200);
    Mob_(3, 300, -94);
    view.RedrawScene();
    EXPECT_EQ(At(925, 349), Mob[1]);
    EXPECT_EQ(At(0, 261), Mob[5]);
    EXPECT_EQ(At(1, 200), Background);
    EXPECT_EQ(At(439, 0), Mob[3]);
    EXPECT_EQ(At(439, 1), Background);
}

TEST_F(SceneViewTest, PositionsRoundHalvesToEven) {
    Ball_(1, 12.5f, 100.5f);   // (12, 100)
    Ball_(2, 113.5f, 101.5f);  // (114, 102)
    Explosion(0, 400.5f, 300.5f);
    Flash(0, 700, 200.5f);
    view.RedrawScene();
    EXPECT_EQ(At(12, 100), Ball[1]);
    EXPECT_EQ(At(11, 100), Background);
    EXPECT_EQ(At(12, 99), Background);
    EXPECT_EQ(At(36, 124), Ball[1]);
    EXPECT_EQ(At(37, 124), Background);
    EXPECT_EQ(At(114, 102), Ball[2]);
    EXPECT_EQ(At(113, 102), Background);
    EXPECT_EQ(At(114, 101), Background);
    EXPECT_EQ(At(400, 300), Bum[0]);
    EXPECT_EQ(At(399, 300), Background);
    EXPECT_EQ(At(700, 200), Shot[0]);
    EXPECT_EQ(At(700, 199), Background);
}

TEST_F(SceneViewTest, LampPassesTakeTheSizeOfTheirOwnBuffers) {
    Picture& small = g.pics.ImgZNA;
    small.Width = 40;
    small.Height = 30;
    Solid(small, 0x00ABCDEF);
    Solid(g.pics.ImgZMask, 0x00F0F0F0);
    g.buf.PicZU(1).Put(small);
    view.RedrawScene();
    EXPECT_EQ(At(458, 1), (Background & 0x00F0F0F0) | 0x00ABCDEF);
    EXPECT_EQ(At(458 + 39, 30), (Background & 0x00F0F0F0) | 0x00ABCDEF);
    EXPECT_EQ(At(458 + 40, 30), Background & 0x00F0F0F0);
    EXPECT_EQ(At(458 + 83, 80), Background & 0x00F0F0F0);
}

TEST_F(SceneViewTest, NewBattleFrameIsTheBackgroundAndTheGun) {
    Mob_(1, 300, 300);
    view.RedrawScene();
    std::vector<uint32_t> shown;
    view.SetPresenter([&](const Canvas& c) {
        shown.push_back(c.At(300, 300));
        shown.push_back(c.At(210, 1));
        shown.push_back(c.At(20, 390));
    });
    view.Clear();
    view.DrawGun();
    EXPECT_TRUE(shown.empty());
    view.Refresh();
    EXPECT_EQ(shown, (std::vector<uint32_t>{Background, Background, Gun}));
    view.RedrawScene();
    EXPECT_EQ(shown.size(), 6u) << "every redraw is shown once";
}

TEST(SceneViewHeadless, DrawsWithoutPixels) {
    Rig rig;
    SceneView view(rig.game);
    rig.game.st.MobLive(1) = -1;
    rig.game.st.BumLive(0) = true;
    view.RedrawScene();
    EXPECT_EQ(view.Frame().At(20, 390), 0u);
}

}  // namespace
}  // namespace krepogor
