#include "desktop/StartupText.h"

#include "desktop/BoxLayout.h"
#include "desktop/Utf8.h"

namespace krepogor {
namespace {

int Characters(const std::string& s) {
    int n = 0;
    for (size_t at = 0; at < s.size(); at = NextCharStart(s, at)) ++n;
    return n;
}

}  // namespace

std::string WrapToColumns(const std::string& text, int columns) {
    std::string out;
    for (const std::string& line : WrapText(text, columns, Characters)) {
        if (!out.empty()) out += '\n';
        out += line;
    }
    return out;
}

std::string StartupFailureText(const std::string& reason) {
    return "Крепогор не может начаться: " + reason;
}

std::string NoDisplayReason(const std::string& detail) {
    return "не найден экран для окна игры; запустите её в графическом сеансе (" + detail + ").";
}

std::string NoFontReason(const std::string& family) {
    return "шрифт «" + family + "» не загружается, и в системе нет шрифта ему на замену.";
}

}  // namespace krepogor
