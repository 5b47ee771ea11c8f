#include "platform/ClockRandom.h"

#include <chrono>

namespace krepogor {

void ClockRandom::Randomize() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    gen_.Seed(
        static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

}  // namespace krepogor
