#include "desktop/sdl/SdlMediaDevice.h"

#include <SDL_mixer.h>

#include <algorithm>

#include "desktop/sdl/SdlAudioOutput.h"
#include "desktop/sdl/SdlChannelWatch.h"
#include "desktop/sdl/SdlMediaSystem.h"

namespace krepogor {

SdlMediaDevice::SdlMediaDevice(SdlMediaSystem& system, SdlAudioOutput& audio)
    : system_(system), audio_(audio), channel_(audio.AcquireChannel()) {
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
    if (word == "Open") {
        Open();
    } else if (word == "Play") {
        Play();
    } else if (word == "Stop") {
        Halt();
    } else if (word == "Prev") {
        Halt();
        positionBytes_ = 0;
        endUnreported_ = false;
    } else if (word == "Close") {
        Close();
    }
}

int64_t SdlMediaDevice::Position() const {
    const int64_t bytes = playing_ ? PlayedBytes() : positionBytes_;
    if (totalBytes_ == 0) return 0;
    // Only a finished track sits at its length: until the main thread hears
    // of the end, a track that has just run out is one millisecond short.
    if (!playing_ && bytes >= totalBytes_) return length_;
    return std::min(audio_.BytesToMs(bytes), length_ - 1);
}

bool SdlMediaDevice::TakeEnd() {
    Settle();
    const bool end = endUnreported_;
    endUnreported_ = false;
    return end;
}

void SdlMediaDevice::Open() {
    Close();
    decoded_ = audio_.Decode(file_);
    if (!decoded_) return;
    totalBytes_ = decoded_->alen - decoded_->alen % audio_.FrameBytes();
    length_ = totalBytes_ > 0 ? std::max<int64_t>(1, audio_.BytesToMs(totalBytes_)) : 0;
}

void SdlMediaDevice::Play() {
    if (playing_ || channel_ < 0 || positionBytes_ >= totalBytes_) return;
    if (slice_) Mix_FreeChunk(slice_);
    startBytes_ = positionBytes_;
    slice_ = Mix_QuickLoad_RAW(decoded_->abuf + startBytes_,
                               static_cast<Uint32>(totalBytes_ - startBytes_));
    if (!slice_) return;
    if (++play_ == 0) ++play_;
    ChannelWatch& watch = ChannelWatch::Of(channel_);
    watch.Arm(play_);
    Mix_UnregisterAllEffects(channel_);
    Mix_RegisterEffect(channel_, &ChannelWatch::CountPlayed, nullptr, nullptr);
    if (Mix_PlayChannel(channel_, slice_, 0) < 0) {
        watch.Disarm();
        return;
    }
    playing_ = true;
}

void SdlMediaDevice::Halt() {
    if (!playing_) return;
    ChannelWatch::Of(channel_).Disarm();
    Mix_HaltChannel(channel_);
    positionBytes_ = PlayedBytes();
    playing_ = false;
}

void SdlMediaDevice::Close() {
    Halt();
    if (slice_) Mix_FreeChunk(slice_);
    if (decoded_) Mix_FreeChunk(decoded_);
    slice_ = decoded_ = nullptr;
    totalBytes_ = length_ = positionBytes_ = startBytes_ = 0;
    endUnreported_ = false;
}

void SdlMediaDevice::Settle() {
    if (!playing_ || !ChannelWatch::Of(channel_).Ended(play_)) return;
    playing_ = false;
    positionBytes_ = totalBytes_;
    endUnreported_ = true;
}

int64_t SdlMediaDevice::PlayedBytes() const {
    const int64_t bytes = startBytes_ + ChannelWatch::Of(channel_).PlayedBytes();
    return std::min(bytes - bytes % audio_.FrameBytes(), totalBytes_);
}

}  // namespace krepogor
