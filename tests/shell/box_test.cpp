#include <gtest/gtest.h>

#include "desktop/BoxButtons.h"
#include "desktop/BoxLayout.h"
#include "desktop/TextField.h"
#include "desktop/Utf8.h"
#include "frontend/BookName.h"

namespace krepogor {
namespace {

// 10 pixels a character, whatever its byte length.
int Width(const std::string& s) {
    int n = 0;
    for (size_t i = 0; i < s.size(); i = NextCharStart(s, i)) ++n;
    return 10 * n;
}

const TextMetrics kMetrics{Width, Width, 16};

TEST(Utf8, StepsOverWholeCharacters) {
    const std::string s = "aЖ€😀b";  // 1, 2, 3, 4 and 1 bytes
    EXPECT_EQ(NextCharStart(s, 0), 1u);
    EXPECT_EQ(NextCharStart(s, 1), 3u);
    EXPECT_EQ(NextCharStart(s, 3), 6u);
    EXPECT_EQ(NextCharStart(s, 6), 10u);
    EXPECT_EQ(NextCharStart(s, 10), 11u);
    EXPECT_EQ(NextCharStart(s, 11), 11u);
    EXPECT_EQ(PrevCharStart(s, 11), 10u);
    EXPECT_EQ(PrevCharStart(s, 10), 6u);
    EXPECT_EQ(PrevCharStart(s, 6), 3u);
    EXPECT_EQ(PrevCharStart(s, 3), 1u);
    EXPECT_EQ(PrevCharStart(s, 1), 0u);
    EXPECT_EQ(PrevCharStart(s, 0), 0u);
}

TEST(Utf8, MalformedBytesAreSingleCharacters) {
    const std::string stray = "a\x80\x80z";
    EXPECT_EQ(NextCharStart(stray, 1), 2u);
    EXPECT_EQ(PrevCharStart(stray, 3), 2u);
    const std::string cut = "\xD0";  // a lead byte with its continuation missing
    EXPECT_EQ(NextCharStart(cut, 0), 1u);
    EXPECT_EQ(PrevCharStart(cut, 1), 0u);
}

TEST(TextFieldTest, TypingAndBackspaceWithCyrillic) {
    TextField f;
    f.Insert("Ждан");
    EXPECT_EQ(f.Text(), "Ждан");
    EXPECT_EQ(f.Caret(), f.Text().size());
    f.Backspace();
    EXPECT_EQ(f.Text(), "Жда");
    f.Insert("н ✓");
    f.Backspace();
    f.Backspace();
    EXPECT_EQ(f.Text(), "Ждан");
    for (int i = 0; i < 10; ++i) f.Backspace();
    EXPECT_EQ(f.Text(), "");
    EXPECT_EQ(f.Caret(), 0u);
}

TEST(TextFieldTest, CaretMovesAndEditsInTheMiddle) {
    TextField f;
    f.Insert("Велесов");
    f.Home();
    f.Right();
    f.Right();
    f.Insert("Ё");
    EXPECT_EQ(f.Text(), "ВеЁлесов");
    f.Delete();
    EXPECT_EQ(f.Text(), "ВеЁесов");
    f.Left();
    f.Backspace();
    EXPECT_EQ(f.Text(), "ВЁесов");
    f.End();
    f.Delete();  // nothing after the caret
    f.Right();
    EXPECT_EQ(f.Text(), "ВЁесов");
    EXPECT_EQ(f.Caret(), f.Text().size());
}

TEST(TextFieldTest, ControlCharactersAreNotTyped) {
    TextField f;
    f.Insert("a\nb\tc\x7f");
    EXPECT_EQ(f.Text(), "abc");
}

// The name box's field shows what the book will keep, as it is typed.
TEST(TextFieldTest, TheNameFieldTakesOnlyWhatTheBookKeeps) {
    TextField f({kBookNameChars, NameChar, ComposedName});
    f.Insert("И");
    f.Insert("\u0306");  // the breve of a decomposed Й, typed apart
    EXPECT_EQ(f.Text(), "Й");
    f.Insert("中😀Ω\u212A");
    EXPECT_EQ(f.Text(), "ЙK");
    f.Insert("абвгдежзийклмнопрстуфхц");
    EXPECT_EQ(f.Text(), "ЙKабвгдежзийклмнопрс");
    f.Backspace();
    f.Insert("тш");
    EXPECT_EQ(f.Text(), "ЙKабвгдежзийклмнопрт");
    // A mark composes with the character before the caret, wherever it is.
    f.Home();
    f.Right();
    f.Right();
    f.Backspace();
    f.Insert("е");
    f.Insert("\u0308");
    EXPECT_EQ(f.Text(), "Йёабвгдежзийклмнопрт");
    EXPECT_EQ(f.Caret(), std::string("Йё").size());
    // A mark with nothing to compose with is refused.
    f.Insert("\u0306");
    EXPECT_EQ(f.Text(), "Йёабвгдежзийклмнопрт");
}

TEST(Wrap, BreaksAtSpacesWithinTheWidth) {
    const auto lines = WrapText("Выйти из игры?", 80, Width);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Выйти из");
    EXPECT_EQ(lines[1], "игры?");
    for (const auto& l : lines) EXPECT_LE(Width(l), 80);
}

TEST(Wrap, KeepsLineBreaksAndCutsLongWordsBetweenCharacters) {
    const auto lines = WrapText("Пауза\n\nнажмите", 50, Width);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "Пауза");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "нажми");  // a word wider than the line is cut
    EXPECT_EQ(lines[3], "те");
}

TEST(Wrap, NarrowerThanOneCharacterStillProgresses) {
    const auto lines = WrapText("абв", 5, Width);
    EXPECT_EQ(lines, (std::vector<std::string>{"а", "б", "в"}));
}

TEST(Layout, MessageBoxIsCentredWithButtonsInARow) {
    const BoxLayout b = LayOutBox("Крепогор", "Выйти из игры?", 2, false, 926, 658, kMetrics);
    EXPECT_EQ(b.lines, (std::vector<std::string>{"Выйти из игры?"}));
    EXPECT_NEAR(b.panel.x + b.panel.w / 2, 463, 1);
    EXPECT_NEAR(b.panel.y + b.panel.h / 2, 329, 1);
    ASSERT_EQ(b.buttons.size(), 2u);
    EXPECT_EQ(b.buttons[0].y, b.buttons[1].y);
    EXPECT_LT(b.buttons[0].Right(), b.buttons[1].x);
    EXPECT_GT(b.buttons[0].y, b.text.Bottom());
    EXPECT_LE(b.buttons[1].Bottom(), b.panel.Bottom());
    EXPECT_EQ(b.field.w, 0);
    EXPECT_EQ(b.ButtonAt(b.buttons[1].x, b.buttons[1].y), 1);
    EXPECT_EQ(b.ButtonAt(b.panel.x, b.panel.y), -1);
}

TEST(Layout, LongTextWrapsInsideASmallWindow) {
    const std::string text(300, 'x');
    const BoxLayout b = LayOutBox("Т", text, 1, false, 300, 200, kMetrics);
    EXPECT_GT(b.lines.size(), 1u);
    EXPECT_GE(b.panel.x, 0);
    EXPECT_LE(b.panel.Right(), 300);
    for (const auto& l : b.lines) EXPECT_LE(b.text.x + Width(l), b.panel.Right());
}

TEST(Layout, InputBoxHasAFieldBetweenTextAndButtons) {
    const BoxLayout b =
        LayOutBox("Ввод", "Вы победили всех врагов! Введите имя:", 2, true, 926, 658, kMetrics);
    EXPECT_GE(b.field.w, 300);
    EXPECT_GE(b.field.y, b.text.Bottom());
    EXPECT_LE(b.field.Bottom(), b.buttons[0].y);
    EXPECT_GE(b.field.x, b.panel.x);
    EXPECT_LE(b.field.Right(), b.panel.Right());
}

TEST(Layout, TheNameBoxsKeyboardStandsForItsButtonsOrIsShownByOne) {
    const std::string text = "Вы победили всех врагов! Введите имя:";
    // Hidden: its button at the left, ОК and Отмена at the right.
    BoxLayout b = LayOutBox("Ввод", text, 2, true, 926, 658, kMetrics, {0, 0, 110});
    EXPECT_EQ(b.keyboard.w, 0);
    ASSERT_EQ(b.buttons.size(), 2u);
    EXPECT_EQ(b.keyboardButton, (Rect{b.panel.x + 14, b.buttons[0].y, 110, b.buttons[0].h}));
    EXPECT_LT(b.keyboardButton.Right(), b.buttons[0].x);
    EXPECT_EQ(b.buttons[1].Right(), b.panel.Right() - 14);
    // Shown: whole under the field, no buttons of the box's own.
    b = LayOutBox("Ввод", text, 2, true, 926, 658, kMetrics, {840, 313, 0});
    EXPECT_TRUE(b.buttons.empty());
    EXPECT_EQ(b.keyboardButton.w, 0);
    EXPECT_EQ(b.keyboard.w, 840);
    EXPECT_EQ(b.keyboard.h, 313);
    EXPECT_GE(b.keyboard.y, b.field.Bottom());
    EXPECT_LE(b.keyboard.Bottom(), b.panel.Bottom());
    EXPECT_EQ(b.field.w, b.panel.w - 28);  // the name's line as wide as the box
    EXPECT_GE(b.panel.x, 0);
    EXPECT_LE(b.panel.Right(), 926);
    EXPECT_NEAR(b.panel.x + b.panel.w / 2, 463, 1);
    // Smaller windows keep it whole and of its shape, narrow or low.
    for (const auto& [w, h] : {std::pair{500, 658}, std::pair{926, 300}}) {
        b = LayOutBox("Ввод", text, 2, true, w, h, kMetrics, {840, 313, 0});
        EXPECT_LE(b.panel.Right(), w);
        EXPECT_LE(b.panel.Bottom(), h);
        EXPECT_NEAR(b.keyboard.w * 313.0 / 840, b.keyboard.h, 1);
    }
    // A message box has neither.
    b = LayOutBox("Крепогор", "Выйти из игры?", 2, false, 926, 658, kMetrics, {840, 313, 110});
    EXPECT_EQ(b.keyboard.w + b.keyboardButton.w, 0);
    EXPECT_EQ(b.buttons.size(), 2u);
}

TEST(Buttons, CaptionsAnswersAndKeys) {
    EXPECT_EQ(ButtonCaptions(MsgButtons::OK), (std::vector<std::string>{"ОК"}));
    EXPECT_EQ(ButtonCaptions(MsgButtons::YesNo), (std::vector<std::string>{"Да", "Нет"}));
    EXPECT_EQ(InputBoxCaptions(), (std::vector<std::string>{"ОК", "Отмена"}));
    EXPECT_EQ(AnswerOf(MsgButtons::YesNo, EnterButton(2)), MsgAnswer::Yes);
    EXPECT_EQ(AnswerOf(MsgButtons::YesNo, EscapeButton(2)), MsgAnswer::No);
    EXPECT_EQ(AnswerOf(MsgButtons::OK, EscapeButton(1)), MsgAnswer::OK);
    EXPECT_EQ(EscapeButton(InputBoxCaptions().size()), 1);
}

}  // namespace
}  // namespace krepogor
