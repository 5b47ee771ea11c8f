#include "desktop/Letterbox.h"

#include <gtest/gtest.h>

#include "desktop/WindowScale.h"

namespace krepogor {
namespace {

// Every output pixel of every client pixel maps back to that client pixel,
// and the spans of neighbouring client pixels neither overlap nor leave gaps.
void ExpectExactInverse(const Letterbox& box) {
    for (int c = 0; c < box.ClientWidth(); ++c) {
        ASSERT_GT(box.OutX(c + 1), box.OutX(c)) << "column " << c;
        for (int px = box.OutX(c); px < box.OutX(c + 1); ++px) {
            const auto at = box.ToClient(px, box.OutY(0));
            ASSERT_TRUE(at) << "output column " << px;
            ASSERT_EQ(at->x, c) << "output column " << px;
        }
    }
    for (int c = 0; c < box.ClientHeight(); ++c)
        for (int py = box.OutY(c); py < box.OutY(c + 1); ++py)
            ASSERT_EQ(box.ToClient(box.OutX(0), py)->y, c) << "output row " << py;
}

TEST(Letterbox, MapsEveryOutputPixelBackToItsClientPixelAtAnyFactor) {
    ExpectExactInverse(Letterbox(926, 658, 926, 658));
    ExpectExactInverse(Letterbox(926, 658, 1852, 1316));
    ExpectExactInverse(Letterbox(926, 658, 1389, 987));   // 1.5
    ExpectExactInverse(Letterbox(926, 658, 1920, 1080));  // fullscreen, about 1.64
    // Below 1 some client pixels show in no output pixel; the others still
    // map back into the window.
    const Letterbox small(659, 398, 600, 362);
    EXPECT_EQ(small.ToClient(0, 0), (ClientPoint{0, 0}));
    EXPECT_EQ(small.ToClient(small.Picture().Right() - 1, small.Picture().Bottom() - 1),
              (ClientPoint{658, 397}));
}

TEST(Letterbox, CentresThePictureOnBarsAndMapsNothingThere) {
    // 1920 x 1080 is wider than the battle window: bars left and right.
    const Letterbox box(926, 658, 1920, 1080);
    const Rect pic = box.Picture();
    EXPECT_EQ(pic.y, 0);
    EXPECT_EQ(pic.h, 1080);
    EXPECT_EQ(pic.x, (1920 - pic.w) / 2);
    EXPECT_FALSE(box.ToClient(pic.x - 1, 500));
    EXPECT_FALSE(box.ToClient(pic.Right(), 500));
    EXPECT_TRUE(box.ToClient(pic.x, 0));
    EXPECT_TRUE(box.ToClient(pic.Right() - 1, 1079));
    EXPECT_FALSE(box.WholeFactor());

    // A tall window: bars above and below.
    const Letterbox tall(659, 398, 1318, 1000);
    EXPECT_EQ(tall.Factor(), 2);
    EXPECT_EQ(tall.Picture(), (Rect{0, 102, 1318, 796}));
    EXPECT_FALSE(tall.ToClient(10, 101));
    EXPECT_EQ(*tall.ToClient(10, 102), (ClientPoint{5, 0}));
}

TEST(Letterbox, AControlsEdgePixelHitsAtEveryScaleWhatItHitsAtOne) {
    // "Новая Игра" on the main menu covers client x 232..367: its last pixel
    // and the one after it, at 2x, in a window 1 pixel off 2x, and at 1.5x.
    for (const auto& box : {Letterbox(659, 398, 1318, 796), Letterbox(659, 398, 1319, 797),
                            Letterbox(659, 398, 989, 597)}) {
        const Rect last = box.ToOutput({367, 150, 1, 1});
        EXPECT_EQ(box.ToClient(last.Right() - 1, last.y)->x, 367) << box.Factor();
        EXPECT_EQ(box.ToClient(last.Right(), last.y)->x, 368) << box.Factor();
    }
    // A window within half a pixel of a whole factor counts as that factor.
    EXPECT_TRUE(Letterbox(659, 398, 1319, 797).WholeFactor());
}

TEST(WindowScale, DefaultIsTheLargestWholeFactorWhoseBattleWindowFits) {
    EXPECT_EQ(DefaultScale({0, 0, 2560, 1600}, 926, 658), 2);
    EXPECT_EQ(DefaultScale({0, 0, 1920, 1080}, 926, 658), 1);
    EXPECT_EQ(DefaultScale({0, 0, 3840, 2160}, 926, 658), 3);
    EXPECT_EQ(DefaultScale({0, 0, 2560, 1560}, 926, 658), 2);  // a panel takes 40 rows
    // A netbook: below 1, so that the battle window fits its height.
    const double netbook = DefaultScale({0, 0, 1024, 600}, 926, 658);
    EXPECT_LT(netbook, 1);
    EXPECT_LE(Scaled(658, netbook), 600);
    EXPECT_EQ(DefaultScale({0, 0, 0, 0}, 926, 658), 1);  // no desktop size known
}

TEST(WindowScale, ScaledSizesAndResizedWindowsGiveTheFactor) {
    EXPECT_EQ(Scaled(659, 2), 1318);
    EXPECT_EQ(Scaled(658, 2), 1316);
    EXPECT_EQ(Scaled(926, 1.5), 1389);
    EXPECT_EQ(ScaleOfResized(926, 658, 1852, 1316), 2);
    EXPECT_DOUBLE_EQ(ScaleOfResized(926, 658, 1852, 987), 1.5);
    EXPECT_EQ(ScaleOfResized(926, 658, 10, 10), kMinScale);
}

}  // namespace
}  // namespace krepogor
