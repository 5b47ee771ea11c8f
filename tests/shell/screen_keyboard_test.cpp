// The name box's keyboard on the screen: its pages, where the pad's light
// goes, what a press does to the name, and where the keys stand.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "desktop/ScreenKeyboard.h"
#include "desktop/TextField.h"
#include "frontend/BookName.h"
#include "frontend/CodePoints.h"
#include "frontend/Cp1251.h"

namespace krepogor {
namespace {

using Place = ScreenKeyboard::Place;
using Step = ScreenKeyboard::Step;
using What = ScreenKeyboard::Action::What;

// The labels of a row, one string.
std::string Labels(const ScreenKeyboard& k, int row) {
    std::string s;
    for (const auto& key : k.Rows()[static_cast<size_t>(row)])
        s += (s.empty() ? "" : " ") + key.label;
    return s;
}

TEST(ScreenKeyboardTest, PagesHoldTheRowsOfTheirLayouts) {
    struct Page {
        const char* tab;
        const char* first;  // the first row of characters
        const char* last;   // the last
    };
    const Page pages[] = {
        {"АБВ", "Ё 1 2 3 4 5 6 7 8 9 0 -", "Я Ч С М И Т Ь Б Ю ."},
        {"абв", "ё 1 2 3 4 5 6 7 8 9 0 -", "я ч с м и т ь б ю ."},
        {"ABC", "1 2 3 4 5 6 7 8 9 0 -", "Z X C V B N M , ."},
        {"abc", "1 2 3 4 5 6 7 8 9 0 -", "z x c v b n m , ."},
        {"!?#", "! \" # $ % & ' (", "] ^ _ ` { | } ~"},
        {"€№§", "‚ „ … † ‡ € ‰ ‹", "® ° ± µ ¶ · №"},
        {"ЄЇЎ", "Ђ Ѓ Є Ѕ І Ї Ј", "љ њ ћ ќ ў џ ґ"},
    };
    ScreenKeyboard k;
    ASSERT_EQ(k.Pages(), static_cast<int>(std::size(pages)));
    for (int p = 0; p < k.Pages(); ++p) {
        SCOPED_TRACE(pages[p].tab);
        EXPECT_EQ(k.Page(), p);
        ASSERT_EQ(k.Rows().size(), static_cast<size_t>(ScreenKeyboard::kRows));
        EXPECT_EQ(Labels(k, 0), "АБВ абв ABC abc !?# €№§ ЄЇЎ");
        EXPECT_EQ(k.Rows()[0][static_cast<size_t>(p)].label, pages[p].tab);
        EXPECT_EQ(Labels(k, 1), pages[p].first);
        EXPECT_EQ(Labels(k, 4), pages[p].last);
        EXPECT_EQ(Labels(k, 5), "Пробел Стереть Готово Отмена");
        for (const auto& row : k.Rows()) EXPECT_LE(row.size(), 13u);
        k.Turn(1);
    }
    EXPECT_EQ(k.Page(), 0);  // round the end
    EXPECT_EQ(Labels(k, 2), "Й Ц У К Е Н Г Ш Щ З Х Ъ");
    EXPECT_EQ(Labels(k, 3), "Ф Ы В А П Р О Л Д Ж Э");
}

TEST(ScreenKeyboardTest, TypesEverythingVisibleTheBookKeepsAndNothingElse) {
    ScreenKeyboard k;
    std::set<char32_t> typed;
    for (int p = 0; p < k.Pages(); ++p, k.Turn(1)) {
        std::set<char32_t> page;
        for (const auto& row : k.Rows())
            for (const auto& key : row) {
                if (key.kind != ScreenKeyboard::Kind::Char) continue;
                const std::u32string c = DecodeUtf8(key.label);
                ASSERT_EQ(c.size(), 1u) << key.label;
                EXPECT_EQ(NameChar(c[0]), c[0]) << key.label;  // kept as it is
                EXPECT_TRUE(page.insert(c[0]).second) << key.label << " twice on a page";
                typed.insert(c[0]);
            }
    }
    // Every character of the page but the blanks (space has its own key) and
    // the two invisible ones, the no-break space and the soft hyphen.
    for (int byte = 0x21; byte <= 0xFF; ++byte) {
        if (byte == 0x7F || byte == 0x98 || byte == 0xA0 || byte == 0xAD) continue;
        const std::string one = Cp1251ToUtf8(std::string(1, static_cast<char>(byte)));
        EXPECT_TRUE(typed.count(DecodeUtf8(one)[0])) << one << " is on no key";
    }
}

TEST(ScreenKeyboardTest, ThePadsLightMovesToTheNearestKeyRoundTheEnds) {
    struct Move {
        int page;
        Place from;
        Step step;
        const char* to;  // the lit key's label after the step
    };
    const Move moves[] = {
        {0, {2, 0}, Step::Up, "Ё"},
        {0, {2, 0}, Step::Down, "Ф"},
        {0, {2, 0}, Step::Left, "Ъ"},  // round the row's end
        {0, {2, 11}, Step::Right, "Й"},
        {0, {3, 10}, Step::Down, "."},    // Э stands over the row's last key
        {0, {1, 0}, Step::Up, "АБВ"},     // to the tabs
        {0, {0, 0}, Step::Up, "Пробел"},  // round the top to the bottom row
        {0, {5, 0}, Step::Down, "абв"},
        {0, {0, 3}, Step::Down, "5"},  // under "abc"
        {0, {5, 2}, Step::Up, "Б"},    // "Готово" stands under Б
        {2, {2, 9}, Step::Down, "L"},  // P over L
        {4, {1, 7}, Step::Down, ":"},  // a short row of signs
        {4, {4, 0}, Step::Down, "Пробел"},
        {6, {5, 3}, Step::Up, "ґ"},  // "Отмена" reaches the last letter
    };
    for (const Move& m : moves) {
        ScreenKeyboard k;
        k.Turn(m.page);
        // The light goes where a tap put it, then takes the step.
        k.Tap(m.from);
        k.Turn(m.page - k.Page());  // a tab tapped shows its own page
        k.Move(m.step);
        EXPECT_EQ(k.KeyAt(k.Lit()).label, m.to)
            << "page " << m.page << " from " << m.from.row << "," << m.from.column;
    }
}

TEST(ScreenKeyboardTest, PressesTypeEraseTurnPagesAndAnswer) {
    ScreenKeyboard k;
    TextField name({kBookNameChars, NameChar, ComposedName});
    auto press = [&](const ScreenKeyboard::Action& a) {
        if (a.what == What::Type) name.Insert(a.text);
        if (a.what == What::Erase) name.Backspace();
        return a.what;
    };
    EXPECT_EQ(k.KeyAt(k.Lit()).label, "Й");  // where the light starts
    EXPECT_EQ(press(k.Press()), What::Type);
    k.Turn(1);  // small letters, the light where it was
    EXPECT_EQ(k.Lit(), (Place{2, 0}));
    press(k.Press());
    EXPECT_EQ(press(k.Tap({5, 0})), What::Type);  // space
    k.Turn(-2);                                   // round the start: the last page
    EXPECT_EQ(k.Page(), k.Pages() - 1);
    press(k.Tap({1, 2}));  // Є
    EXPECT_EQ(name.Text(), "Йй Є");
    EXPECT_EQ(press(k.Tap({5, 1})), What::Erase);
    EXPECT_EQ(name.Text(), "Йй ");
    // A tab shows its page and types nothing.
    EXPECT_EQ(press(k.Tap({0, 2})), What::None);
    EXPECT_EQ(k.Page(), 2);
    EXPECT_EQ(k.Lit(), (Place{0, 2}));
    // The book's twenty characters and no more.
    for (int i = 0; i < 30; ++i) press(k.Tap({2, 0}));
    EXPECT_EQ(DecodeUtf8(name.Text()).size(), kBookNameChars);
    EXPECT_EQ(name.Text(), "Йй " + std::string(17, 'Q'));
    EXPECT_EQ(press(k.Tap({5, 2})), What::Done);
    EXPECT_EQ(press(k.Tap({5, 3})), What::Cancel);
    EXPECT_EQ(k.Tap({4, 8}), (ScreenKeyboard::Action{What::Type, "."}));
    // A short row takes the light to its last key when the page turns.
    k.Tap({2, 9});  // P
    k.Turn(1);
    EXPECT_EQ(k.KeyAt(k.Lit()).label, "p");
    k.Turn(2);  // the signs of the page: eight to a row
    EXPECT_EQ(k.Lit(), (Place{2, 7}));
}

TEST(ScreenKeyboardTest, KeysStandInRowsInsideTheirAreaAndTapsFindThem) {
    ScreenKeyboard k;
    const Rect full{40, 300, ScreenKeyboard::kWidth, ScreenKeyboard::kHeight};
    EXPECT_EQ(k.KeyRect(full, {2, 0}), (Rect{40 + 33, 300 + 106, 60, 48}));
    for (const Rect area : {full, Rect{0, 0, 420, 156}}) {
        for (int p = 0; p < k.Pages(); ++p, k.Turn(1))
            for (int r = 0; r < ScreenKeyboard::kRows; ++r) {
                const auto& row = k.Rows()[static_cast<size_t>(r)];
                for (int c = 0; c < static_cast<int>(row.size()); ++c) {
                    const Rect rc = k.KeyRect(area, {r, c});
                    EXPECT_GE(rc.x, area.x);
                    EXPECT_LE(rc.Right(), area.Right());
                    EXPECT_GE(rc.y, area.y);
                    EXPECT_LE(rc.Bottom(), area.Bottom());
                    EXPECT_GT(rc.w, 0);
                    if (c > 0) {
                        EXPECT_GT(rc.x, k.KeyRect(area, {r, c - 1}).Right());
                    }
                    EXPECT_EQ(k.KeyUnder(area, rc.x + rc.w / 2, rc.y + rc.h / 2), (Place{r, c}));
                    EXPECT_EQ(k.KeyUnder(area, rc.x, rc.y), (Place{r, c}));
                }
            }
        // Between two keys, and beside the keys, no key.
        const Rect a = k.KeyRect(area, {2, 0}), b = k.KeyRect(area, {2, 1});
        EXPECT_EQ(k.KeyUnder(area, a.Right(), a.y), std::nullopt);
        EXPECT_EQ(k.KeyUnder(area, b.x - 1, b.y), std::nullopt);
        EXPECT_EQ(k.KeyUnder(area, area.x, a.y), std::nullopt);
    }
}

}  // namespace
}  // namespace krepogor
