#include "desktop/sdl/SdlMp3Source.h"

#include <mpg123.h>

#include <mutex>

#include "desktop/SoundRates.h"

namespace krepogor {
namespace {

class Mp3Source : public SoundSource {
public:
    explicit Mp3Source(mpg123_handle* handle, int frameBytes)
        : handle_(handle), frameBytes_(frameBytes) {
        frames_ = mpg123_length(handle_);
        if (frames_ < 0) frames_ = 0;
    }
    ~Mp3Source() override { mpg123_delete(handle_); }
    Mp3Source(const Mp3Source&) = delete;
    Mp3Source& operator=(const Mp3Source&) = delete;

    int64_t Frames() const override { return frames_; }

    void Seek(int64_t frame) override {
        if (mpg123_seek(handle_, static_cast<off_t>(frame), SEEK_SET) < 0)
            mpg123_seek(handle_, 0, SEEK_END);
    }

    int Read(uint8_t* out, int bytes) override {
        bytes -= bytes % frameBytes_;
        int filled = 0;
        while (filled < bytes) {
            size_t done = 0;
            const int rc =
                mpg123_read(handle_, out + filled, static_cast<size_t>(bytes - filled), &done);
            filled += static_cast<int>(done);
            if (rc == MPG123_NEW_FORMAT) continue;
            if (rc != MPG123_OK || done == 0) break;
        }
        return filled - filled % frameBytes_;
    }

private:
    mpg123_handle* handle_;
    int frameBytes_;
    int64_t frames_ = 0;
};

void InitDecoder() {
    static std::once_flag once;
    std::call_once(once, [] { mpg123_init(); });
}

}  // namespace

std::string Mp3Problem(const std::string& path) {
    InitDecoder();
    int err = MPG123_OK;
    mpg123_handle* h = mpg123_new(nullptr, &err);
    if (!h) return "декодер MP3 не запускается";
    mpg123_param(h, MPG123_FLAGS, MPG123_GAPLESS | MPG123_QUIET, 0.0);
    long rate = 0;
    int channels = 0, encoding = 0;
    std::string why;
    if (mpg123_open(h, path.c_str()) != MPG123_OK ||
        mpg123_getformat(h, &rate, &channels, &encoding) != MPG123_OK)
        why = "это не звук MP3";
    else if (!RateProblem(rate).empty())
        why = RateProblem(rate);
    else {
        long accurate = 0;
        mpg123_getstate(h, MPG123_ACCURATE, &accurate, nullptr);
        if ((!accurate && mpg123_scan(h) != MPG123_OK) || mpg123_length(h) <= 0)
            why = "в файле MP3 нет звука";
    }
    mpg123_delete(h);
    return why;
}

std::unique_ptr<SoundSource> OpenMp3Source(const std::string& path, int frequency, int channels) {
    InitDecoder();
    if (channels != 1 && channels != 2) return nullptr;
    int err = MPG123_OK;
    mpg123_handle* h = mpg123_new(nullptr, &err);
    if (!h) return nullptr;
    const long flags =
        MPG123_GAPLESS | MPG123_QUIET | (channels == 2 ? MPG123_FORCE_STEREO : MPG123_FORCE_MONO);
    mpg123_param(h, MPG123_FLAGS, flags, 0.0);
    mpg123_param(h, MPG123_FORCE_RATE, frequency, 0.0);
    mpg123_format_none(h);
    const int layout = channels == 2 ? MPG123_STEREO : MPG123_MONO;
    long rate = 0;
    int ch = 0, enc = 0;
    if (mpg123_format(h, frequency, layout, MPG123_ENC_SIGNED_16) != MPG123_OK ||
        mpg123_open(h, path.c_str()) != MPG123_OK ||
        mpg123_getformat(h, &rate, &ch, &enc) != MPG123_OK || rate != frequency || ch != channels) {
        mpg123_delete(h);
        return nullptr;
    }
    // The encoder's header frame gives the exact length; only a file without
    // one is read through once for its frames.
    long accurate = 0;
    mpg123_getstate(h, MPG123_ACCURATE, &accurate, nullptr);
    if ((!accurate && mpg123_scan(h) != MPG123_OK) || mpg123_length(h) <= 0) {
        mpg123_delete(h);
        return nullptr;
    }
    return std::make_unique<Mp3Source>(h, 2 * channels);
}

}  // namespace krepogor
