#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/FileCalls.h"

namespace krepogor {

class Game;

// Where the champions' book lives, below the application directory, unless
// the platform names another place for it.
inline constexpr const char* kBookPath = "\\gamedata\\tables\\table.dat";

// The book's file as the game names it to the player.
std::string BookFilePath(const Game& g);

// Whether the bytes of a file are a champions' book, as this game and the one
// before it write them: at most five records, each score field a number.
// False with the reason in `why` otherwise.
bool IsBook(std::string_view bytes, std::string& why);

enum class BookRead {
    Read,        // the rows are the book's
    Missing,     // there was no book: five empty rows; nothing is made
    Unreadable,  // a book stands there but cannot be read: five empty rows
    NotABook,    // a file is read, but it is no book (IsBook): it will never be written
};

// Fills RecName(1..5) and RecScore(1..5) from the book, one record at a time
// through RecRow; rows the file does not hold read as an empty name with
// score 0, and a longer file gives its first five records. Only a regular
// file is read (a link to one is followed), and nothing waits: a pipe, a
// device or a folder in the book's place is Unreadable, with the reason in
// `error` when given.
BookRead ReadAllRows(Game& g, IFileCalls& files = SystemFileCalls(), std::string* error = nullptr);

enum class BookChange {
    Written,     // the rows changed are in the book
    Unchanged,   // the change found nothing to do; the book was not written
    Unreadable,  // the book cannot be read, or is no book, so it was left alone
    Failed,      // the book could not be written; it keeps its old rows
};

// Replaces the book file `path` under its lock, so that no other copy of the
// game writes in between: hands `change` the bytes the book holds now (empty
// for a book still to be made, `created`) and writes what it returns (nothing:
// no change) through a fresh file renamed over the book. A book that is a link
// is changed where the link leads; a file that is no book is left alone. The
// leftovers of earlier saves are removed first. On failure the old book stays
// whole, a book this call made is gone again, and `error` says why.
using BookBytesChange =
    std::function<std::optional<std::string>(const std::string& bytes, bool created)>;
BookChange ReplaceBook(IFileCalls& files, const std::string& path, const BookBytesChange& change,
                       std::string& error);

// Changes the game's book (ReplaceBook): reads the rows it holds now into
// RecName/RecScore, lets `change` alter them (false: nothing to write) and
// writes all five back. A book still to be made starts from the installed
// book when the game has one to start from.
BookChange ChangeBook(Game& g, const std::function<bool(Game&)>& change, std::string& error,
                      IFileCalls& files = SystemFileCalls());

// Writes RecName(1..5) and RecScore(1..5) as the five records of the book, as
// ChangeBook does. Returns false, with the reason in `error` when given.
bool WriteAllRows(Game& g, std::string* error = nullptr, IFileCalls& files = SystemFileCalls());

}  // namespace krepogor
