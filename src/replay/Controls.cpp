#include "replay/Controls.h"

#include "battle/GunControls.h"
#include "frontend/CloseBox.h"
#include "frontend/InfoScreens.h"
#include "frontend/MainMenu.h"

namespace krepogor {
namespace {

bool IsScreen(const std::string& form) {
    return form == "FrmRules" || form == "frm_credits" || form == "FrmLost" || form == "FrmWin" ||
           form == "FrmRecords";
}

}  // namespace

std::function<void(Game&)> ControlAction(const std::string& form, const std::string& control,
                                         std::optional<int> index, bool hover) {
    if (form == "frm_vustrel" && control == "LblMod" && index && *index >= 0 && *index <= 2) {
        const auto i = static_cast<int16_t>(*index);
        if (hover) return [i](Game& g) { LblMod_MouseMove(g, i); };
        return [i](Game& g) { LblMod_Click(g, i); };
    }
    if (hover) return {};
    if (form == "frm_menu" && !index) {
        if (control == "lbl_new_game") return lbl_new_game_Click;
        if (control == "lbl_credits") return lbl_credits_Click;
        if (control == "lbl_exit") return lbl_exit_Click;
    }
    if (!IsScreen(form)) return {};
    const bool wholeWindow = control == "Form" && !index;
    const bool scoreLabel = form == "FrmWin" && control == "LblScore" && !index;
    const bool bookLabel = form == "FrmRecords" &&
                           (control == "LabelName" || control == "LabelScore") && index &&
                           *index >= 0 && *index <= 4;
    if (!wholeWindow && !scoreLabel && !bookLabel) return {};
    return [form](Game& g) { ScreenClick(g, form); };
}

}  // namespace krepogor
