// Any bytes as the champions' book: read, written and read again, the book
// holds the same rows, and the written file is five whole records.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "FuzzDir.h"
#include "frontend/BookFile.h"
#include "headless/Rig.h"

namespace {

struct Book {
    krepogor::FuzzGameDir dir{"book"};
    std::filesystem::path file = dir.path / "gamedata" / "tables" / "table.dat";
    krepogor::Rig rig{dir.path.string()};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Book book;
    krepogor::BattleState& s = book.rig.game.st;
    std::ofstream(book.file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    krepogor::ReadAllRows(book.rig.game);
    const auto names = s.RecName;
    const auto scores = s.RecScore;
    if (!krepogor::WriteAllRows(book.rig.game)) abort();
    if (std::filesystem::file_size(book.file) != 130) abort();
    s.RecName.Fill("");
    s.RecScore.Fill(0);
    krepogor::ReadAllRows(book.rig.game);
    for (int r = 1; r <= 5; ++r)
        if (s.RecName(r) != names(r) || s.RecScore(r) != scores(r)) abort();
    return 0;
}
