#include "desktop/sdl/SdlMediaDevice.h"

#include <SDL_mixer.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "desktop/sdl/SdlAudioOutput.h"
#include "desktop/sdl/SdlChannelWatch.h"
#include "desktop/sdl/SdlMediaSystem.h"
#include "desktop/sdl/SdlSoundSource.h"
#include "platform/Utf8Path.h"

namespace krepogor {

SdlMediaDevice::SdlMediaDevice(SdlMediaSystem& system, SdlAudioOutput& audio, int volume)
    : system_(system), audio_(audio), channel_(audio.AcquireChannel()) {
    if (channel_ >= 0) Mix_Volume(channel_, volume);
    system_.Register(this);
}

SdlMediaDevice::~SdlMediaDevice() {
    Close();
    audio_.ReleaseChannel(channel_);
    system_.Unregister(this);
}

void SdlMediaDevice::Command(const std::string& command) {
    const std::string word = CanonicalCommand(command);
    if (word.empty()) return;
    Settle();
    // An end not yet reported belongs to a play that this command comes after.
    endUnreported_ = false;
    if (word != "Play") awaited_ = false;
    if (word == "Open") {
        Open();
    } else if (word == "Play") {
        Play();
    } else if (word == "Stop") {
        Halt();
    } else if (word == "Prev") {
        Halt();
        positionFrames_ = 0;
    } else if (word == "Close") {
        Close();
    }
}

int64_t SdlMediaDevice::Position() const {
    if (frames_ == 0) return 0;
    if (RanOut()) return length_;
    const int64_t frames = playing_ ? PlayedFrames() : positionFrames_;
    if (frames >= frames_) return length_;
    return std::min(audio_.FramesToMs(frames), length_ - 1);
}

bool SdlMediaDevice::TakeEnd() {
    Settle();
    const bool end = endUnreported_;
    endUnreported_ = false;
    return end;
}

void SdlMediaDevice::EndNow() {
    Halt();
    positionFrames_ = frames_;
    endUnreported_ = false;
}

void SdlMediaDevice::Open() {
    Close();
    source_ = OpenSoundSource(audio_, file_);
    if (!source_) return;
    frames_ = source_->Frames();
    length_ = frames_ > 0 ? std::max<int64_t>(1, audio_.FramesToMs(frames_)) : 0;
}

bool SdlMediaDevice::PlayArrived() {
    std::error_code ec;
    if (!awaited_ || !std::filesystem::exists(PathOf(file_), ec)) return false;
    awaited_ = false;
    Open();
    Play();
    return playing_;
}

void SdlMediaDevice::Play() {
    if (playing_ || channel_ < 0) return;
    if (!source_) {
        // Opened before its file came (the page fetches its sounds once the
        // main menu shows): opened again now that it is there, else awaited.
        std::error_code ec;
        const bool there = !file_.empty() && std::filesystem::exists(PathOf(file_), ec);
        if (there) Open();
        if (!source_) {
            awaited_ = !there && !file_.empty() && !ec;
            return;
        }
    }
    if (positionFrames_ >= frames_) {
        endUnreported_ = true;
        return;
    }
    source_->Seek(positionFrames_);
    startFrames_ = positionFrames_;
    if (++play_ == 0) ++play_;
    ChannelWatch::Of(channel_).Arm(play_, source_.get());
    Mix_UnregisterAllEffects(channel_);
    Mix_RegisterEffect(channel_, &ChannelWatch::Feed, nullptr, nullptr);
    if (Mix_PlayChannel(channel_, audio_.Silence(), -1) < 0) {
        ChannelWatch::Of(channel_).Arm(0, nullptr);
        return;
    }
    playing_ = true;
}

void SdlMediaDevice::Halt() {
    if (!playing_) return;
    Mix_HaltChannel(channel_);
    positionFrames_ = PlayedFrames();
    ChannelWatch::Of(channel_).Arm(0, nullptr);
    playing_ = false;
}

void SdlMediaDevice::Close() {
    Halt();
    source_.reset();
    frames_ = length_ = positionFrames_ = startFrames_ = 0;
}

void SdlMediaDevice::Settle() {
    if (!RanOut()) return;
    Halt();
    positionFrames_ = frames_;
    endUnreported_ = true;
}

bool SdlMediaDevice::RanOut() const {
    return playing_ && (ChannelWatch::Of(channel_).Ended(play_) || PlayedFrames() >= frames_);
}

int64_t SdlMediaDevice::PlayedFrames() const {
    const int64_t frames =
        startFrames_ + ChannelWatch::Of(channel_).PlayedBytes() / audio_.FrameBytes();
    return std::min(frames, frames_);
}

}  // namespace krepogor
