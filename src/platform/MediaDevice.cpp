#include "platform/MediaDevice.h"

#include <array>
#include <cctype>

namespace krepogor {

std::string CanonicalCommand(const std::string& command) {
    static const std::array<std::string, 5> words = {"Open", "Play", "Stop", "Prev", "Close"};
    for (const std::string& w : words) {
        if (w.size() != command.size()) continue;
        bool same = true;
        for (size_t i = 0; i < w.size() && same; ++i)
            same = std::tolower(static_cast<unsigned char>(w[i])) ==
                   std::tolower(static_cast<unsigned char>(command[i]));
        if (same) return w;
    }
    return "";
}

}  // namespace krepogor
