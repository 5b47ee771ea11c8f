#pragma once

#include <functional>

namespace krepogor {

// What the battle asks of the front end, which sits above it: the champions'
// book update after a won battle, and the program's shutdown.
struct FrontEndHooks {
    std::function<void()> BookUpdate;
    std::function<void()> Shutdown;
};

}  // namespace krepogor
