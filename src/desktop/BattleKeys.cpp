#include "desktop/BattleKeys.h"

#include <string_view>

#include "desktop/KeyCodes.h"
#include "desktop/ScancodeNames.h"
#include "frontend/PrintableText.h"

namespace krepogor {
namespace {

struct Action {
    const char* name;
    int key;         // the default physical key
    int16_t battle;  // the virtual key the battle window acts on
};

constexpr std::array<Action, 7> kActions = {{
    {"up", 82, 38},
    {"down", 81, 40},
    {"fire", 44, 32},
    {"speed", 6, 67},
    {"force", 25, 86},
    {"repair", 5, 66},
    {"pause", 19, 80},
}};

constexpr std::string_view kPrefix = "key.";
constexpr int kEscape = 41, kF1 = 58, kF12 = 69;

}  // namespace

BattleKeys::BattleKeys() {
    for (size_t i = 0; i < kActions.size(); ++i) keys_[i] = kActions[i].key;
}

BattleKeys BattleKeys::Chosen(const std::map<std::string, std::string>& settings,
                              std::string& problem) {
    BattleKeys chosen;
    std::array<std::string, kActions.size()> line;  // the setting each key came from
    std::string why;
    auto refuse = [&](const std::string& what) { why += (why.empty() ? "" : "; ") + what; };
    for (const auto& [key, value] : settings) {
        if (key.rfind(kPrefix, 0) != 0) continue;
        const std::string action = key.substr(kPrefix.size());
        const std::string said = key + "=«" + PrintableText(value, 40) + "»";
        size_t i = 0;
        while (i < kActions.size() && action != kActions[i].name) ++i;
        const auto scancode = ScancodeOfName(value);
        if (i == kActions.size())
            refuse(PrintableText(key, 40) +
                   ": нет такого действия (есть up, down, fire, speed, force, repair, pause)");
        else if (!scancode)
            refuse(said + ": нет такой клавиши");
        else if (*scancode == kEscape)
            refuse(said + ": Esc спрашивает о выходе из боя");
        else if (*scancode >= kF1 && *scancode <= kF12)
            refuse(said + ": клавиши F1–F12 заняты меню");
        else {
            chosen.keys_[i] = *scancode;
            line[i] = said;
        }
    }
    for (size_t i = 0; i < kActions.size(); ++i)
        for (size_t j = i + 1; j < kActions.size(); ++j)
            if (chosen.keys_[i] == chosen.keys_[j]) {
                auto named = [&](size_t k) {
                    return line[k].empty() ? std::string(kActions[k].name) + " (как обычно)"
                                           : line[k];
                };
                refuse(named(i) + " и " + named(j) + ": одна клавиша на два действия");
            }
    if (why.empty()) return chosen;
    problem = "клавиши боя не приняты (" + why + "), в бою клавиши как обычно";
    return BattleKeys();
}

int16_t BattleKeys::VirtualKey(int scancode) const {
    for (size_t i = 0; i < kActions.size(); ++i)
        if (keys_[i] == scancode) return kActions[i].battle;
    const int16_t own = VirtualKeyOf(scancode);
    for (const Action& a : kActions)
        if (a.battle == own) return 0;
    return own;
}

int BattleKeys::KeyFor(int defaultKey) const {
    for (size_t i = 0; i < kActions.size(); ++i)
        if (kActions[i].key == defaultKey) return keys_[i];
    return defaultKey;
}

}  // namespace krepogor
