#pragma once

namespace krepogor {

class Game;

// "Выйти из игры?" with the battle held: Yes shuts the program down, No
// resumes the battle with exactly the timers that ran. Esc and the menu's
// "Выйти" (F8) both ask it.
void ExitQuestion(Game& g);
void Exiting_Click(Game& g);

}  // namespace krepogor
