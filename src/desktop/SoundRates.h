#pragma once

#include <string>

namespace krepogor {

// The sample rates the game plays: every sound is converted to the sound
// card's rate, and one of an absurd rate (1 Hz) would be converted into
// gigabytes.
inline constexpr long kLowestSoundRate = 8000;
inline constexpr long kHighestSoundRate = 192000;

// Why a sound of `rate` samples a second is not played, in Russian; empty
// when it is.
inline std::string RateProblem(long rate) {
    if (rate >= kLowestSoundRate && rate <= kHighestSoundRate) return "";
    return "частота звука " + std::to_string(rate) + " Гц, а игра играет от 8 до 192 кГц";
}

}  // namespace krepogor
