#include "desktop/sdl/SdlChannelWatch.h"

#include <SDL.h>

#include <array>
#include <cstring>

#include "desktop/sdl/SdlSoundSource.h"

namespace krepogor {

ChannelWatch& ChannelWatch::Of(int channel) {
    static std::array<ChannelWatch, kChannels> watches;
    return watches[static_cast<size_t>(channel)];
}

void ChannelWatch::Arm(uint32_t play, SoundSource* from) {
    played.store(0);
    ended.store(0);
    source.store(from);
    armed.store(play);
}

void ChannelWatch::Feed(int channel, void* stream, int len, void* /*udata*/) {
    if (channel < 0 || channel >= kChannels) return;
    ChannelWatch& w = Of(channel);
    auto* out = static_cast<uint8_t*>(stream);
    const uint32_t play = w.armed.load();
    SoundSource* src = w.source.load();
    int filled = 0;
    if (play != 0 && src && w.ended.load() != play) {
        filled = src->Read(out, len);
        w.played.fetch_add(filled);
        if (filled < len) {
            w.ended.store(play);
            // Wakes the main loop, which hands the end over to the device.
            SDL_Event e{};
            e.type = SDL_USEREVENT;
            SDL_PushEvent(&e);
        }
    }
    std::memset(out + filled, 0, static_cast<size_t>(len - filled));
}

}  // namespace krepogor
