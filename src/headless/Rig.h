#pragma once

#include <string>

#include "headless/fake/EventLog.h"
#include "headless/fake/FakeMediaSystem.h"
#include "headless/fake/RecordingWavPlayer.h"
#include "headless/fake/ScriptedDialogs.h"
#include "headless/fake/ScriptedRandom.h"
#include "platform/Timer.h"
#include "state/Game.h"

namespace krepogor {

// The whole program on recording devices, scripted boxes and a virtual clock:
// what the tests and the headless driver run.
class Rig {
public:
    explicit Rig(std::string appDir = ".");
    Rig(const Rig&) = delete;
    Rig& operator=(const Rig&) = delete;

    // Advances the virtual clock by `ms`, firing every timer that falls due in
    // order and moving the playing devices along. A box that stays open calls
    // it from inside a handler, as a box's own event loop would run.
    void Wait(int64_t ms);
    // Advances the clock by `ms` as the desktop's real clock does: each timer
    // due by then fires once, at the end (TimerQueue::RunOnRealClock).
    void Step(int64_t ms);
    int64_t Now() const { return timers.Now(); }

    EventLog log;    // what the devices and the WAV player were told
    EventLog boxes;  // every modal box shown, with its answer
    TimerQueue timers;
    FakeMediaSystem media;
    ScriptedDialogs dialogs;
    RecordingWavPlayer wav;
    ScriptedRandom random;
    Platform platform;
    Game game;
};

}  // namespace krepogor
