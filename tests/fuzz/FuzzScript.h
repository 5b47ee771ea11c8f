#pragma once

#include <cstdint>
#include <string>

namespace krepogor {

// Virtual time a fuzzed script may spend in all, in `wait` and `boxtime`.
constexpr int64_t kFuzzTimeBudgetMs = 20000;

// The script as the fuzzer runs it: every `wait` and `boxtime` cut to what is
// left of the time budget, and every picture written to `pngFile`.
std::string TameScript(const std::string& text, const std::string& pngFile);

}  // namespace krepogor
