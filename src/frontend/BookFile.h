#pragma once

#include <string>

namespace krepogor {

class Game;

// Where the champions' book lives, below the application directory, unless
// the platform names another place for it.
inline constexpr const char* kBookPath = "\\gamedata\\tables\\table.dat";

// Fills RecName(1..5) and RecScore(1..5) from the book, one record at a time
// through RecRow. Never fails: rows the file does not hold (or a file that
// cannot be read at all) read as an empty name with score 0. A missing book
// is created empty, with its directory, when the disk allows it.
void ReadAllRows(Game& g);

// Writes RecName(1..5) and RecScore(1..5) as the five records of the book.
// The records go to a temporary file beside the book, which then replaces it,
// so the old book stays whole when the write fails. A missing directory is
// created. Returns false, with the reason in `error` when given, on failure.
bool WriteAllRows(Game& g, std::string* error = nullptr);

}  // namespace krepogor
