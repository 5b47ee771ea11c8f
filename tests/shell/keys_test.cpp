#include <gtest/gtest.h>

#include "desktop/KeyCodes.h"

namespace krepogor {
namespace {

// USB HID usage numbers (SDL's scancodes) of some physical keys.
constexpr int kScanA = 4, kScanB = 5, kScanC = 6, kScanP = 19, kScanV = 25, kScanZ = 29;
constexpr int kScan1 = 30, kScan0 = 39, kScanEnter = 40, kScanEsc = 41, kScanBackspace = 42,
              kScanTab = 43, kScanSpace = 44, kScanF1 = 58, kScanF12 = 69;
constexpr int kScanRight = 79, kScanLeft = 80, kScanDown = 81, kScanUp = 82;

TEST(Keys, GameKeysByPhysicalKey) {
    // The keys the battle acts on. On a Russian layout the same physical keys
    // carry З, С, М, И; the code depends only on the key, not on the letter typed.
    EXPECT_EQ(VirtualKeyOf(kScanP), 80);
    EXPECT_EQ(VirtualKeyOf(kScanC), 67);
    EXPECT_EQ(VirtualKeyOf(kScanV), 86);
    EXPECT_EQ(VirtualKeyOf(kScanB), 66);
    EXPECT_EQ(VirtualKeyOf(kScanSpace), 32);
    EXPECT_EQ(VirtualKeyOf(kScanEsc), 27);
    EXPECT_EQ(VirtualKeyOf(kScanUp), 38);
    EXPECT_EQ(VirtualKeyOf(kScanDown), 40);
    EXPECT_EQ(VirtualKeyOf(kScanLeft), 37);
    EXPECT_EQ(VirtualKeyOf(kScanRight), 39);
}

TEST(Keys, WholeRangesMapInOrder) {
    for (int s = kScanA; s <= kScanZ; ++s) EXPECT_EQ(VirtualKeyOf(s), 'A' + s - kScanA);
    for (int s = kScan1; s < kScan0; ++s) EXPECT_EQ(VirtualKeyOf(s), '1' + s - kScan1);
    EXPECT_EQ(VirtualKeyOf(kScan0), '0');
    for (int s = kScanF1; s <= kScanF12; ++s) EXPECT_EQ(VirtualKeyOf(s), 112 + s - kScanF1);
    EXPECT_EQ(VirtualKeyOf(kScanEnter), 13);
    EXPECT_EQ(VirtualKeyOf(kScanBackspace), 8);
    EXPECT_EQ(VirtualKeyOf(kScanTab), 9);
}

TEST(Keys, UnknownKeysGiveNothing) {
    for (int s : {0, 1, 3, 45, 57, 70, 78, 83, 200, 512, -1}) EXPECT_EQ(VirtualKeyOf(s), 0) << s;
}

}  // namespace
}  // namespace krepogor
