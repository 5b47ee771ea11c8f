#include "frontend/BookRecord.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "frontend/Cp1251.h"

namespace krepogor {

namespace {

constexpr int64_t kMin = std::numeric_limits<int16_t>::min();
constexpr int64_t kMax = std::numeric_limits<int16_t>::max();

// Copies `text` into a fixed field, left-aligned, cut or padded with spaces.
template <size_t N>
void PutField(char (&field)[N], std::string_view text) {
    std::memset(field, ' ', N);
    std::memcpy(field, text.data(), std::min(N, text.size()));
}

std::string_view TrimSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

}  // namespace

int16_t ClampScore(int64_t score) {
    return static_cast<int16_t>(std::clamp(score, kMin, kMax));
}

BookRecord EncodeRecord(std::string_view nameUtf8, int16_t score) {
    BookRecord rec;
    PutField(rec.Name, Utf8ToCp1251(nameUtf8));
    // The number-to-text form: a space stands where a minus sign would.
    const std::string digits = std::to_string(score);
    PutField(rec.Score, score < 0 ? digits : " " + digits);
    return rec;
}

std::string DecodeName(const BookRecord& rec) {
    return Cp1251ToUtf8(TrimSpaces(std::string_view(rec.Name, kBookNameSize)));
}

int16_t DecodeScore(const BookRecord& rec) {
    return ParseScore(std::string_view(rec.Score, kBookScoreSize));
}

bool ScoreFieldIsNumber(std::string_view field) {
    const std::string_view text = TrimSpaces(field);
    size_t i = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
    if (text.empty()) return true;
    if (i == text.size()) return false;
    for (; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9') return false;
    return true;
}

int16_t ParseScore(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        // Stop growing once past the range; the clamp below settles it.
        if (value <= kMax + 1) value = value * 10 + (text[i] - '0');
    }
    return ClampScore(negative ? -value : value);
}

}  // namespace krepogor
