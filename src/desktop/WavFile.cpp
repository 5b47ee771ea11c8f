#include "desktop/WavFile.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>

#include "desktop/SoundRates.h"

namespace krepogor {
namespace {

constexpr uint16_t kPcm = 1;
constexpr uint16_t kFloat = 3;
constexpr uint16_t kExtensible = 0xFFFE;

uint32_t Little(const char* b, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<uint8_t>(b[i]);
    return v;
}

struct Format {
    uint16_t tag = 0;
    uint16_t channels = 0;
    uint32_t rate = 0;
    uint16_t blockAlign = 0;
    uint16_t bits = 0;
};

std::string FormatProblem(const Format& f) {
    const bool pcm = f.tag == kPcm && (f.bits == 8 || f.bits == 16 || f.bits == 24 || f.bits == 32);
    const bool real = f.tag == kFloat && (f.bits == 32 || f.bits == 64);
    if (!pcm && !real)
        return "звук в файле WAV сжат или записан необычно, а игра читает только несжатый";
    if (f.channels < 1 || f.channels > 8)
        return "в файле WAV " + std::to_string(f.channels) + " каналов, а игра читает от 1 до 8";
    if (std::string why = RateProblem(f.rate); !why.empty()) return why;
    if (f.blockAlign != f.channels * (f.bits / 8)) return "заголовок файла WAV испорчен";
    return "";
}

}  // namespace

bool LooksLikeWav(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char head[12] = {};
    return in.read(head, sizeof head) && std::string(head, 4) == "RIFF" &&
           std::string(head + 8, 4) == "WAVE";
}

std::string WavProblem(const std::string& path) {
    std::error_code ec;
    const uint64_t size = std::filesystem::file_size(path, ec);
    std::ifstream in(path, std::ios::binary);
    if (ec || !in) return "файл не открывается";
    if (!LooksLikeWav(path)) return "это не звук WAV";
    in.seekg(12);
    uint64_t at = 12;
    Format f;
    bool described = false;
    while (true) {
        char chunk[8];
        if (!in.read(chunk, sizeof chunk)) return "файл WAV обрезан";
        at += 8;
        const std::string id(chunk, 4);
        const uint32_t length = Little(chunk + 4, 4);
        if (id == "fmt ") {
            char body[40] = {};
            if (length < 16 || !in.read(body, std::min<uint32_t>(length, sizeof body)))
                return "заголовок файла WAV испорчен";
            f.tag = static_cast<uint16_t>(Little(body, 2));
            f.channels = static_cast<uint16_t>(Little(body + 2, 2));
            f.rate = Little(body + 4, 4);
            f.blockAlign = static_cast<uint16_t>(Little(body + 12, 2));
            f.bits = static_cast<uint16_t>(Little(body + 14, 2));
            // The extensible header names its real format in its sub-format.
            if (f.tag == kExtensible && length >= 26)
                f.tag = static_cast<uint16_t>(Little(body + 24, 2));
            described = true;
        } else if (id == "data") {
            if (!described) return "в файле WAV нет описания звука перед самим звуком";
            if (const std::string why = FormatProblem(f); !why.empty()) return why;
            if (length > size - at) return "файл WAV обрезан";
            const uint64_t frames = length / f.blockAlign;
            if (frames == 0) return "в файле WAV нет звука";
            if (frames > static_cast<uint64_t>(f.rate) * kLongestWavSeconds)
                return "звук в файле WAV длиннее минуты";
            return "";
        }
        // Chunks are padded to an even length.
        const uint64_t skip = static_cast<uint64_t>(length) + (length & 1);
        if (skip > size - at) return "файл WAV обрезан";
        at += skip;
        in.seekg(static_cast<std::streamoff>(at));
    }
}

}  // namespace krepogor
