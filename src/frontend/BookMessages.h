#pragma once

#include <string>

namespace krepogor {

class Game;

inline constexpr const char* kBookBoxTitle = "Книга чемпионов";

// Tells the player in a box that the champions' book could not be read (and,
// after a victory, that the score was not entered); the reason goes to
// standard error.
void TellBookUnreadable(Game& g, const std::string& reason, bool afterVictory);

// Tells the player in a box that the winner's row could not be saved; the
// reason goes to standard error.
void TellBookNotSaved(Game& g, const std::string& reason);

}  // namespace krepogor
