#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <type_traits>

#include "state/NumberText.h"

namespace krepogor {

// A string as a JSON string literal; bytes that are no UTF-8 become U+FFFD.
std::string JsonString(const std::string& s);

// A value of the battle state as JSON.
template <typename T>
std::string JsonValue(const T& v) {
    if constexpr (std::is_same_v<T, bool>)
        return v ? "true" : "false";
    else if constexpr (std::is_same_v<T, std::string>)
        return JsonString(v);
    else if constexpr (std::is_floating_point_v<T>)
        return std::isfinite(v) ? NumberText(v) : "null";  // JSON has no infinity
    else
        return NumberText(static_cast<int64_t>(v));
}

}  // namespace krepogor
