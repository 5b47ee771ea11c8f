#include "frontend/BattleMenu.h"

#include <functional>
#include <map>

#include "battle/ExitQuestion.h"
#include "battle/GunControls.h"
#include "battle/Keys.h"
#include "battle/NewGame.h"
#include "battle/Pause.h"
#include "frontend/BookWindow.h"
#include "frontend/InfoScreens.h"
#include "frontend/SettingsSwitches.h"
#include "state/Game.h"

namespace krepogor {

std::string MenuItemForKey(int16_t keyCode) {
    static const char* items[8] = {"Rules",   "NG",    "Music", "Sound",
                                   "Records", "Pouse", "Cast",  "Exiting"};
    const int n = keyCode - vbKeyF1;
    return n >= 0 && n < 8 ? items[n] : "";
}

bool BattleMenu_Click(Game& g, const std::string& item) {
    static const std::map<std::string, std::function<void(Game&)>> handlers = {
        {"NG", NG_Click},       {"Music", Music_Click},     {"Sound", Sound_Click},
        {"Pouse", Pouse_Click}, {"Exiting", Exiting_Click}, {"Rules", Rules_Click},
        {"Cast", Cast_Click},   {"Records", Records_Click},
    };
    auto it = handlers.find(item);
    if (it == handlers.end()) return false;
    it->second(g);
    return true;
}

void BattleWindow_Key(Game& g, int16_t keyCode) {
    const std::string item = MenuItemForKey(keyCode);
    if (!item.empty())
        BattleMenu_Click(g, item);
    else
        Form_KeyDown(g, keyCode, 0);
}

}  // namespace krepogor
