#include "headless/fake/Mp3Duration.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/Utf8Path.h"

namespace krepogor {
namespace {

struct FrameHeader {
    int rate = 0;
    int samples = 0;  // per frame
    int bytes = 0;
    int sideInfo = 0;  // bytes between the header and a layer III frame's data
};

// The header at `p`, or an empty one when these four bytes are none.
FrameHeader ParseHeader(const uint8_t* p) {
    static constexpr std::array<int, 16> kL1 = {0,   32,  64,  96,  128, 160, 192, 224,
                                                256, 288, 320, 352, 384, 416, 448, 0};
    static constexpr std::array<int, 16> kL2 = {0,   32,  48,  56,  64,  80,  96,  112,
                                                128, 160, 192, 224, 256, 320, 384, 0};
    static constexpr std::array<int, 16> kL3 = {0,   32,  40,  48,  56,  64,  80,  96,
                                                112, 128, 160, 192, 224, 256, 320, 0};
    static constexpr std::array<int, 16> kV2L1 = {0,   32,  48,  56,  64,  80,  96,  112,
                                                  128, 144, 160, 176, 192, 224, 256, 0};
    static constexpr std::array<int, 16> kV2L23 = {0,  8,  16, 24,  32,  40,  48,  56,
                                                   64, 80, 96, 112, 128, 144, 160, 0};
    static constexpr std::array<int, 3> kRates = {44100, 48000, 32000};
    FrameHeader h;
    if (p[0] != 0xFF || (p[1] & 0xE0) != 0xE0) return h;
    const int version = (p[1] >> 3) & 3;  // 3: MPEG-1, 2: MPEG-2, 0: MPEG-2.5
    const int layer = 4 - ((p[1] >> 1) & 3);
    const int bitrateIndex = p[2] >> 4, rateIndex = (p[2] >> 2) & 3;
    if (version == 1 || layer == 4 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3)
        return h;
    const bool v1 = version == 3;
    const int kbps = v1 ? (layer == 1   ? kL1
                           : layer == 2 ? kL2
                                        : kL3)[bitrateIndex]
                        : (layer == 1 ? kV2L1 : kV2L23)[bitrateIndex];
    const int rate = kRates[rateIndex] >> (v1 ? 0 : version == 2 ? 1 : 2);
    const int padding = (p[2] >> 1) & 1;
    const bool mono = (p[3] >> 6) == 3;
    h.rate = rate;
    if (layer == 1) {
        h.samples = 384;
        h.bytes = (12000 * kbps / rate + padding) * 4;
    } else {
        h.samples = layer == 3 && !v1 ? 576 : 1152;
        h.bytes = (layer == 3 && !v1 ? 72000 : 144000) * kbps / rate + padding;
    }
    if (layer == 3) h.sideInfo = v1 ? (mono ? 17 : 32) : (mono ? 9 : 17);
    return h;
}

uint32_t BigEndian(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 |
           static_cast<uint32_t>(p[2]) << 8 | p[3];
}

// The ID3v2 tag's size at the file's start, 0 when there is none.
size_t TagBytes(const std::vector<uint8_t>& d) {
    if (d.size() < 10 || std::memcmp(d.data(), "ID3", 3) != 0) return 0;
    const size_t size =
        (d[6] & 0x7Fu) << 21 | (d[7] & 0x7Fu) << 14 | (d[8] & 0x7Fu) << 7 | (d[9] & 0x7Fu);
    return 10 + size + ((d[5] & 0x10) ? 10 : 0);
}

// The frame count less delay and padding from the encoder's header frame at `at`.
std::optional<int64_t> HeaderFrameSamples(const std::vector<uint8_t>& d, size_t at,
                                          const FrameHeader& h) {
    size_t p = at + 4 + static_cast<size_t>(h.sideInfo);
    if (h.sideInfo == 0 || p + 8 > d.size()) return std::nullopt;
    if (std::memcmp(&d[p], "Xing", 4) != 0 && std::memcmp(&d[p], "Info", 4) != 0)
        return std::nullopt;
    const uint32_t flags = BigEndian(&d[p + 4]);
    p += 8;
    if (!(flags & 1) || p + 4 > d.size()) return std::nullopt;
    const int64_t frames = BigEndian(&d[p]);
    p += 4;
    if (flags & 2) p += 4;
    if (flags & 4) p += 100;
    if (flags & 8) p += 4;
    int64_t delay = 0, padding = 0;
    if (p + 24 <= d.size()) {
        const uint8_t* x = &d[p + 21];
        delay = x[0] << 4 | x[1] >> 4;
        padding = (x[1] & 0x0F) << 8 | x[2];
    }
    return std::max<int64_t>(0, frames * h.samples - delay - padding);
}

}  // namespace

std::optional<Mp3Duration> ReadMp3Duration(const std::string& path) {
    std::ifstream in(PathOf(path), std::ios::binary);
    if (!in) return std::nullopt;
    const std::vector<uint8_t> d{std::istreambuf_iterator<char>(in), {}};
    size_t at = TagBytes(d);
    // The first frame: a header whose successor is a header too.
    FrameHeader first;
    for (; at + 4 <= d.size(); ++at) {
        first = ParseHeader(&d[at]);
        if (first.bytes == 0) continue;
        const size_t next = at + static_cast<size_t>(first.bytes);
        if (next + 4 > d.size() || ParseHeader(&d[next]).bytes > 0) break;
    }
    if (at + 4 > d.size()) return std::nullopt;
    Mp3Duration out;
    out.rate = first.rate;
    if (const auto samples = HeaderFrameSamples(d, at, first)) {
        out.samples = *samples;
        return out;
    }
    while (at + 4 <= d.size()) {
        const FrameHeader h = ParseHeader(&d[at]);
        if (h.bytes == 0 || at + static_cast<size_t>(h.bytes) > d.size()) break;
        out.samples += h.samples;
        at += static_cast<size_t>(h.bytes);
    }
    return out;
}

}  // namespace krepogor
