#include "desktop/Letterbox.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "desktop/WindowLooks.h"
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

// What a changed rectangle of the window alters on the screen: its own
// pixels at a whole factor; where the picture is smoothed, also the pixels
// that blend its edge with the neighbours' (else a moving ball leaves a
// trace), never outside the picture.
TEST(Letterbox, AChangeReachesThePixelsThatBlendItWithItsNeighbours) {
    const Letterbox whole(926, 658, 1852, 1316);
    EXPECT_EQ(whole.Reach({10, 20, 5, 5}), whole.ToOutput({10, 20, 5, 5}));
    for (const Letterbox& smooth : {Letterbox(926, 658, 1085, 771), Letterbox(926, 658, 1920, 1080),
                                    Letterbox(926, 658, 600, 426)}) {
        SCOPED_TRACE(smooth.Factor());
        const Rect reach = smooth.Reach({10, 20, 5, 5});
        EXPECT_EQ(reach, smooth.ToOutput({9, 19, 7, 7}));
        EXPECT_EQ(smooth.Reach({0, 0, 926, 658}), smooth.Picture());
        EXPECT_EQ(smooth.Reach({925, 657, 1, 1}), smooth.ToOutput({924, 656, 2, 2}));
    }
}

TEST(WindowScale, TheBattleWindowAndItsFrameFitTheScreenAtTheFactorTaken) {
    constexpr WindowFrame kNone{}, kFrame{20, 1, 5, 1};  // openbox's
    struct Case {
        Rect usable;
        WindowFrame frame;
        std::optional<double> chosen;
        double want;  // 0: a fraction below 1 that fits exactly
    };
    const Case cases[] = {
        {{0, 0, 2560, 1600}, kNone, {}, 2},
        {{0, 0, 2560, 1600}, kFrame, {}, 2},
        {{0, 0, 1920, 1080}, kFrame, {}, 1},
        {{0, 0, 3840, 2160}, kNone, {}, 3},
        {{0, 0, 2560, 1560}, kNone, {}, 2},  // a panel takes 40 rows
        {{0, 0, 1024, 600}, kNone, {}, 0},
        {{0, 0, 1024, 600}, kFrame, {}, 0},  // the title bar shows too
        {{0, 0, 0, 0}, kNone, {}, 1},        // no desktop size known: any factor goes
        {{0, 0, 0, 0}, kNone, 3, 3},
        // A factor the player chose that does not fit is lowered to the default.
        {{0, 0, 2560, 1600}, kFrame, 3, 2},
        {{0, 0, 1920, 1080}, kFrame, 8, 1},
        {{0, 0, 1024, 600}, kFrame, 1, 0},
        {{0, 0, 1920, 1080}, kFrame, 1.5, 1.5},  // fits: kept
        {{0, 0, 1920, 1080}, kFrame, 0.25, 0.25},
        {{0, 0, 1389, 1000}, kNone, 1.5, 1.5},  // fits to the pixel
        {{0, 0, 1389, 1000}, kFrame, 1.5, 1},
    };
    const WindowLook& battle = *LookOf("frm_vustrel");
    const int w = battle.width, h = OuterHeight(battle);
    for (const Case& c : cases) {
        const double fit = FitScale(c.usable, c.frame, w, h);
        const double got = c.chosen ? FittingScale(*c.chosen, fit) : DefaultScale(fit);
        const std::string what = std::to_string(c.usable.w) + "x" + std::to_string(c.usable.h) +
                                 " frame " + std::to_string(c.frame.top) + " chosen " +
                                 std::to_string(c.chosen.value_or(0));
        if (c.want > 0)
            EXPECT_EQ(got, c.want) << what;
        else
            EXPECT_LT(got, 1) << what;
        if (c.usable.w == 0) continue;
        EXPECT_LE(Scaled(w, got) + c.frame.left + c.frame.right, c.usable.w) << what;
        EXPECT_LE(Scaled(h, got) + c.frame.top + c.frame.bottom, c.usable.h) << what;
        if (c.want == 0) {
            EXPECT_GE(Scaled(h, got) + c.frame.top + c.frame.bottom, c.usable.h - 1)
                << what << ": a fraction as large as fits";
        }
    }
    EXPECT_EQ(LoweredScaleText(3, 2),
              "krepogor: в масштабе 3 окно битвы не помещается на экране; окна открываются в "
              "масштабе 2\n");
    EXPECT_NE(LoweredScaleText(1, 809.0 / 926).find("в масштабе 0.87\n"), std::string::npos);
}

TEST(WindowScale, ScaledSizesAndResizedWindowsGiveAFactorTheNextStartCanUse) {
    EXPECT_EQ(Scaled(659, 2), 1318);
    EXPECT_EQ(Scaled(658, 2), 1316);
    EXPECT_EQ(Scaled(926, 1.5), 1389);
    const double fit = 2.3;
    EXPECT_EQ(ScaleOfResized(926, 658, 1852, 1316, fit), 2);
    EXPECT_DOUBLE_EQ(ScaleOfResized(926, 658, 1852, 987, fit), 1.5);
    // Shrunk to 50 x 50: half the size, no less.
    EXPECT_EQ(ScaleOfResized(926, 658, 50, 50, fit), kMinResizedScale);
    // The main menu stretched over the screen: no more than the battle window can take.
    EXPECT_EQ(ScaleOfResized(659, 398, 2560, 1575, fit), fit);
    // A screen where even half does not fit: what fits.
    EXPECT_EQ(ScaleOfResized(926, 658, 50, 50, 0.3), 0.3);
    // No desktop size known: any factor up to the largest.
    const double any = FitScale({}, {}, 926, 658);
    EXPECT_EQ(ScaleOfResized(659, 398, 6590, 3980, any), kMaxScale);
    EXPECT_EQ(ScaleOfResized(926, 658, 1852, 1316, any), 2);
}

}  // namespace
}  // namespace krepogor
