#include "desktop/ScancodeNames.h"

#include <array>
#include <cctype>
#include <utility>

namespace krepogor {
namespace {

// USB HID usage numbers of the keyboard page.
constexpr int kA = 4, k1 = 30, k0 = 39, kF1 = 58, kKeypad1 = 89, kKeypad0 = 98;

// The keys other than letters, digits, F1 to F12 and the keypad's digits, by
// SDL's names.
constexpr std::array<std::pair<const char*, int>, 40> kNamed = {{
    {"Return", 40},
    {"Escape", 41},
    {"Backspace", 42},
    {"Tab", 43},
    {"Space", 44},
    {"-", 45},
    {"=", 46},
    {"[", 47},
    {"]", 48},
    {"\\", 49},
    {";", 51},
    {"'", 52},
    {"`", 53},
    {",", 54},
    {".", 55},
    {"/", 56},
    {"Insert", 73},
    {"Home", 74},
    {"PageUp", 75},
    {"Delete", 76},
    {"End", 77},
    {"PageDown", 78},
    {"Right", 79},
    {"Left", 80},
    {"Down", 81},
    {"Up", 82},
    {"Keypad /", 84},
    {"Keypad *", 85},
    {"Keypad -", 86},
    {"Keypad +", 87},
    {"Keypad Enter", 88},
    {"Keypad .", 99},
    {"Left Ctrl", 224},
    {"Left Shift", 225},
    {"Left Alt", 226},
    {"Left GUI", 227},
    {"Right Ctrl", 228},
    {"Right Shift", 229},
    {"Right Alt", 230},
    {"Right GUI", 231},
}};

// The Russian layout's letters, capital and small, on the keys they share
// with the Latin ones.
constexpr std::array<std::pair<const char*, int>, 66> kRussian = {{
    {"Й", 20}, {"й", 20}, {"Ц", 26}, {"ц", 26}, {"У", 8},  {"у", 8},  {"К", 21}, {"к", 21},
    {"Е", 23}, {"е", 23}, {"Н", 28}, {"н", 28}, {"Г", 24}, {"г", 24}, {"Ш", 12}, {"ш", 12},
    {"Щ", 18}, {"щ", 18}, {"З", 19}, {"з", 19}, {"Х", 47}, {"х", 47}, {"Ъ", 48}, {"ъ", 48},
    {"Ф", 4},  {"ф", 4},  {"Ы", 22}, {"ы", 22}, {"В", 7},  {"в", 7},  {"А", 9},  {"а", 9},
    {"П", 10}, {"п", 10}, {"Р", 11}, {"р", 11}, {"О", 13}, {"о", 13}, {"Л", 14}, {"л", 14},
    {"Д", 15}, {"д", 15}, {"Ж", 51}, {"ж", 51}, {"Э", 52}, {"э", 52}, {"Я", 29}, {"я", 29},
    {"Ч", 27}, {"ч", 27}, {"С", 6},  {"с", 6},  {"М", 25}, {"м", 25}, {"И", 5},  {"и", 5},
    {"Т", 17}, {"т", 17}, {"Ь", 16}, {"ь", 16}, {"Б", 54}, {"б", 54}, {"Ю", 55}, {"ю", 55},
    {"Ё", 53}, {"ё", 53},
}};

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The number 1 to `most` that `digits` spell, or 0.
int Number(const std::string& digits, int most) {
    if (digits.empty() || digits.size() > 2 || digits[0] == '0') return 0;
    int n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return 0;
        n = n * 10 + (c - '0');
    }
    return n <= most ? n : 0;
}

}  // namespace

std::optional<int> ScancodeOfName(const std::string& name) {
    if (name.empty()) return std::nullopt;
    const std::string lower = Lower(name);
    if (lower.size() == 1) {
        const char c = lower[0];
        if (c >= 'a' && c <= 'z') return kA + (c - 'a');
        if (c >= '1' && c <= '9') return k1 + (c - '1');
        if (c == '0') return k0;
    }
    if (lower[0] == 'f')
        if (const int n = Number(lower.substr(1), 12)) return kF1 + n - 1;
    if (lower.rfind("keypad ", 0) == 0 && lower.size() == 8) {
        const char c = lower[7];
        if (c >= '1' && c <= '9') return kKeypad1 + (c - '1');
        if (c == '0') return kKeypad0;
    }
    for (const auto& [named, scancode] : kNamed)
        if (lower == Lower(named)) return scancode;
    for (const auto& [letter, scancode] : kRussian)
        if (name == letter) return scancode;
    return std::nullopt;
}

}  // namespace krepogor
