// Systems with threads: the work runs on a thread of its own.
#include "desktop/sdl/HelperWork.h"

#include <system_error>

namespace krepogor {

std::future<void> StartHelperWork(std::function<void()> work) {
    try {
        return std::async(std::launch::async, work);
    } catch (const std::system_error&) {
        // No thread to spare: the work is done here and now.
        std::future<void> done = std::async(std::launch::deferred, std::move(work));
        done.wait();
        return done;
    }
}

}  // namespace krepogor
