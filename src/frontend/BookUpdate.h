#pragma once

namespace krepogor {

class Game;

enum class BookOutcome {
    NotRanked,    // the score reached no row: nothing asked, stopped or written
    Written,      // the winner's row is in the book
    WriteFailed,  // the winner's row is in RecName/RecScore, the file kept its old rows
};

// After a won battle, with FinalScore set and the battle tick stopped: ranks
// FinalScore into the champions' book and, when it ranks, silences the enemy
// sounds, clears the battle window, asks the winner's name and rewrites the
// book. A failed write is told on standard error; the game goes on.
BookOutcome BookUpdate(Game& g);

}  // namespace krepogor
