#pragma once

#include "headless/fake/EventLog.h"
#include "platform/WavPlayer.h"

namespace krepogor {

// Logs every WAV file it is asked to play, relative to the application directory.
class RecordingWavPlayer : public IWavPlayer {
public:
    RecordingWavPlayer(EventLog& log, std::string appDir) : log_(log), appDir_(std::move(appDir)) {}
    void PlayAsync(const std::string& path) override {
        std::string shown = path;
        if (shown.rfind(appDir_, 0) == 0) shown = shown.substr(appDir_.size());
        log_.Add({"PlayWav", shown});
    }

private:
    EventLog& log_;
    std::string appDir_;
};

}  // namespace krepogor
