#pragma once

namespace krepogor {

class Game;

// "Рекорды" (F5): the champions' book shown over the held battle, its labels
// filled from the file every time.
void Records_Click(Game& g);
// A click on the window or on a label, or its close box.
void ExitFormRecords(Game& g);

}  // namespace krepogor
