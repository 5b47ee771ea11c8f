#include "platform/ClockRandom.h"

#include <chrono>

namespace krepogor {

ClockRandom::ClockRandom()
    : seed_(static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                      std::chrono::system_clock::now().time_since_epoch())
                                      .count())),
      gen_(seed_) {}

}  // namespace krepogor
