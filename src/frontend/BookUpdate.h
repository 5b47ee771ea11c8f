#pragma once

#include "platform/FileCalls.h"

namespace krepogor {

class Game;

enum class BookOutcome {
    NotRanked,    // the score reached no row: nothing asked, stopped or written
    Written,      // the winner's row is in the book
    WriteFailed,  // the winner's row is in RecName/RecScore, the file kept its old rows
    Unreadable,   // the book could not be read, so it was left alone and nothing was entered
};

// After a won battle, with FinalScore set and the battle tick stopped: ranks
// FinalScore into the champions' book and, when it ranks, silences the enemy
// sounds, clears the battle window, asks the winner's name and enters the row
// into the book as it stands then, under its lock, so that a row another copy
// of the game entered meanwhile is kept. A book that cannot be read or
// written is told in a box (and the reason on standard error); the game goes on.
BookOutcome BookUpdate(Game& g, IFileCalls& files = SystemFileCalls());

}  // namespace krepogor
