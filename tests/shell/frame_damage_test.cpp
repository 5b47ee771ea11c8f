#include <gtest/gtest.h>

#include <vector>

#include "desktop/FrameDamage.h"

namespace krepogor {
namespace {

constexpr int W = 100, H = 70;  // tiles of 32: the last column and row are cut short
const std::vector<Rect> All{{0, 0, W, H}};

TEST(FrameDamage, FirstFrameAndAfterForgetChangeEverything) {
    std::vector<uint32_t> frame(W * H, 7);
    FrameDamage d(W, H);
    EXPECT_EQ(d.Take(frame.data(), W, All), (std::vector<Rect>{{0, 0, W, H}}));
    EXPECT_TRUE(d.Take(frame.data(), W, All).empty());
    d.Forget();
    EXPECT_EQ(d.Take(frame.data(), W, All), (std::vector<Rect>{{0, 0, W, H}}));
}

TEST(FrameDamage, ChangedTilesOfARowJoinAndEdgeTilesAreCutToTheFrame) {
    std::vector<uint32_t> frame(W * H, 7);
    FrameDamage d(W, H);
    d.Take(frame.data(), W, All);
    frame[5 * W + 3] = 1;    // tile (0, 0)
    frame[10 * W + 70] = 1;  // tile (2, 0): the row's rectangle spans tiles 0 to 2
    frame[69 * W + 99] = 1;  // the corner tile, 4 x 6 pixels
    EXPECT_EQ(d.Take(frame.data(), W, All), (std::vector<Rect>{{0, 0, 96, 32}, {96, 64, 4, 6}}));
    // The changes are now the frame shown: the same frame changes nothing.
    EXPECT_TRUE(d.Take(frame.data(), W, All).empty());
}

TEST(FrameDamage, RemembersTheWholeTileEvenWhenTheChangeIsInItsLastRow) {
    std::vector<uint32_t> frame(W * H, 7);
    FrameDamage d(W, H);
    d.Take(frame.data(), W, All);
    frame[0 * W + 40] = 2;
    frame[31 * W + 40] = 2;  // both in tile (1, 0): the first row differs, then the last
    EXPECT_EQ(d.Take(frame.data(), W, All), (std::vector<Rect>{{32, 0, 32, 32}}));
    frame[0 * W + 40] = 7;  // only the first row goes back
    EXPECT_EQ(d.Take(frame.data(), W, All), (std::vector<Rect>{{32, 0, 32, 32}}));
    EXPECT_TRUE(d.Take(frame.data(), W, All).empty());
}

TEST(FrameDamage, ReadsRowsByTheirStride) {
    constexpr int stride = W + 12;
    std::vector<uint32_t> frame(stride * H, 7);
    FrameDamage d(W, H);
    d.Take(frame.data(), stride, All);
    frame[40 * stride + W + 5] = 1;  // beyond the frame's width: not a change
    EXPECT_TRUE(d.Take(frame.data(), stride, All).empty());
    frame[40 * stride + 50] = 1;
    EXPECT_EQ(d.Take(frame.data(), stride, All), (std::vector<Rect>{{32, 32, 32, 32}}));
}

TEST(FrameDamage, ComparesOnlyTheTilesThatMayDiffer) {
    std::vector<uint32_t> frame(W * H, 7);
    FrameDamage d(W, H);
    d.Take(frame.data(), W, {});  // the first frame is taken whole all the same
    frame[40 * W + 40] = 1;       // tile (1, 1)
    frame[5 * W + 90] = 1;        // tile (2, 0)
    // A place from (30, 30) to (34, 34) meets four tiles; the change in tile
    // (2, 0) lies outside it and is not looked for.
    EXPECT_EQ(d.Take(frame.data(), W, {{30, 30, 4, 4}}), (std::vector<Rect>{{32, 32, 32, 32}}));
    // Empty places and places beyond the frame meet no tile; the change left
    // out before is found once its place is named.
    EXPECT_TRUE(
        d.Take(frame.data(), W, {{50, 10, 0, 5}, {200, 200, 9, 9}, {-9, -9, 5, 5}}).empty());
    EXPECT_EQ(d.Take(frame.data(), W, {{95, 0, 50, 1}}), (std::vector<Rect>{{64, 0, 32, 32}}));
}

}  // namespace
}  // namespace krepogor
