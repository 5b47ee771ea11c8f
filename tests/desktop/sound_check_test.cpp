// The game's sounds are judged before the game plays them: a sound that would
// stall the game or fill its memory stops the start with its reason.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>

#include "desktop/AudioFixture.h"
#include "desktop/GameSounds.h"
#include "desktop/sdl/SdlScreen.h"
#include "desktop/sdl/SdlSoundCheck.h"
#include "desktop/sdl/SdlWavPlayer.h"
#include "state/AppPath.h"
#include "support/SpecialFiles.h"

namespace krepogor {
namespace {

namespace fs = std::filesystem;

struct WavSpec {
    uint16_t tag = 1;
    uint16_t channels = 1;
    uint32_t rate = 22050;
    uint16_t bits = 16;
    uint32_t frames = 2205;
    uint32_t missing = 0;    // bytes of sound the header claims but the file lacks
    bool listFirst = false;  // an odd-sized chunk before the format
};

class SoundCheck : public ::testing::Test {
protected:
    SoundCheck()
        : dir(fs::temp_directory_path() /
              ("krepogor-sounds-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
        fs::create_directories(dir);
    }
    ~SoundCheck() override { fs::remove_all(dir); }

    std::string Wav(const std::string& name, const WavSpec& w) {
        const std::string path = (dir / name).string();
        std::ofstream out(path, std::ios::binary);
        auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
        auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
        const uint16_t align = static_cast<uint16_t>(w.channels * (w.bits / 8));
        const uint32_t data = w.frames * align;
        out << "RIFF";
        u32(36 + data);
        out << "WAVE";
        if (w.listFirst) out << "LIST" << std::string("\x03\0\0\0abc\0", 8);
        out << "fmt ";
        u32(16), u16(w.tag), u16(w.channels), u32(w.rate), u32(w.rate * align), u16(align),
            u16(w.bits);
        out << "data";
        u32(data);
        out << std::string(data - std::min(data, w.missing), '\0');
        return path;
    }

    std::string File(const std::string& name, const std::string& bytes) {
        const std::string path = (dir / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    fs::path dir;
};

TEST_F(SoundCheck, TheShippedSoundsAllPlayAndEveryOneIsChecked) {
    EXPECT_NO_THROW(RequireSounds(KREPOGOR_SOURCE_DIR));
    std::set<std::string> listed;
    // Compared in the system's spelling of paths.
    for (const std::string& s : GameSounds())
        listed.insert(fs::path(AppPath(KREPOGOR_SOURCE_DIR, s)).make_preferred().string());
    for (const char* folder : {"/gamedata/sounds", "/gamedata/music"})
        for (const auto& f : fs::directory_iterator(std::string(KREPOGOR_SOURCE_DIR) + folder))
            EXPECT_TRUE(listed.count(fs::path(f.path()).make_preferred().string()))
                << f.path() << " is never checked";
}

TEST_F(SoundCheck, WavFilesTheGameWouldChokeOnAreRefusedWithTheirReason) {
    EXPECT_EQ(SoundProblem(Wav("plain.wav", {})), "");
    EXPECT_EQ(SoundProblem(Wav("stereo.wav", {.channels = 2, .rate = 48000, .bits = 24})), "");
    EXPECT_EQ(SoundProblem(Wav("float.wav", {.tag = 3, .rate = 8000, .bits = 32})), "");
    EXPECT_EQ(SoundProblem(Wav("listed.wav", {.listFirst = true})), "");

    EXPECT_EQ(SoundProblem(Wav("1hz.wav", {.rate = 1, .frames = 1})),
              "частота звука 1 Гц, а игра играет от 8 до 192 кГц");
    EXPECT_NE(SoundProblem(Wav("384khz.wav", {.rate = 384000})).find("384000 Гц"),
              std::string::npos);
    EXPECT_NE(SoundProblem(Wav("adpcm.wav", {.tag = 2, .bits = 4})).find("сжат"),
              std::string::npos);
    EXPECT_NE(SoundProblem(Wav("nine.wav", {.channels = 9})).find("9 каналов"), std::string::npos);
    EXPECT_EQ(SoundProblem(Wav("cut.wav", {.missing = 100})), "файл WAV обрезан");
    EXPECT_EQ(SoundProblem(Wav("empty.wav", {.frames = 0})), "в файле WAV нет звука");
    EXPECT_EQ(SoundProblem(Wav("long.wav", {.rate = 8000, .bits = 8, .frames = 8000 * 61})),
              "звук в файле WAV длиннее минуты");
    EXPECT_EQ(SoundProblem(File("head.wav", std::string("RIFF\x10\0\0\0WAVE", 12))),
              "файл WAV обрезан");
}

TEST_F(SoundCheck, WhatIsNoSoundIsRefusedAndAMissingOneIsLeftToPlaySilently) {
    EXPECT_EQ(SoundProblem(File("text.mp3", std::string(3000, 'x'))), "это не звук MP3");
    EXPECT_EQ(SoundProblem(File("empty.mp3", "")), "это не звук MP3");
    EXPECT_EQ(SoundProblem((dir / "none.mp3").string()), "");
    // A pipe in a sound's place is refused at once, never opened.
    const std::string pipe = (dir / "pipe.mp3").string();
    if (MakePipe(pipe)) {
        EXPECT_EQ(SoundProblem(pipe), "это не обычный файл");
    }

    // The start names the file and the reason.
    fs::create_directories(dir / "gamedata" / "sounds");
    Wav("gamedata/sounds/shot.wav", {.rate = 1, .frames = 1});
    try {
        RequireSounds(dir.string());
        ADD_FAILURE() << "a 1 Hz shot was let through";
    } catch (const ResourceError& e) {
        EXPECT_NE(std::string(e.what()).find("shot.wav» не годится: частота звука 1 Гц"),
                  std::string::npos)
            << e.what();
    }
}

using WavOfAnAbsurdRate = AudioFixture;

// Even when the file changes after the start, a 1 Hz sound is never converted
// whole (seconds of work and gigabytes for 44.1 kHz).
TEST_F(WavOfAnAbsurdRate, IsNeverPlayed) {
    const std::string path =
        (fs::temp_directory_path() / ("krepogor-1hz-" + std::to_string(getpid()) + ".wav"))
            .string();
    {
        std::ofstream out(path, std::ios::binary);
        auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
        auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
        out << "RIFF";
        u32(36 + 2000);
        out << "WAVEfmt ";
        u32(16), u16(1), u16(1), u32(1), u32(2), u16(2), u16(16);
        out << "data";
        u32(2000);
        out << std::string(2000, '\0');
    }
    SdlWavPlayer wav(*audio);
    const auto start = std::chrono::steady_clock::now();
    wav.PlayAsync(path);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
    EXPECT_FALSE(wav.Playing());
    fs::remove(path);
}

}  // namespace
}  // namespace krepogor
