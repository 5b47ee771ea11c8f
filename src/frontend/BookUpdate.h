#pragma once

#include "platform/FileCalls.h"

namespace krepogor {

class Game;

enum class BookOutcome {
    NotRanked,    // the score reached no row: nothing asked, stopped or written
    Written,      // the winner's row is in the book
    WriteFailed,  // the winner's row is in RecName/RecScore, the file kept its old rows
    Unreadable,   // the book could not be read, or is no book: left alone, nothing entered
    NotKept,      // the player has no book of their own to keep the row in: nothing asked
};

// After a won battle, with FinalScore set and the battle tick stopped: ranks
// FinalScore into the champions' book and, when it ranks, silences the enemy
// sounds, clears the battle window, asks the winner's name and enters the row
// into the book as it stands then, under its lock, so that a row another copy
// of the game entered meanwhile is kept. The name is kept as the book can
// hold it (KeptName); an empty one is "Анонимщик". A book that cannot be read,
// is no book or cannot be written, and a player with no book of their own, are
// told in a box (and the reason on standard error); the game goes on.
BookOutcome BookUpdate(Game& g, IFileCalls& files = SystemFileCalls());

}  // namespace krepogor
