#include "state/NumberText.h"

#include <charconv>

namespace krepogor {
namespace {

template <typename T>
std::string ToText(T v) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

}  // namespace

std::string NumberText(int64_t v) {
    return ToText(v);
}
std::string NumberText(double v) {
    return ToText(v);
}
std::string NumberText(float v) {
    return ToText(v);
}

}  // namespace krepogor
