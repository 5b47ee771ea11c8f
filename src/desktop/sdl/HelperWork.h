#pragma once

#include <functional>
#include <future>

namespace krepogor {

// Starts `work` beside the game's own thread where the system has threads to
// spare; where it has none (or gives none), does it here and now. The future
// is ready when the work is done and holds what it threw.
std::future<void> StartHelperWork(std::function<void()> work);

}  // namespace krepogor
