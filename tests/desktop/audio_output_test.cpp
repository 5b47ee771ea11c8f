#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "desktop/sdl/SdlAudioOutput.h"

namespace krepogor {
namespace {

TEST(AudioOutputTest, FallsBackToTheSilentDriverWhenNoneOpens) {
    SDL_setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    {
        SdlAudioOutput audio;
        EXPECT_TRUE(audio.IsOpen());
        EXPECT_EQ(audio.Driver(), "dummy");
        EXPECT_EQ(audio.FramesToMs(44100), 1000);
        EXPECT_EQ(audio.FramesToMs(44099), 999);
        EXPECT_NE(audio.Limiter(), nullptr);
    }
    // The fallback does not stick: the next output asks for the driver again.
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    SdlAudioOutput again;
    EXPECT_EQ(again.Driver(), "dummy");
    const int a = again.AcquireChannel(), b = again.AcquireChannel();
    EXPECT_NE(a, b);
    again.ReleaseChannel(a);
    EXPECT_EQ(again.AcquireChannel(), a);
}

}  // namespace
}  // namespace krepogor
