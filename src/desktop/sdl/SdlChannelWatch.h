#pragma once

#include <atomic>
#include <cstdint>

namespace krepogor {

// What the audio thread tells the main thread about one mixer channel, kept in
// atomics only: the mixer calls back with its audio lock held, so the main
// thread must never make it wait on a lock of ours.
//
// A device arms its channel with a nonzero play number before it starts the
// channel and disarms it before it halts the channel. When the mixer reports a
// channel finished while it is still armed, the chunk played to its end on its
// own, and the play number moves to `ended`.
struct ChannelWatch {
    static constexpr int kChannels = 32;

    // Watch of mixer channel `channel`, 0 <= channel < kChannels.
    static ChannelWatch& Of(int channel);

    // Clears the counters and arms the channel for play number `play` (nonzero).
    void Arm(uint32_t play);
    // Disarms the channel; true when it was still armed, i.e. had not ended by itself.
    bool Disarm() { return armed.exchange(0) != 0; }
    bool Ended(uint32_t play) const { return ended.load() == play; }
    int64_t PlayedBytes() const { return played.load(); }

    // Mixer callbacks, installed by SdlAudioOutput and per play by the devices.
    static void OnChannelFinished(int channel);
    static void CountPlayed(int channel, void* stream, int len, void* udata);

    std::atomic<uint32_t> armed{0};
    std::atomic<uint32_t> ended{0};
    std::atomic<int64_t> played{0};
};

}  // namespace krepogor
