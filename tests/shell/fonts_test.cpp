// The fonts of two users at once (the screen's and a box's or a test's): the
// one that ends first leaves the other's fonts open, and the last stops
// SDL_ttf.
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include "desktop/sdl/SdlFonts.h"
#include "desktop/sdl/SdlGameFonts.h"

namespace krepogor {
namespace {

TEST(SdlFonts, OneEndingLeavesTheOthersFontsOpen) {
    {
        SdlFonts screen;
        const int width = screen.Width(kUiFont, "Выйти из игры?");
        ASSERT_GT(width, 0);
        {
            SdlFonts box;
            EXPECT_GT(box.Width(kUiBoldFont, "Выйти из игры?"), 0);
        }
        EXPECT_GT(TTF_WasInit(), 0);
        // Its font opened before, and one it opens now.
        EXPECT_EQ(screen.Width(kUiFont, "Выйти из игры?"), width);
        EXPECT_GT(screen.Width(kUiBoldFont, "Да"), 0);
    }
    EXPECT_EQ(TTF_WasInit(), 0);
}

}  // namespace
}  // namespace krepogor
