#pragma once

namespace krepogor {

class Game;

// The rules, opened from the battle menu ("Правила игры", F1) with the battle
// held; closed by a click anywhere on them or their close box.
void Rules_Click(Game& g);
void ExitFormRules(Game& g);

// The credits, from the battle menu ("Разработчики", F7) or from the main
// menu's "Создатели"; they return to where they were opened from.
void Cast_Click(Game& g);
void lbl_credits_Click(Game& g);
void ExitCredits(Game& g);

// The defeat and victory screens lead back to the main menu.
void ExitFormLost(Game& g);
void ExitFormWin(Game& g);

}  // namespace krepogor
