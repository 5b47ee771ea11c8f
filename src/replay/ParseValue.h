#pragma once

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <type_traits>

#include "state/TextNumber.h"

namespace krepogor {

// Reads a value for `set`: whole numbers within the variable's type, decimal
// finite numbers, true/false (or -1/0) for flags, and any text for strings.
// False, with `out` unchanged, when the text is none of these.
template <typename T>
bool ParseValue(const std::string& text, T& out) {
    if constexpr (std::is_same_v<T, std::string>) {
        out = text.size() >= 2 && text.front() == '"' && text.back() == '"'
                  ? text.substr(1, text.size() - 2)
                  : text;
        return true;
    } else if constexpr (std::is_same_v<T, bool>) {
        if (text == "true" || text == "-1")
            out = true;
        else if (text == "false" || text == "0")
            out = false;
        else
            return false;
        return true;
    } else {
        if constexpr (std::is_floating_point_v<T>) {
            // Only finite numbers: an infinity or a NaN has no JSON form and
            // no place in the battle.
            T v{};
            if (!TextNumber(text, v) || !std::isfinite(v)) return false;
            out = v;
            return true;
        } else {
            const char* end = text.data() + text.size();
            long long v = 0;
            auto r = std::from_chars(text.data(), end, v);
            if (r.ec != std::errc() || r.ptr != end) return false;
            if (v < std::numeric_limits<T>::min() || v > std::numeric_limits<T>::max())
                return false;
            out = static_cast<T>(v);
            return true;
        }
    }
}

}  // namespace krepogor
