#include "desktop/Utf8.h"

namespace krepogor {
namespace {

bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Length of the sequence a lead byte announces.
size_t SequenceLength(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0xF0) return 4;
    if (b >= 0xE0) return 3;
    if (b >= 0xC0) return 2;
    return 1;
}

}  // namespace

size_t NextCharStart(const std::string& s, size_t pos) {
    if (pos >= s.size()) return s.size();
    const size_t want = SequenceLength(s[pos]);
    size_t next = pos + 1;
    while (next < s.size() && next < pos + want && IsContinuation(s[next])) ++next;
    return next;
}

size_t PrevCharStart(const std::string& s, size_t pos) {
    if (pos == 0 || s.empty()) return 0;
    if (pos > s.size()) pos = s.size();
    // Step back over continuation bytes to a lead byte that claims them.
    size_t start = pos - 1;
    size_t back = 0;
    while (start > 0 && IsContinuation(s[start]) && back < 3) {
        --start;
        ++back;
    }
    if (NextCharStart(s, start) == pos) return start;
    return pos - 1;
}

}  // namespace krepogor
