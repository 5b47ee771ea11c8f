#pragma once

#include <stdexcept>

namespace krepogor {

// Thrown by the shutdown to end the program at once, from wherever it was
// called (a key handler, a timer, a box's nested loop); main catches it.
struct ProgramEnded : std::runtime_error {
    ProgramEnded() : std::runtime_error("the program has ended") {}
};

}  // namespace krepogor
