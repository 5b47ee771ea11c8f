#include "desktop/sdl/SdlLimiter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace krepogor {

SdlLimiter::SdlLimiter(int frequency, int channels)
    : channels_(std::max(1, channels)),
      release_(1.0f - std::exp(-1.0f / (0.1f * static_cast<float>(std::max(1, frequency))))) {}

void SdlLimiter::PostMix(void* udata, uint8_t* stream, int len) {
    static_cast<SdlLimiter*>(udata)->Process(reinterpret_cast<int16_t*>(stream),
                                             len / static_cast<int>(sizeof(int16_t)));
}

void SdlLimiter::Process(int16_t* samples, int count) {
    constexpr float ceiling = kCeiling * 32767.0f;
    int peakIn = peakIn_.load(), peakOut = peakOut_.load();
    int64_t fullScale = 0;
    for (int i = 0; i + channels_ <= count; i += channels_) {
        int loudest = 0;
        for (int c = 0; c < channels_; ++c) {
            const int v = std::abs(static_cast<int>(samples[i + c]));
            loudest = std::max(loudest, v);
            if (v >= 32767) ++fullScale;
        }
        gain_ += (kGain - gain_) * release_;
        if (static_cast<float>(loudest) * gain_ > ceiling)
            gain_ = ceiling / static_cast<float>(loudest);
        for (int c = 0; c < channels_; ++c) {
            const float scaled = static_cast<float>(samples[i + c]) * gain_;
            const auto out = static_cast<int16_t>(scaled + (scaled < 0 ? -0.5f : 0.5f));
            samples[i + c] = out;
            peakOut = std::max(peakOut, std::abs(static_cast<int>(out)));
        }
        peakIn = std::max(peakIn, loudest);
    }
    peakIn_.store(peakIn);
    peakOut_.store(peakOut);
    fullScaleIn_.fetch_add(fullScale);
}

void SdlLimiter::ResetCounts() {
    peakIn_.store(0);
    peakOut_.store(0);
    fullScaleIn_.store(0);
}

}  // namespace krepogor
