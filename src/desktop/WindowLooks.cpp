#include "desktop/WindowLooks.h"

#include <array>

namespace krepogor {
namespace {

constexpr std::array<WindowLook, 7> kLooks = {{
    {"frm_menu", "Крепогор", 659, 398, "frm_menu.png", false, false},
    {"frm_vustrel", "Крепогор", 926, 638, nullptr, true, false},
    {"FrmRecords", "Рекорды", 656, 396, "FrmRecords.png", false, true},
    {"FrmRules", "Правила", 769, 418, "FrmRules.png", false, true},
    // The credits picture is 398 rows high; only its top 351 show.
    {"frm_credits", "Создатели", 659, 351, "frm_credits.png", false, false},
    {"FrmLost", "Поражение!", 767, 564, "FrmLost.png", false, true},
    {"FrmWin", "Победа!", 590, 418, "FrmWin.png", false, true},
}};

}  // namespace

const WindowLook* LookOf(const std::string& name) {
    for (const WindowLook& look : kLooks)
        if (name == look.name) return &look;
    return nullptr;
}

}  // namespace krepogor
