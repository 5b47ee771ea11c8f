#pragma once

#include <iosfwd>
#include <string>

#include "frontend/DataFolder.h"
#include "platform/PlayerDataDir.h"

namespace krepogor {

// Where the champions' book is kept.
struct BookPlace {
    std::string path;
    // The book installed with the game, copied to `path` the first time the
    // game needs a book there; empty when the book stays in the data folder.
    std::string seed;
    // Why the player can keep no book (no folder for it, and the data folder
    // is not the game's to write), in Russian: `path` is then the installed
    // book, only ever read. Empty when the book can be kept.
    std::string notKept = {};
};

// True when the game may write its book inside `dataDir`.
bool BookWritableIn(const std::string& dataDir);

// The book stays in the data folder ("gamedata/tables/table.dat") when the
// game may write there; an installed data folder, or one the player cannot
// write, sends it to the player's data folder `playerDir` instead. With no
// player folder either, the book stays where it is, read only (`notKept`).
BookPlace ChooseBookPlace(const DataFolder& data, const std::string& playerDir);

// Copies the installed book to the player's place when no book is there yet
// (or only the empty file an interrupted first start of an earlier version
// left), under the book's lock as every save: whole or not at all, nothing
// left behind when it fails. True when there is nothing to do or the copy is
// made; false with the reason in `error` otherwise.
bool SeedBook(const BookPlace& place, std::string* error);

// The book for the player running the game (in the system's folder for the
// player's files when the data folder will not take it: from XDG_DATA_HOME,
// HOME or the account's home folder on POSIX, %APPDATA% on Windows), seeded
// when it moves there. A seed that fails is told to `warnings`; the next
// start tries again, and a book the game makes meanwhile starts from the
// installed one.
BookPlace PrepareBook(const DataFolder& data, std::ostream& warnings);

}  // namespace krepogor
