#pragma once

#include <cstdint>
#include <string>

namespace krepogor {

// A number as plain decimal text: "5", "-1", "1800", "102.83"; no leading
// space. A floating-point number gets the fewest digits that read back as it
// (TextNumber), in fixed notation or, where that is shorter, in scientific
// ("1e+05", "1.5e-07"); the same text on every system, in every locale.
std::string NumberText(int64_t v);
std::string NumberText(double v);
std::string NumberText(float v);

}  // namespace krepogor
