#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace krepogor {

class SdlAudioOutput;

// The samples of one opened sound file in the output's format, read in pieces
// as the mixer wants them. A source is read only on the audio thread while its
// channel plays, and sought only on the main thread while it does not.
class SoundSource {
public:
    virtual ~SoundSource() = default;

    // Sample frames in the whole sound.
    virtual int64_t Frames() const = 0;
    // The next Read starts at sample frame `frame`, 0 <= frame <= Frames().
    virtual void Seek(int64_t frame) = 0;
    // Fills up to `bytes` (whole frames) from the current place on; returns
    // how many were filled, fewer only at the end of the sound.
    virtual int Read(uint8_t* out, int bytes) = 0;
};

// An MP3 file streamed through the decoder (nothing decoded before it plays),
// else any other file the mixer can read decoded whole (short WAV files);
// nullptr when the output is closed or the file cannot be read.
std::unique_ptr<SoundSource> OpenSoundSource(const SdlAudioOutput& audio, const std::string& path);

}  // namespace krepogor
