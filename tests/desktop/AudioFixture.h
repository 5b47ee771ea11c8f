#pragma once

#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "desktop/sdl/SdlAudioOutput.h"
#include "desktop/sdl/SdlMediaSystem.h"

namespace krepogor {

// A mixer on SDL's silent driver, which still plays in real time, with a
// media system on it. The working directory is the repository's root.
class AudioFixture : public ::testing::Test {
protected:
    static std::unique_ptr<SdlAudioOutput> SilentOutput() {
        SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
        return std::make_unique<SdlAudioOutput>();
    }

    AudioFixture() : audio(SilentOutput()), media(*audio) {}

    std::unique_ptr<IMediaDevice> Opened(const std::string& path) {
        auto dev = media.Create("MMControlBum(0)");
        dev->FileName(path);
        dev->Command("Open");
        return dev;
    }

    // Waits up to `ms` for `done`, handing over finished tracks meanwhile
    // only when `deliver` is set.
    bool WaitFor(int ms, const std::function<bool()>& done, bool deliver = true) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (std::chrono::steady_clock::now() < until) {
            if (deliver) media.DeliverFinished();
            if (done()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    }
    static void Sleep(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

    // A 16-bit mono WAV of `ms` milliseconds of silence in the temporary
    // directory, removed with the fixture.
    std::string ShortWav(int ms) {
        const std::string path =
            (std::filesystem::temp_directory_path() /
             ("krepogor-" + std::to_string(getpid()) + "-" + std::to_string(ms) + ".wav"))
                .string();
        const uint32_t rate = 22050, data = rate * ms / 1000 * 2;
        std::ofstream out(path, std::ios::binary);
        auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
        auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
        out << "RIFF";
        u32(36 + data);
        out << "WAVEfmt ";
        u32(16), u16(1), u16(1), u32(rate), u32(rate * 2), u16(2), u16(16);
        out << "data";
        u32(data);
        out << std::string(data, '\0');
        made.files.push_back(path);
        return path;
    }

    const std::string bum = "gamedata/sounds/bum1.mp3";
    const std::string sound = "gamedata/sounds/Sound1.mp3";
    // The files the test made, removed once the media system has let them go.
    struct MadeFiles {
        std::vector<std::string> files;
        ~MadeFiles() {
            std::error_code ec;
            for (const std::string& f : files) std::filesystem::remove(f, ec);
        }
    } made;
    const std::string shot = "gamedata/sounds/shot.wav";
    std::unique_ptr<SdlAudioOutput> audio;
    SdlMediaSystem media;
};

}  // namespace krepogor
