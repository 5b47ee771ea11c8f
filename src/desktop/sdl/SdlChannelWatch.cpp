#include "desktop/sdl/SdlChannelWatch.h"

#include <array>

namespace krepogor {

ChannelWatch& ChannelWatch::Of(int channel) {
    static std::array<ChannelWatch, kChannels> watches;
    return watches[static_cast<size_t>(channel)];
}

void ChannelWatch::Arm(uint32_t play) {
    played.store(0);
    ended.store(0);
    armed.store(play);
}

void ChannelWatch::OnChannelFinished(int channel) {
    if (channel < 0 || channel >= kChannels) return;
    ChannelWatch& w = Of(channel);
    const uint32_t play = w.armed.exchange(0);
    if (play != 0) w.ended.store(play);
}

void ChannelWatch::CountPlayed(int channel, void* /*stream*/, int len, void* /*udata*/) {
    if (channel < 0 || channel >= kChannels) return;
    Of(channel).played.fetch_add(len);
}

}  // namespace krepogor
