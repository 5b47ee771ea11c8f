#include "desktop/AudioFixture.h"
#include "desktop/sdl/SdlWavPlayer.h"

namespace krepogor {
namespace {

using WavPlayerTest = AudioFixture;

TEST_F(WavPlayerTest, PlaysWithoutWaitingAndANewSoundReplacesTheOld) {
    SdlWavPlayer wav(*audio);
    wav.PlayAsync(shot);
    EXPECT_TRUE(wav.Playing());
    wav.PlayAsync(ShortWav(40));
    EXPECT_TRUE(WaitFor(300, [&] { return !wav.Playing(); }));
    wav.PlayAsync(shot);  // from the cache
    EXPECT_TRUE(wav.Playing());
}

TEST_F(WavPlayerTest, MissingFileIsSkippedAndLeavesTheSoundPlaying) {
    SdlWavPlayer wav(*audio);
    wav.PlayAsync(shot);
    wav.PlayAsync("gamedata/sounds/no-such.wav");
    EXPECT_TRUE(wav.Playing());
}

TEST_F(WavPlayerTest, DoesNotDisturbTheMediaDevices) {
    SdlWavPlayer wav(*audio);
    auto dev = Opened(ShortWav(60));
    int statuses = 0;
    dev->OnStatus = [&] { ++statuses; };
    dev->Command("Play");
    for (int i = 0; i < 5; ++i) wav.PlayAsync(shot);
    EXPECT_TRUE(WaitFor(300, [&] { return statuses == 1; }));
    EXPECT_TRUE(wav.Playing());
}

TEST(WavPlayerNoSoundTest, PlaysNothing) {
    SdlAudioOutput audio{SdlAudioOutput::NoSound{}};
    SdlWavPlayer wav(audio);
    wav.PlayAsync("gamedata/sounds/shot.wav");
    EXPECT_FALSE(wav.Playing());
}

}  // namespace
}  // namespace krepogor
