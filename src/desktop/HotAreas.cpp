#include "desktop/HotAreas.h"

#include <array>

namespace krepogor {
namespace {

constexpr std::array<Rect, 3> kLblMod = {{{216, 8, 73, 65}, {464, 8, 73, 65}, {704, 8, 73, 65}}};
constexpr std::array<int, 5> kRowTops = {112, 173, 227, 284, 344};

struct Area {
    const char* name;
    Rect rect;
};
constexpr std::array<Area, kMainMenuAreas> kMenuAreas = {{
    {"lbl_new_game", {232, 136, 137, 33}},
    {"lbl_credits", {304, 176, 129, 33}},
    {"lbl_exit", {288, 224, 81, 41}},
}};

}  // namespace

int LblModAt(int x, int y) {
    for (size_t i = 0; i < kLblMod.size(); ++i)
        if (kLblMod[i].Contains(x, y)) return static_cast<int>(i);
    return -1;
}

Rect LblModRect(int index) {
    return kLblMod.at(static_cast<size_t>(index));
}

std::string MainMenuAreaAt(int x, int y) {
    for (const Area& a : kMenuAreas)
        if (a.rect.Contains(x, y)) return a.name;
    return "";
}

std::string MainMenuAreaName(int index) {
    return kMenuAreas.at(static_cast<size_t>(index)).name;
}

Rect MainMenuAreaRect(int index) {
    return kMenuAreas.at(static_cast<size_t>(index)).rect;
}

Rect LabelNameRect(int row) {
    return {128, kRowTops.at(static_cast<size_t>(row)), 393, 33};
}
Rect LabelScoreRect(int row) {
    return {528, kRowTops.at(static_cast<size_t>(row)), 73, 33};
}

}  // namespace krepogor
