#include <vector>

#include "desktop/AudioFixture.h"
#include "desktop/sdl/SdlLimiter.h"
#include "desktop/sdl/SdlWavPlayer.h"

namespace krepogor {
namespace {

using MixHeadroomTest = AudioFixture;

// The loudest a battle gets: seven explosions, the four engines and the shot
// starting together over the main music, played through the mixer.
TEST_F(MixHeadroomTest, TheWorstOverlapOfABattleStaysBelowFullScale) {
    SdlLimiter& limiter = *audio->Limiter();
    std::vector<std::unique_ptr<IMediaDevice>> devs;
    auto add = [&](const std::string& name, const std::string& file) {
        devs.push_back(media.Create(name));
        devs.back()->FileName(file);
        devs.back()->Command("Open");
    };
    for (int i = 0; i < 7; ++i)
        add("MMControlBum(" + std::to_string(i) + ")",
            "gamedata/sounds/bum" + std::to_string(i + 1) + ".mp3");
    int i = 0;
    for (const char* engine : {"Sound1", "Sound2", "Sound3", "Sound6"})
        add("MMControlSound(" + std::to_string(i++) + ")",
            std::string("gamedata/sounds/") + engine + ".mp3");
    add("mm_menu", "gamedata/music/4.mp3");
    SdlWavPlayer wav(*audio);

    limiter.ResetCounts();
    for (auto& dev : devs) dev->Command("Play");
    wav.PlayAsync(shot);
    Sleep(1900);  // past the end of the longest explosion
    EXPECT_EQ(limiter.FullScaleIn(), 0);
    EXPECT_LT(limiter.PeakIn(), 32767);
    EXPECT_LE(limiter.PeakOut(), static_cast<int>(SdlLimiter::kCeiling * 32767) + 1);
    EXPECT_GT(limiter.PeakOut(), 16000);
}

TEST(LimiterTest, QuietSoundGainsAndLoudOneStaysUnderTheCeiling) {
    SdlLimiter limiter(44100, 2);
    std::vector<int16_t> quiet(200, 4000);
    limiter.Process(quiet.data(), static_cast<int>(quiet.size()));
    EXPECT_EQ(quiet.back(), 8000);
    std::vector<int16_t> loud(200, -30000);
    limiter.Process(loud.data(), static_cast<int>(loud.size()));
    const int ceiling = static_cast<int>(SdlLimiter::kCeiling * 32767) + 1;
    EXPECT_LE(limiter.PeakOut(), ceiling);
    EXPECT_GE(loud.front(), -ceiling);
    EXPECT_EQ(limiter.PeakIn(), 30000);
    EXPECT_EQ(limiter.FullScaleIn(), 0);
    // After the peak the gain comes back only gradually.
    std::vector<int16_t> after(2, 4000);
    limiter.Process(after.data(), 2);
    EXPECT_LT(after[0], 5000);
}

}  // namespace
}  // namespace krepogor
