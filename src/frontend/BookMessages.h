#pragma once

#include <string>

namespace krepogor {

class Game;

inline constexpr const char* kBookBoxTitle = "Книга чемпионов";

// Tells the player in a box that the champions' book could not be read (and,
// after a victory, that the score was not entered); the reason goes to
// standard error.
void TellBookUnreadable(Game& g, const std::string& reason, bool afterVictory);

// Tells the player in a box, after a victory, that the file in the book's
// place is no champions' book and was left as it is; the reason goes to
// standard error.
void TellNotABook(Game& g, const std::string& reason);

// Tells the player in a box, after a victory, that no book of theirs can be
// kept, and why.
void TellBookNotKept(Game& g);

// Tells the player in a box that the winner's row could not be saved; the
// reason goes to standard error.
void TellBookNotSaved(Game& g, const std::string& reason);

}  // namespace krepogor
