#include "desktop/TouchOptions.h"

#include <charconv>

#include "frontend/PrintableText.h"
#include "state/NumberText.h"

namespace krepogor {

TouchOptions TouchOptionsOf(const std::map<std::string, std::string>& settings,
                            std::string& problem) {
    TouchOptions options;
    std::string why;
    auto refuse = [&](const std::string& what) { why += (why.empty() ? "" : "; ") + what; };
    if (const auto on = settings.find("touch"); on != settings.end()) {
        if (on->second == "yes" || on->second == "no")
            options.on = on->second == "yes";
        else
            refuse("touch=«" + PrintableText(on->second, 40) + "»: не yes и не no");
    }
    if (const auto size = settings.find("touch.size"); size != settings.end()) {
        const std::string& s = size->second;
        int mm = 0;
        const auto r = std::from_chars(s.data(), s.data() + s.size(), mm);
        if (r.ec == std::errc() && r.ptr == s.data() + s.size() && mm >= TouchOptions::kLeastMm &&
            mm <= TouchOptions::kMostMm)
            options.mm = mm;
        else
            refuse("touch.size=«" + PrintableText(s, 40) + "»: не целое число миллиметров от " +
                   NumberText(int64_t{TouchOptions::kLeastMm}) + " до " +
                   NumberText(int64_t{TouchOptions::kMostMm}));
    }
    if (!why.empty()) problem = why + ", для кнопок касания взято обычное";
    return options;
}

}  // namespace krepogor
