#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "headless/fake/FakeMediaSystem.h"
#include "headless/fake/Mp3Duration.h"

namespace krepogor {
namespace {

// MPEG-1 layer III frames at 128 kbit/s and 44.1 kHz: 417 bytes each, silent.
std::string Frames(int count) {
    std::string frame(417, '\0');
    frame[0] = '\xFF', frame[1] = '\xFB', frame[2] = '\x90', frame[3] = '\x44';
    std::string out;
    for (int i = 0; i < count; ++i) out += frame;
    return out;
}

std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = (std::filesystem::temp_directory_path() / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

TEST(Mp3DurationTest, FramesAreCountedAfterATagWhenNoHeaderFrameTellsTheLength) {
    std::string tag = "ID3\x03";
    tag += std::string(5, '\0');
    tag += '\x14';  // 20 bytes of tag body
    tag += std::string(20, '\xFF');
    const std::string path = Write("krepogor-frames.mp3", tag + Frames(10));
    const auto d = ReadMp3Duration(path);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->rate, 44100);
    EXPECT_EQ(d->samples, 11520);
    EXPECT_EQ(d->Milliseconds(), 261);

    // The headless device plays as long.
    EventLog log;
    FakeMediaSystem media(log, "");
    auto dev = media.Create("about");
    dev->FileName(path);
    dev->Command("Open");
    EXPECT_EQ(dev->Length(), 261);
    std::filesystem::remove(path);
}

TEST(Mp3DurationTest, NoFramesNoDuration) {
    const std::string text = Write("krepogor-text.mp3", std::string(5000, 'x'));
    EXPECT_FALSE(ReadMp3Duration(text));
    // A lone sync word followed by rubbish is no frame either.
    const std::string lone =
        Write("krepogor-lone.mp3", Frames(1).substr(0, 40) + std::string(900, 'y'));
    EXPECT_FALSE(ReadMp3Duration(lone));
    const std::string empty = Write("krepogor-empty.mp3", "");
    EXPECT_FALSE(ReadMp3Duration(empty));
    for (const auto& p : {text, lone, empty}) std::filesystem::remove(p);
}

}  // namespace
}  // namespace krepogor
