// The page has one thread (no threads that would need SharedArrayBuffer): a
// thread asked for would never start and its future never be ready, so the
// work is done here and now.
#include "desktop/sdl/HelperWork.h"

namespace krepogor {

std::future<void> StartHelperWork(std::function<void()> work) {
    std::future<void> done = std::async(std::launch::deferred, std::move(work));
    done.wait();
    return done;
}

}  // namespace krepogor
