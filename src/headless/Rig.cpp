#include "headless/Rig.h"

namespace krepogor {

Rig::Rig(std::string appDir)
    : media(log, appDir),
      dialogs(boxes),
      wav(log, appDir),
      platform{timers, media, dialogs, wav, random, appDir},
      game(platform) {
    dialogs.waitWhileOpen = [this](int64_t ms) { Wait(ms); };
}

void Rig::Wait(int64_t ms) {
    const int64_t until = timers.Now() + ms;
    while (true) {
        const auto due = timers.NextDue();
        if (!due || *due > until) break;
        media.AdvanceTo(*due);
        timers.FireNext(until);
    }
    media.AdvanceTo(until);
    timers.SetNow(until);
}

void Rig::Step(int64_t ms) {
    const int64_t until = timers.Now() + ms;
    media.AdvanceTo(until);
    timers.RunOnRealClock(until);
}

}  // namespace krepogor
