#pragma once

#include <string>

namespace krepogor {

// What the player reads when the program cannot start: "Крепогор не может
// начаться: " and the reason.
std::string StartupFailureText(const std::string& reason);

// The reasons the shell itself gives.
std::string NoDisplayReason(const std::string& detail);
inline constexpr const char* kNoWindowText = "не удалось открыть окно игры.";
// A font of the game that will not load, nor any in its place.
std::string NoFontReason(const std::string& family);
// A display of 256 colours or fewer, or of colours kept in a palette.
inline constexpr const char* kFewColoursText =
    "экран работает с палитрой или с малым числом цветов; игре нужен экран с 16 или 24 битами "
    "на точку.";
inline constexpr const char* kOutOfMemoryText = "Крепогору не хватило памяти.";

// Breaks text into lines of at most `columns` characters, at spaces where it
// can.
std::string WrapToColumns(const std::string& text, int columns);

// A system box's font is some 8 pixels a character: lines of this many stay
// well inside a 1024 x 768 screen.
inline constexpr int kBoxColumns = 70;

}  // namespace krepogor
