#pragma once

#include <cstdint>
#include <string>

#include "platform/MediaDevice.h"

struct Mix_Chunk;

namespace krepogor {

class SdlAudioOutput;
class SdlMediaSystem;

// A media device on one mixer channel of its own. "Open" decodes the whole
// file into memory; "Play" plays the rest of it from the current position, and
// the position counts the bytes the mixer has taken from it. Position and
// length are in milliseconds, and the position equals the length exactly when
// the track has played to its end and the main thread has been told so.
class SdlMediaDevice : public IMediaDevice {
public:
    SdlMediaDevice(SdlMediaSystem& system, SdlAudioOutput& audio);
    ~SdlMediaDevice() override;
    SdlMediaDevice(const SdlMediaDevice&) = delete;
    SdlMediaDevice& operator=(const SdlMediaDevice&) = delete;

    void FileName(const std::string& path) override { file_ = path; }
    void Command(const std::string& command) override;
    int64_t Length() const override { return length_; }
    int64_t Position() const override;

    // Takes over an end the mixer reported since the last call; true when
    // that end has not been reported to OnStatus yet (and now counts as reported).
    bool TakeEnd();

private:
    void Open();
    void Play();
    void Halt();
    void Close();
    // Takes the end state when the chunk has run out on the audio thread.
    void Settle();
    int64_t PlayedBytes() const;

    SdlMediaSystem& system_;
    SdlAudioOutput& audio_;
    int channel_;
    std::string file_;
    Mix_Chunk* decoded_ = nullptr;
    Mix_Chunk* slice_ = nullptr;  // the rest of `decoded_` from where play started
    int64_t totalBytes_ = 0;
    int64_t length_ = 0;
    int64_t positionBytes_ = 0;  // while stopped
    int64_t startBytes_ = 0;     // while playing
    bool playing_ = false;
    bool endUnreported_ = false;
    uint32_t play_ = 0;
};

}  // namespace krepogor
