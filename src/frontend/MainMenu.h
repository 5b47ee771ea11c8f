#pragma once

namespace krepogor {

class Game;

// The program's start: settings, the battle window's load, the menu music,
// every other window made hidden, and the main menu shown.
void frm_menu_Load(Game& g);
// "Новая Игра": the battle window in place of the menu, and a new battle.
void lbl_new_game_Click(Game& g);

// "Выход": the program ends at once, without a question.
void lbl_exit_Click(Game& g);

// Draws the next main track, 1 to 4, each equally likely.
int ChooseMenuTrack(Game& g);
// The main track has ended: a new one at random. The interlude loops.
void mm_menu_StatusUpdate(Game& g);
void about_StatusUpdate(Game& g);

}  // namespace krepogor
