// The champions' book as the page hands it to the player and takes it back
// (packaging/web/page-files.js): where the game keeps it, and whether a file
// the player chose is a book by the game's own rules. Neither waits: the
// page calls them between the game's passes.
#include <emscripten.h>

#include <string>

#include "frontend/BookFile.h"
#include "frontend/BookLocation.h"
#include "frontend/DataFolder.h"
#include "platform/SystemPlaces.h"

extern "C" {

// The book's path in the page's file system; "" where the game keeps none
// (no folder for the player's files).
EMSCRIPTEN_KEEPALIVE const char* krepogor_book_path() {
    static std::string path;
    path.clear();
    if (const auto data = krepogor::FindDataFolder(krepogor::ExecutableDir(""))) {
        const krepogor::BookPlace place =
            krepogor::ChooseBookPlace(*data, krepogor::PlayerDataFolder());
        if (place.notKept.empty()) path = place.path;
    }
    return path.c_str();
}

// "" when the `size` bytes at `bytes` are a champions' book, else why not, in Russian.
EMSCRIPTEN_KEEPALIVE const char* krepogor_book_refusal(const char* bytes, int size) {
    static std::string why;
    why.clear();
    krepogor::IsBook(std::string(bytes, static_cast<size_t>(size > 0 ? size : 0)), why);
    return why.c_str();
}

}  // extern "C"
