// Any bytes as the champions' book: read, written and read again, a book
// holds the same rows and the written file is five whole records; bytes that
// are no book are never written over.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

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
    const bool isBook = krepogor::ReadAllRows(book.rig.game) == krepogor::BookRead::Read;
    const auto names = s.RecName;
    const auto scores = s.RecScore;
    if (!isBook) {
        if (krepogor::WriteAllRows(book.rig.game)) abort();
        std::ifstream in(book.file, std::ios::binary);
        const std::string kept{std::istreambuf_iterator<char>(in), {}};
        if (kept != std::string(reinterpret_cast<const char*>(data), size)) abort();
        return 0;
    }
    if (!krepogor::WriteAllRows(book.rig.game)) abort();
    if (std::filesystem::file_size(book.file) != 130) abort();
    s.RecName.Fill("");
    s.RecScore.Fill(0);
    krepogor::ReadAllRows(book.rig.game);
    for (int r = 1; r <= 5; ++r)
        if (s.RecName(r) != names(r) || s.RecScore(r) != scores(r)) abort();
    return 0;
}
