#pragma once

#include <atomic>
#include <cstdint>

namespace krepogor {

// The last stage of the mix, on the audio thread: a makeup gain for the
// headroom the channel volumes leave, held under a ceiling below full scale by
// a limiter that cuts the gain at once on a peak and lets it recover over about
// a tenth of a second. Works on interleaved 16-bit samples.
class SdlLimiter {
public:
    static constexpr float kGain = 2.0f;
    static constexpr float kCeiling = 0.89f;  // -1 dBFS

    SdlLimiter(int frequency, int channels);

    // The mixer's post-mix hook; `udata` is the limiter.
    static void PostMix(void* udata, uint8_t* stream, int len);
    void Process(int16_t* samples, int count);

    // Largest sample magnitude that came in and went out, and how many samples
    // came in at full scale (clipped while the mixer added the channels up).
    int PeakIn() const { return peakIn_.load(); }
    int PeakOut() const { return peakOut_.load(); }
    int64_t FullScaleIn() const { return fullScaleIn_.load(); }
    void ResetCounts();

private:
    int channels_;
    float release_;
    float gain_ = kGain;
    std::atomic<int> peakIn_{0};
    std::atomic<int> peakOut_{0};
    std::atomic<int64_t> fullScaleIn_{0};
};

}  // namespace krepogor
