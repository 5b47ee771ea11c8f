#pragma once

#include <functional>
#include <optional>
#include <string>

namespace krepogor {

class Game;

// What a click on (or the mouse over) a control of a window does, or an empty
// function when the window has no such control: `click frm_menu lbl_new_game`,
// `click frm_vustrel LblMod 0`, `click FrmRules Form`, `click FrmRecords LabelName 3`.
std::function<void(Game&)> ControlAction(const std::string& form, const std::string& control,
                                         std::optional<int> index, bool hover);

}  // namespace krepogor
