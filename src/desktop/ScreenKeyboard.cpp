#include "desktop/ScreenKeyboard.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace krepogor {
namespace {

// A page: its tab and its four rows of characters, one key to a word.
struct PageText {
    const char* tab;
    std::array<const char*, 4> rows;
};

constexpr PageText kPages[] = {
    {"АБВ",
     {"Ё 1 2 3 4 5 6 7 8 9 0 -", "Й Ц У К Е Н Г Ш Щ З Х Ъ", "Ф Ы В А П Р О Л Д Ж Э",
      "Я Ч С М И Т Ь Б Ю ."}},
    {"абв",
     {"ё 1 2 3 4 5 6 7 8 9 0 -", "й ц у к е н г ш щ з х ъ", "ф ы в а п р о л д ж э",
      "я ч с м и т ь б ю ."}},
    {"ABC",
     {"1 2 3 4 5 6 7 8 9 0 -", "Q W E R T Y U I O P", "A S D F G H J K L", "Z X C V B N M , ."}},
    {"abc",
     {"1 2 3 4 5 6 7 8 9 0 -", "q w e r t y u i o p", "a s d f g h j k l", "z x c v b n m , ."}},
    {"!?#", {"! \" # $ % & ' (", ") * + , - . / :", "; < = > ? @ [ \\", "] ^ _ ` { | } ~"}},
    {"€№§", {"‚ „ … † ‡ € ‰ ‹", "› ‘ ’ “ ” • – —", "™ ¤ ¦ § © « » ¬", "® ° ± µ ¶ · №"}},
    {"ЄЇЎ", {"Ђ Ѓ Є Ѕ І Ї Ј", "Љ Њ Ћ Ќ Ў Џ Ґ", "ђ ѓ є ѕ і ї ј", "љ њ ћ ќ ў џ ґ"}},
};

constexpr int kLetter = 10;  // a letter key's span
constexpr int kFrame = ScreenKeyboard::kColumns * kLetter;
constexpr int kTab = 18;
// The first letter of the first page is lit at the start: Й.
constexpr ScreenKeyboard::Place kFirstLetter{2, 0};

using Key = ScreenKeyboard::Key;
using Kind = ScreenKeyboard::Kind;

std::vector<Key> Characters(const char* row) {
    std::vector<Key> keys;
    std::istringstream words(row);
    for (std::string w; words >> w;) keys.push_back({Kind::Char, w, kLetter});
    return keys;
}

int Span(const std::vector<Key>& row) {
    int span = 0;
    for (const Key& k : row) span += k.span;
    return span;
}

// Where key `column` of `row` begins, in tenths of a letter key from the
// frame's left edge: every row is centred.
int Start(const std::vector<Key>& row, int column) {
    int start = (kFrame - Span(row)) / 2;
    for (int i = 0; i < column; ++i) start += row[static_cast<size_t>(i)].span;
    return start;
}

}  // namespace

ScreenKeyboard::ScreenKeyboard() {
    std::vector<Key> tabs;
    for (size_t p = 0; p < std::size(kPages); ++p)
        tabs.push_back({Kind::Page, kPages[p].tab, kTab, static_cast<int>(p)});
    const std::vector<Key> actions = {{Kind::Space, "Пробел", 50},
                                      {Kind::Erase, "Стереть", 30},
                                      {Kind::Done, "Готово", 25},
                                      {Kind::Cancel, "Отмена", 25}};
    for (const PageText& text : kPages) {
        std::vector<std::vector<Key>> rows = {tabs};
        for (const char* row : text.rows) rows.push_back(Characters(row));
        rows.push_back(actions);
        pages_.push_back(rows);
    }
    lit_ = kFirstLetter;
}

const ScreenKeyboard::Key& ScreenKeyboard::KeyAt(Place p) const {
    return Rows().at(static_cast<size_t>(p.row)).at(static_cast<size_t>(p.column));
}

void ScreenKeyboard::Move(Step step) {
    const auto& rows = Rows();
    const auto& row = rows[static_cast<size_t>(lit_.row)];
    const int count = static_cast<int>(row.size());
    switch (step) {
        case Step::Left:
            lit_.column = (lit_.column + count - 1) % count;
            return;
        case Step::Right:
            lit_.column = (lit_.column + 1) % count;
            return;
        case Step::Up:
        case Step::Down:
            break;
    }
    // Centres in twentieths of a letter key, so that they stay whole.
    const int centre = 2 * Start(row, lit_.column) + KeyAt(lit_).span;
    const int to = (lit_.row + (step == Step::Down ? 1 : kRows - 1)) % kRows;
    const auto& next = rows[static_cast<size_t>(to)];
    int best = 0;
    for (int c = 1; c < static_cast<int>(next.size()); ++c) {
        const int d = std::abs(2 * Start(next, c) + next[static_cast<size_t>(c)].span - centre);
        const int bestD =
            std::abs(2 * Start(next, best) + next[static_cast<size_t>(best)].span - centre);
        if (d < bestD) best = c;
    }
    lit_ = {to, best};
}

void ScreenKeyboard::Turn(int by) {
    const int pages = Pages();
    Show(((page_ + by) % pages + pages) % pages);
}

void ScreenKeyboard::Show(int page) {
    page_ = page;
    const int count = static_cast<int>(Rows()[static_cast<size_t>(lit_.row)].size());
    if (lit_.column >= count) lit_.column = count - 1;
}

ScreenKeyboard::Action ScreenKeyboard::Press() {
    const Key& key = KeyAt(lit_);
    switch (key.kind) {
        case Kind::Char:
            return {Action::What::Type, key.label};
        case Kind::Page:
            Show(key.page);
            return {};
        case Kind::Space:
            return {Action::What::Type, " "};
        case Kind::Erase:
            return {Action::What::Erase, ""};
        case Kind::Done:
            return {Action::What::Done, ""};
        case Kind::Cancel:
            return {Action::What::Cancel, ""};
    }
    return {};
}

ScreenKeyboard::Action ScreenKeyboard::Tap(Place p) {
    lit_ = p;
    return Press();
}

Rect ScreenKeyboard::KeyRect(const Rect& area, Place p) const {
    // The gaps between keys grow with the keyboard: 5 pixels at its full size.
    const int gap = std::max(2, area.w * 5 / kWidth);
    const double across = (area.w + gap) / static_cast<double>(kFrame);
    const double down = (area.h + gap) / static_cast<double>(kRows);
    auto x = [&](int tenths) { return area.x + static_cast<int>(std::lround(tenths * across)); };
    auto y = [&](int row) { return area.y + static_cast<int>(std::lround(row * down)); };
    const auto& row = Rows().at(static_cast<size_t>(p.row));
    const int start = Start(row, p.column);
    const int end = start + row.at(static_cast<size_t>(p.column)).span;
    return {x(start), y(p.row), x(end) - x(start) - gap, y(p.row + 1) - y(p.row) - gap};
}

std::optional<ScreenKeyboard::Place> ScreenKeyboard::KeyUnder(const Rect& area, int x,
                                                              int y) const {
    const auto& rows = Rows();
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < static_cast<int>(rows[static_cast<size_t>(r)].size()); ++c)
            if (KeyRect(area, {r, c}).Contains(x, y)) return Place{r, c};
    return std::nullopt;
}

}  // namespace krepogor
