#include "FuzzScript.h"

#include <algorithm>
#include <charconv>
#include <sstream>
#include <vector>

namespace krepogor {
namespace {

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> w;
    for (std::string s; in >> s;) w.push_back(s);
    return w;
}

}  // namespace

std::string TameScript(const std::string& text, const std::string& pngFile) {
    std::istringstream in(text);
    std::string out;
    int64_t left = kFuzzTimeBudgetMs;
    for (std::string line; std::getline(in, line);) {
        auto w = Words(line.substr(0, line.find('#')));
        // What a box runs while it is open takes time as the script's own lines.
        const std::string inbox = !w.empty() && w[0] == "inbox" ? "inbox " : "";
        if (!inbox.empty()) w.erase(w.begin());
        if (w.size() == 2 && (w[0] == "wait" || w[0] == "boxtime" || w[0] == "step")) {
            int64_t ms = 0;
            const char* end = w[1].data() + w[1].size();
            auto r = std::from_chars(w[1].data(), end, ms);
            if (r.ec == std::errc() && r.ptr == end && ms >= 0) {
                ms = std::min(ms, left);
                left -= ms;
                line = inbox + w[0] + " " + std::to_string(ms);
            }
        } else if (w.size() == 3 && w[0] == "png") {
            line = "png " + w[1] + " " + pngFile;
        }
        out += line + "\n";
    }
    return out;
}

}  // namespace krepogor
