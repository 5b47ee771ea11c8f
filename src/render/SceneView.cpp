#include "render/SceneView.h"

#include "render/MaskedDraw.h"
#include "render/PixelRound.h"
#include "render/StatusDisplay.h"

namespace krepogor {
namespace {

constexpr int LampX[] = {210, 458, 700};
constexpr int LampY = 1;
constexpr int GunX = 20, GunY = 390, GunW = 99, GunH = 108;
constexpr int KernelSize = 25;
constexpr int ShotW = 60, ShotH = 50;
constexpr int BumW = 135, BumH = 100;

}  // namespace

void SceneView::Clear() {
    canvas_.Fill(g_.pics.MapPic);
}

void SceneView::DrawGun() {
    DrawMasked(canvas_, GunX, GunY, GunW, GunH, g_.buf.PicGunMask, g_.buf.PicGunPic);
}

void SceneView::Refresh() {
    if (present_) present_(canvas_);
    canvas_.ForgetChanges();
}

void SceneView::RedrawScene() {
    Clear();
    DrawLamps();
    DrawGun();
    DrawCannonballs();
    DrawEnemies();
    DrawStatus(g_, canvas_);
    DrawEffects();
    Refresh();
}

void SceneView::DrawLamps() {
    const SpriteBuffers& b = g_.buf;
    for (int n = 0; n <= 2; ++n) {
        const SpriteBuffer& mask = b.PicZUMask(n);
        const SpriteBuffer& image = b.PicZU(n);
        DrawMasked(canvas_, LampX[n], LampY, mask.Width(), mask.Height(), image.Width(),
                   image.Height(), mask, image);
    }
}

void SceneView::DrawCannonballs() {
    const BattleState& s = g_.st;
    for (int i = 1; i <= 3; ++i) {
        if (s.KernelFly(i) != -1) continue;
        DrawMasked(canvas_, ToPixel(s.KernelX(i)), ToPixel(s.KernelY(i)), KernelSize, KernelSize,
                   g_.buf.PicKernelMask(i), g_.buf.PicKernelPic(i));
    }
}

void SceneView::DrawEnemies() {
    const BattleState& s = g_.st;
    for (int k = 1; k <= 6; ++k) {
        if (s.MobLive(k) != -1) continue;
        const SpriteBuffer& mask = g_.buf.PicMobMask(k);
        DrawMasked(canvas_, ToPixel(s.MobX(k)), ToPixel(s.MobY(k)), mask.Width(), mask.Height(),
                   mask, g_.buf.PicMobPic(k));
    }
}

void SceneView::DrawEffects() {
    const BattleState& s = g_.st;
    const SpriteBuffers& b = g_.buf;
    for (int n = 0; n <= 5; ++n) {
        if (s.VustrelLive(n) == -1)
            DrawMasked(canvas_, s.VustrelX(n), ToPixel(s.VustrelY(n)), ShotW, ShotH,
                       b.PicShotMask(n), b.PicShotPic(n));
        if (s.BumLive(n))
            DrawMasked(canvas_, ToPixel(s.BumX(n)), ToPixel(s.BumY(n)), BumW, BumH, b.PicBumMask(n),
                       b.PicBumPic(n));
    }
}

}  // namespace krepogor
