#include "desktop/sdl/SdlPlayback.h"

#include <SDL.h>

#include "desktop/sdl/SdlMediaSystem.h"
#include "platform/Timer.h"

namespace krepogor {
namespace {

// How often the window is drawn while a box of the recording stays open.
constexpr int kFrameMs = 10;

int64_t RealNow() {
    return static_cast<int64_t>(SDL_GetTicks64());
}

}  // namespace

SdlPlayback::SdlPlayback(Game& g, TimerQueue& timers, SdlMediaSystem& media, IDialogs& boxes,
                         std::function<void()> present, std::function<void(const std::string&)> cut)
    : timers_(timers),
      media_(media),
      present_(std::move(present)),
      player_(g, {[this](int64_t ms, bool realClock) {
                      if (realClock)
                          timers_.RunOnRealClock(timers_.Now() + ms);
                      else
                          timers_.CatchUp(timers_.Now() + ms);
                  },
                  [this](const std::string& device) { media_.EndTrack(device); },
                  [this](int64_t at) {
                      // The box's time passes with the window shown.
                      while (player_.Playing() && RecordingClock() < at) {
                          present_();
                          SDL_Delay(kFrameMs);
                          SDL_PumpEvents();
                      }
                  },
                  &boxes, std::move(cut)}) {}

void SdlPlayback::Start(const Recording& recording, int speed) {
    player_.Play(recording);
    media_.endsAsTold = true;
    speed_ = speed;
    start_ = RealNow();
}

void SdlPlayback::Run() {
    player_.RunUntil(RecordingClock());
}

int64_t SdlPlayback::Ticks() const {
    return RealNow() + ahead_;
}

int64_t SdlPlayback::RecordingClock() const {
    return (RealNow() - start_) * speed_;
}

bool SdlPlayback::TakesOver(const SDL_Event& e) {
    if (!player_.Playing()) return false;
    if (e.type == SDL_MOUSEMOTION) return true;
    if (e.type != SDL_KEYDOWN && e.type != SDL_MOUSEBUTTONDOWN) return false;
    player_.Stop();
    media_.endsAsTold = false;
    ahead_ = timers_.Now() - RealNow();
    return true;
}

}  // namespace krepogor
