#pragma once

#include <functional>
#include <string>

#include "platform/FileCalls.h"

namespace krepogor {

class Game;

// Where the champions' book lives, below the application directory, unless
// the platform names another place for it.
inline constexpr const char* kBookPath = "\\gamedata\\tables\\table.dat";

// The book's file as the game names it to the player.
std::string BookFilePath(const Game& g);

enum class BookRead {
    Read,        // the rows are the book's
    Missing,     // there was no book: five empty rows, and an empty book made when possible
    Unreadable,  // a book stands there but cannot be read: five empty rows
};

// Fills RecName(1..5) and RecScore(1..5) from the book, one record at a time
// through RecRow; rows the file does not hold read as an empty name with
// score 0. Only a regular file is read (a link to one is followed), and
// nothing waits: a pipe, a device or a folder in the book's place is
// Unreadable, with the reason in `error` when given.
BookRead ReadAllRows(Game& g, IFileCalls& files = SystemFileCalls(), std::string* error = nullptr);

enum class BookChange {
    Written,     // the rows changed are in the book
    Unchanged,   // the change found nothing to do; the book was not written
    Unreadable,  // the book cannot be read, so it was left alone
    Failed,      // the book could not be written; it keeps its old rows
};

// Changes the book under its lock, so that no other copy of the game writes
// in between: reads the rows it holds now into RecName/RecScore, lets
// `change` alter them (false: nothing to write) and writes all five back
// through a fresh file renamed over the book. A book that is a link is
// changed where the link leads. A missing folder is made; on failure the old
// book stays whole and `error` says why.
BookChange ChangeBook(Game& g, const std::function<bool(Game&)>& change, std::string& error,
                      IFileCalls& files = SystemFileCalls());

// Writes RecName(1..5) and RecScore(1..5) as the five records of the book, as
// ChangeBook does. Returns false, with the reason in `error` when given.
bool WriteAllRows(Game& g, std::string* error = nullptr, IFileCalls& files = SystemFileCalls());

}  // namespace krepogor
