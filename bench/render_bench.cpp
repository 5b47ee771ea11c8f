#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

#include "battle/BattleTick.h"
#include "headless/Rig.h"
#include "render/SceneView.h"

namespace krepogor {
namespace {

constexpr size_t FramePixels = static_cast<size_t>(Canvas::Width) * Canvas::Height;

// Every picture given pixels of its size: sprites a colour on black inside a
// black-on-white mask, so both passes do real work.
void PaintPictures(PictureSet& pics) {
    pics.MapPic.Pixels.assign(static_cast<size_t>(pics.MapPic.Width) * pics.MapPic.Height,
                              0x00507090u);
    pics.ForEachSprite([](Picture& p) {
        const bool mask = p.Name.find("Mask") != std::string::npos || p.Name.back() == 'M' ||
                          p.Name.find("ZifraM") != std::string::npos;
        p.Pixels.resize(static_cast<size_t>(p.Width) * p.Height);
        for (int y = 0; y < p.Height; ++y)
            for (int x = 0; x < p.Width; ++x) {
                const bool inside = x > p.Width / 8 && x < p.Width * 7 / 8 && y > p.Height / 8;
                p.Pixels[static_cast<size_t>(y) * p.Width + x] =
                    mask ? (inside ? 0u : 0x00FFFFFFu) : (inside ? 0x00C08040u : 0u);
            }
    });
}

// Everything on the field at once: 3 lamps, the gun, 3 balls, 6 enemies,
// 19 digit cells, 6 flashes and 6 explosions.
void FullLoad(Game& g) {
    PictureSet& p = g.pics;
    SpriteBuffers& b = g.buf;
    BattleState& s = g.st;
    b.PicGunPic.Put(p.ImgGunPic(1));
    b.PicGunMask.Put(p.ImgGunMask(1));
    for (int n = 0; n <= 2; ++n) {
        b.PicZU(n).Put(p.ImgZA);
        b.PicZUMask(n).Put(p.ImgZMask);
    }
    for (int i = 1; i <= 3; ++i) {
        b.PicKernelPic(i).Put(p.ImgKernelPic);
        b.PicKernelMask(i).Put(p.ImgKernelMask);
        s.KernelFly(i) = -1;
        s.KernelAngle(i) = 45;
        s.KernelRad(i) = 45 * 3.1415f / 180;
        s.KernelT(i) = static_cast<float>(i);
    }
    const Picture* mobPic[] = {&p.ImgMobPic1,    &p.ImgMobPic2,    &p.ImgMobPic3,
                               &p.ImgMobPic4(0), &p.ImgMobPic5(0), &p.ImgMobPic6(0)};
    const Picture* mobMask[] = {&p.ImgMobMask1,    &p.ImgMobMask2,    &p.ImgMobMask3,
                                &p.ImgMobMask4(0), &p.ImgMobMask5(0), &p.ImgMobMask6(0)};
    for (int k = 1; k <= 6; ++k) {
        b.PicMobPic(k).Put(*mobPic[k - 1]);
        b.PicMobMask(k).Put(*mobMask[k - 1]);
        s.MobLive(k) = -1;
        s.MobX(k) = 300.0f + 90 * k;
        s.MobY(k) = k <= 3 ? 470.0f : 150.0f + 40 * k;
    }
    for (int n = 0; n <= 5; ++n) {
        b.PicShotPic(n).Put(p.ImgListShotPic(n + 1));
        b.PicShotMask(n).Put(p.ImgListShotMask(n + 1));
        b.PicBumPic(n).Put(p.ImgListBumPic(n + 1));
        b.PicBumMask(n).Put(p.ImgListBumMask(n + 1));
        s.VustrelLive(n) = -1;
        s.VustrelX(n) = static_cast<int16_t>(110 + 5 * n);
        s.VustrelY(n) = 380.0f;
        s.BumLive(n) = true;
        s.BumX(n) = 250.0f + 100 * n;
        s.BumY(n) = 300.0f;
    }
    b.PicLife(3).Put(p.ImgZifra(11));
    b.PicLifeM(3).Put(p.ImgZifraM(11));
    b.PicLife(6).Put(p.ImgZifra(10));
    b.PicLifeM(6).Put(p.ImgZifraM(10));
    // 3 + 2 + 2 + 4 + 5 + 2 + the percent sign: 19 cells drawn.
    s.Life = 100;
    s.DtLevel = 10;
    s.ForceLevel = 10;
    s.Kills = 1234;
    s.ModPoints = 5678;
    s.Level = 10;
    s.KernelSpeed = 100;
    s.KernelDt = 0.1;
    s.Grav = 9.81;
    for (int k = 1; k <= 6; ++k) s.MobSpeed(k) = 3;
}

double Seconds(std::chrono::steady_clock::time_point from) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
}

double Median(std::vector<double> v) {
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}

void BM_FrameMemcpy(benchmark::State& state) {
    std::vector<uint32_t> from(FramePixels, 1), to(FramePixels);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), FramePixels * sizeof(uint32_t));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FrameMemcpy);

// One battle tick with its redraw at full load, each from the same state,
// timed beside a memcpy of one frame in the same loop. Medians keep the
// ratio steady on a busy machine; the Time column is the tick alone.
void BM_TickWithRedrawFullLoad(benchmark::State& state) {
    Rig rig;
    Game& g = rig.game;
    PaintPictures(g.pics);
    FullLoad(g);
    SceneView view(g);
    g.view = &view;
    const BattleState start = g.st;
    Tmr_kernel_Timer(g);
    for (int i = 1; i <= 3; ++i)
        if (g.st.KernelFly(i) != -1) state.SkipWithError("a ball landed or hit");
    for (int k = 1; k <= 6; ++k)
        if (g.st.MobLive(k) != -1) state.SkipWithError("an enemy left the field");

    std::vector<uint32_t> from(FramePixels, 1), to(FramePixels);
    std::vector<double> ticks, copies;
    for (auto _ : state) {
        g.st = start;
        const auto t0 = std::chrono::steady_clock::now();
        Tmr_kernel_Timer(g);
        benchmark::DoNotOptimize(view.Frame().Pixels());
        benchmark::ClobberMemory();
        const double tick = Seconds(t0);
        const auto t1 = std::chrono::steady_clock::now();
        std::memcpy(to.data(), from.data(), FramePixels * sizeof(uint32_t));
        benchmark::ClobberMemory();
        copies.push_back(Seconds(t1));
        ticks.push_back(tick);
        state.SetIterationTime(tick);
    }
    if (ticks.empty()) return;
    const double tick = Median(ticks), copy = Median(copies);
    state.counters["memcpy_us"] = copy * 1e6;
    state.counters["tick_us"] = tick * 1e6;
    state.counters["frame_copies"] = tick / copy;
}
BENCHMARK(BM_TickWithRedrawFullLoad)->UseManualTime();

}  // namespace
}  // namespace krepogor
