#pragma once

#include <cstdint>
#include <string>

namespace krepogor {

// A number as plain decimal text: "5", "-1", "1800", "102.83"; no leading space.
std::string NumberText(int64_t v);
std::string NumberText(double v);
std::string NumberText(float v);

}  // namespace krepogor
