#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <utility>
#include <vector>

#include "render/Canvas.h"
#include "render/PixelRound.h"

namespace krepogor {
namespace {

Picture Make(int w, int h, uint32_t colour) {
    Picture p;
    p.Width = w;
    p.Height = h;
    p.Pixels.assign(static_cast<size_t>(w) * h, colour);
    return p;
}

// Each pixel tells where it came from in its picture: 0x00YYYXXX.
Picture Coordinates(int w, int h) {
    Picture p = Make(w, h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) p.Pixels[static_cast<size_t>(y) * w + x] = (y << 12) | x;
    return p;
}

TEST(Canvas, FillTakesTheTopLeftOfALargerBackground) {
    Picture bg = Coordinates(927, 640);
    Canvas c;
    c.Fill(bg);
    EXPECT_EQ(c.At(0, 0), 0u);
    EXPECT_EQ(c.At(925, 0), 925u);
    EXPECT_EQ(c.At(925, 637), (637u << 12) | 925u);
}

TEST(Canvas, FillWithoutPixelsIsBlack) {
    Canvas c;
    Picture bg = Make(927, 640, 0x00FFFFFF);
    c.Fill(bg);
    Picture sizeOnly;
    sizeOnly.Width = 927;
    sizeOnly.Height = 640;
    c.Fill(sizeOnly);
    EXPECT_EQ(c.At(100, 100), 0u);
    EXPECT_EQ(c.At(925, 637), 0u);
}

TEST(Canvas, PassesAreBitwiseOnEveryChannel) {
    const uint32_t bg = 0x00C3A5F0, mask = 0x00A5F00F, image = 0x00123456;
    const uint32_t expected = (bg & mask) | image;
    const Picture b = Make(926, 638, bg), m = Make(10, 10, mask), p = Make(10, 10, image);

    Canvas two;
    two.Fill(b);
    two.And(5, 5, 10, 10, m);
    EXPECT_EQ(two.At(5, 5), bg & mask);
    two.Or(5, 5, 10, 10, p);
    EXPECT_EQ(two.At(14, 14), expected);
    EXPECT_EQ(two.At(15, 15), bg);

    Canvas fused;
    fused.Fill(b);
    fused.AndOr(5, 5, 10, 10, m, p);
    EXPECT_EQ(fused.At(5, 5), expected);
    EXPECT_EQ(fused.At(14, 14), expected);
    EXPECT_EQ(fused.At(4, 5), bg);
}

TEST(Canvas, FusedPassMatchesTwoPassesWhenSizesDiffer) {
    const Picture b = Make(926, 638, 0x00F0F0F0);
    const Picture mask = Make(12, 18, 0x000F0F0F);
    const Picture image = Make(10, 20, 0x00010203);
    Canvas two, fused;
    two.Fill(b);
    fused.Fill(b);
    two.And(3, 4, 14, 18, mask);
    two.Or(3, 4, 14, 18, image);
    fused.AndOr(3, 4, 14, 18, mask, image);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) ASSERT_EQ(fused.At(x, y), two.At(x, y)) << x << "," << y;
    EXPECT_EQ(fused.At(14, 4), 0x000F0F0Fu & 0x00F0F0F0u);  // mask only: beyond the image
    EXPECT_EQ(fused.At(15, 4), 0x00F0F0F0u);                // beyond both pictures: transparent
}

TEST(Canvas, ClipsAtEveryEdgeAndKeepsTheSourceOffset) {
    const Picture src = Coordinates(141, 50);
    const Picture white = Make(141, 50, 0x00FFFFFF);
    Canvas c;
    c.AndOr(-130, -20, 141, 50, white, src);  // top-left corner
    EXPECT_EQ(c.At(0, 0), (20u << 12) | 130u);
    EXPECT_EQ(c.At(10, 29), (49u << 12) | 140u);
    EXPECT_EQ(c.At(11, 0), 0u);

    c.AndOr(900, 620, 141, 50, white, src);  // bottom-right corner
    EXPECT_EQ(c.At(925, 637), (17u << 12) | 25u);
    EXPECT_EQ(c.At(899, 637), 0u);

    Canvas untouched;
    for (const auto& [x, y] : {std::pair{926, 0},
                               {1000, 10},
                               {-141, 10},
                               {-170, 10},
                               {10, 638},
                               {10, -50},
                               {1000000, -1000000}}) {
        c = untouched;
        c.AndOr(x, y, 141, 50, white, src);
        c.And(x, y, 141, 50, src);
        c.Or(x, y, 141, 50, src);
        EXPECT_EQ(0,
                  std::memcmp(c.Pixels(), untouched.Pixels(), Canvas::Width * Canvas::Height * 4))
            << x << "," << y;
    }
}

TEST(Canvas, PicturesWithoutPixelsDrawNothing) {
    Picture sizeOnly;
    sizeOnly.Width = 20;
    sizeOnly.Height = 20;
    const Picture black = Make(20, 20, 0);
    Canvas c;
    c.Fill(Make(926, 638, 0x00FFFFFF));
    c.AndOr(0, 0, 20, 20, black, sizeOnly);
    EXPECT_EQ(c.At(0, 0), 0u);  // the mask pass alone still cuts its hole
    c.AndOr(30, 0, 20, 20, sizeOnly, sizeOnly);
    EXPECT_EQ(c.At(30, 0), 0x00FFFFFFu);
}

// Frames drawn one after another on one canvas, which restores only where it
// was drawn on, equal the same frames drawn each on a new canvas; and every
// pixel that differs from the frame before lies in the places it names.
TEST(Canvas, RestoringOnlyWhereItDrewEqualsDrawingEachFrameAfresh) {
    const Picture map = Coordinates(927, 640);
    const Picture small = Coordinates(500, 300);  // black beyond its edges
    const Picture mask = Make(120, 90, 0x00F0F0F0), image = Make(120, 90, 0x00050A0F);
    const Picture narrow = Make(40, 90, 0x00000F00);
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> x(-150, 1000), y(-120, 700), count(0, 40);
    Canvas kept;
    std::vector<uint32_t> before(kept.Pixels(), kept.Pixels() + Canvas::Width * Canvas::Height);
    for (int frame = 0; frame < 60; ++frame) {
        const Picture& bg = frame < 20 || frame >= 40 ? map : small;
        Canvas fresh;
        kept.Fill(bg);
        fresh.Fill(bg);
        for (int n = count(random); n > 0; --n) {
            const int px = x(random), py = y(random);
            switch (n % 3) {
                case 0:
                    kept.AndOr(px, py, 120, 90, mask, image),
                        fresh.AndOr(px, py, 120, 90, mask, image);
                    break;
                case 1:
                    kept.And(px, py, 120, 90, mask), fresh.And(px, py, 120, 90, mask);
                    break;
                default:
                    kept.AndOr(px, py, 120, 90, mask, narrow),
                        fresh.AndOr(px, py, 120, 90, mask, narrow);
            }
        }
        ASSERT_EQ(std::memcmp(kept.Pixels(), fresh.Pixels(), before.size() * 4), 0) << frame;
        for (int py = 0; py < Canvas::Height; ++py)
            for (int px = 0; px < Canvas::Width; ++px) {
                if (kept.At(px, py) == before[static_cast<size_t>(py) * Canvas::Width + px])
                    continue;
                bool named = false;
                for (const Canvas::Area& a : kept.Changes())
                    named = named || (px >= a.x && px < a.x + a.w && py >= a.y && py < a.y + a.h);
                ASSERT_TRUE(named) << "frame " << frame << " pixel " << px << "," << py;
            }
        before.assign(kept.Pixels(), kept.Pixels() + before.size());
        kept.ForgetChanges();
    }
}

TEST(Canvas, NamesTheWholeCanvasFirstAndPastManyPlaces) {
    const Picture map = Make(927, 640, 1), dot = Make(1, 1, 2), line = Make(5, 1, 2);
    const std::vector<Canvas::Area> whole{{0, 0, Canvas::Width, Canvas::Height}};
    Canvas c;
    EXPECT_EQ(c.Changes(), whole);
    c.Fill(map);
    c.ForgetChanges();
    c.Fill(map);  // nothing drawn since: nothing to restore
    EXPECT_TRUE(c.Changes().empty());
    c.Or(-3, 5, 5, 1, line);  // clipped to the canvas
    EXPECT_EQ(c.Changes(), (std::vector<Canvas::Area>{{0, 5, 2, 1}}));
    for (int i = 0; i < 1000; ++i) c.Or(i % 900, i % 600, 1, 1, dot);
    EXPECT_EQ(c.Changes(), whole);
    EXPECT_EQ(c.At(5, 5), 3u);
}

TEST(PixelRound, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(ToPixel(12.5f), 12);
    EXPECT_EQ(ToPixel(13.5f), 14);
    EXPECT_EQ(ToPixel(-0.5f), 0);
    EXPECT_EQ(ToPixel(-1.5f), -2);
    EXPECT_EQ(ToPixel(12.49f), 12);
    EXPECT_EQ(ToPixel(12.51f), 13);
    EXPECT_EQ(ToPixel(-170.4f), -170);
}

TEST(PixelRound, FarAndUndefinedValuesLandOutsideTheWindow) {
    EXPECT_GE(ToPixel(1e30), Canvas::Width);
    EXPECT_LT(ToPixel(-1e30), -10000);
    EXPECT_LT(ToPixel(std::nan("")), -10000);
}

}  // namespace
}  // namespace krepogor
