// One battle tick without drawing, at full load: three balls in flight, six
// enemies on the field, six explosions and six muzzle flashes playing.
#include <benchmark/benchmark.h>

#include "battle/BattleTick.h"
#include "frontend/MainMenu.h"
#include "headless/Rig.h"

namespace krepogor {
namespace {

// A load that stays put: no time step for the balls, no speed for the
// enemies, so every tick does the same full work.
void FullLoad(BattleState& s) {
    s.Life = 100;
    s.Level = 6;
    s.KernelDt = 0;
    for (int i = 1; i <= 3; ++i) {
        s.KernelFly(i) = -1;
        s.KernelAngle(i) = static_cast<int16_t>(15 * i);
        s.KernelRad(i) = static_cast<float>(3.1415 * 15 * i / 180);
        s.KernelT(i) = 1;
    }
    for (int k = 1; k <= 6; ++k) {
        s.MobLive(k) = -1;
        s.MobX(k) = 900;
        s.MobY(k) = 400;
        s.MobSpeed(k) = 0;  // they hold their place, so the load stays full
    }
    s.MobHP1 = s.MobHP2 = s.MobHP3 = 1000;
    s.MobHP6 = 1000;
    for (int n = 0; n <= 5; ++n) {
        s.BumLive(n) = true;
        s.VustrelLive(n) = -1;
    }
}

void BM_BattleTickWithoutDrawing(benchmark::State& state) {
    Rig rig;
    Game& g = rig.game;
    frm_menu_Load(g);
    lbl_new_game_Click(g);
    rig.Wait(5000);
    FullLoad(g.st);
    for (auto _ : state) {
        AdvanceBattle(g);
        benchmark::DoNotOptimize(g.st.KernelX(1));
    }
    state.counters["ticks_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_BattleTickWithoutDrawing);

}  // namespace
}  // namespace krepogor
