#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/MediaDevice.h"

namespace krepogor {

class SdlAudioOutput;
class SdlMediaSystem;
class SoundSource;

// A media device on one mixer channel of its own. "Open" reads the file's
// length (an MP3 file is decoded only as it plays); "Play" plays it from the
// current position, and the position counts the samples the mixer has taken.
// Position and length are in milliseconds.
//
// The audio thread finds the end; the device takes it over on the main thread
// before every command and when the main loop asks (TakeEnd), so the commands
// see the end in the order it happened: a track that ran out before a "Stop"
// is stopped at its end. From the moment the last sample has been mixed the
// position reads the length. An end is reported to OnStatus at most once, and
// never after a later command; "Play" at the end plays nothing and reports the
// end again, as a device that has played the rest of its track. A missing
// file leaves the device silent until the file comes: the next "Play" opens
// it, and one told while it was missing starts then (PlayArrived).
class SdlMediaDevice : public IMediaDevice {
public:
    SdlMediaDevice(SdlMediaSystem& system, SdlAudioOutput& audio, int volume);
    ~SdlMediaDevice() override;
    SdlMediaDevice(const SdlMediaDevice&) = delete;
    SdlMediaDevice& operator=(const SdlMediaDevice&) = delete;

    void FileName(const std::string& path) override { file_ = path; }
    void Command(const std::string& command) override;
    int64_t Length() const override { return length_; }
    int64_t Position() const override;

    // Takes over an end the audio thread reached; true when that end has
    // not been reported to OnStatus yet (and now counts as reported).
    bool TakeEnd();
    // Brings the track to its end now, as reported.
    void EndNow();
    // A track told to play while its file was not there yet (the page fetches
    // its music once the main menu shows) plays from its start when the file
    // has come, unless a later command came first: true when it started now.
    bool PlayArrived();

private:
    void Open();
    void Play();
    void Halt();
    void Close();
    // Takes the end state over when the sound ran out on the audio thread.
    void Settle();
    bool RanOut() const;
    int64_t PlayedFrames() const;

    SdlMediaSystem& system_;
    SdlAudioOutput& audio_;
    int channel_;
    std::string file_;
    std::unique_ptr<SoundSource> source_;
    int64_t frames_ = 0;
    int64_t length_ = 0;
    int64_t positionFrames_ = 0;  // while stopped
    int64_t startFrames_ = 0;     // while playing
    bool playing_ = false;
    bool endUnreported_ = false;
    bool awaited_ = false;  // told to play while its file was missing
    uint32_t play_ = 0;
};

}  // namespace krepogor
