#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "state/BattleState.h"

namespace krepogor {

// One row of the champions' book as 26 bytes: the name in Windows-1251,
// left-aligned and space-padded to 20 bytes, then the score as decimal text
// with a leading space (or its minus sign), left-aligned and space-padded to 6.
constexpr size_t kBookNameSize = sizeof(BookRecord::Name);
constexpr size_t kBookScoreSize = sizeof(BookRecord::Score);
constexpr size_t kBookRecordSize = sizeof(BookRecord);
static_assert(kBookRecordSize == 26, "a book record is 26 bytes on disk");

// A score as the book can hold it: anything outside int16 is clamped to it.
int16_t ClampScore(int64_t score);

// A UTF-8 name cut to its first 20 characters after conversion.
BookRecord EncodeRecord(std::string_view nameUtf8, int16_t score);

// The stored name without its surrounding spaces, as UTF-8.
std::string DecodeName(const BookRecord& rec);

// The stored score. Any content reads as something: the number at the start
// of the field (after spaces, with an optional sign), clamped to int16; a
// field that does not start with a number reads as 0.
int16_t DecodeScore(const BookRecord& rec);

// Whether a score field, or the part of it a short file holds, is one a book
// holds: blank, or a number (its sign, then digits) with spaces around it.
bool ScoreFieldIsNumber(std::string_view field);

// The number at the start of `text` as DecodeScore reads it.
int16_t ParseScore(std::string_view text);

}  // namespace krepogor
