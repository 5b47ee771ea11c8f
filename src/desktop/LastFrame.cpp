#include "desktop/LastFrame.h"

#include <cstdint>

namespace krepogor {
namespace {

constexpr std::string_view kSignature = "\x89PNG\r\n\x1a\n";
// The signature, then the header chunk: its length, "IHDR", 13 bytes, the CRC.
constexpr size_t kMarkAt = 8 + 4 + 4 + 13 + 4;

uint32_t Crc32(std::string_view bytes) {
    uint32_t crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= static_cast<uint8_t>(c);
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void BigEndian(std::string& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xFF);
}

}  // namespace

std::string LastFramePath(const std::string& recording) {
    return recording + ".png";
}

std::string LastFrameMark() {
    using namespace std::string_literals;
    const std::string body = "tEXtSoftware\0krepogor"s;
    std::string chunk;
    BigEndian(chunk, static_cast<uint32_t>(body.size() - 4));
    chunk += body;
    BigEndian(chunk, Crc32(body));
    return chunk;
}

bool IsLastFrameHead(std::string_view head) {
    static const std::string mark = LastFrameMark();
    return head.starts_with(kSignature) && head.substr(12).starts_with("IHDR") &&
           head.size() >= kMarkAt + mark.size() && head.substr(kMarkAt, mark.size()) == mark;
}

}  // namespace krepogor
