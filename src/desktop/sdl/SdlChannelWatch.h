#pragma once

#include <atomic>
#include <cstdint>

namespace krepogor {

class SoundSource;

// What the audio thread tells the main thread about one mixer channel, kept in
// atomics only: the mixer calls back with its audio lock held, so the main
// thread must never make it wait on a lock of ours.
//
// A device's channel plays endless silence, and the channel's effect `Feed`
// overwrites it with the device's source. When the source runs dry, the feed
// records the play number as `ended`, posts an SDL_USEREVENT to wake the main
// loop, and plays silence until the main thread halts the channel. `played` counts the bytes taken
// from the source.
struct ChannelWatch {
    static constexpr int kChannels = 32;

    // Watch of mixer channel `channel`, 0 <= channel < kChannels.
    static ChannelWatch& Of(int channel);

    // Clears the counters and arms the channel to feed play number `play`
    // (nonzero) from `source`; only while the channel is halted.
    void Arm(uint32_t play, SoundSource* source);
    bool Ended(uint32_t play) const { return ended.load() == play; }
    int64_t PlayedBytes() const { return played.load(); }

    // The mixer effect that plays the armed source on channel `channel`.
    static void Feed(int channel, void* stream, int len, void* udata);

    std::atomic<uint32_t> armed{0};
    std::atomic<uint32_t> ended{0};
    std::atomic<int64_t> played{0};
    std::atomic<SoundSource*> source{nullptr};
};

}  // namespace krepogor
