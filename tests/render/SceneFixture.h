#pragma once

#include <gtest/gtest.h>

#include "headless/Rig.h"
#include "render/SceneView.h"

namespace krepogor {

// A battle window on synthetic pictures: a plain background, and sprites
// painted in solid colours where a test gives them some.
class SceneFixture : public ::testing::Test {
protected:
    static constexpr uint32_t Background = 0x00406080;

    SceneFixture() { Solid(g.pics.MapPic, Background); }

    static void Solid(Picture& p, uint32_t colour) {
        p.Pixels.assign(static_cast<size_t>(p.Width) * p.Height, colour);
    }
    // A sprite that covers its whole rectangle in one colour.
    static void Opaque(Picture& image, Picture& mask, uint32_t colour) {
        Solid(image, colour);
        Solid(mask, 0);
    }
    uint32_t At(int x, int y) const { return view.Frame().At(x, y); }

    Rig rig;
    Game& g = rig.game;
    SceneView view{g};
};

}  // namespace krepogor
