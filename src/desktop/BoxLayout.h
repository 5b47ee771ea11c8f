#pragma once

#include <functional>
#include <string>
#include <vector>

#include "desktop/Rect.h"

namespace krepogor {

// How wide a piece of text is drawn, and how tall a line is, in pixels.
struct TextMetrics {
    std::function<int(const std::string&)> textWidth;   // the box's body text
    std::function<int(const std::string&)> titleWidth;  // its title bar
    int lineHeight = 16;
};

// Breaks text into lines no wider than maxWidth: at spaces where it can, inside
// a word (between whole UTF-8 characters) where a word alone is too wide, and
// at every line break of the text.
std::vector<std::string> WrapText(const std::string& text, int maxWidth,
                                  const std::function<int(const std::string&)>& width);

// Where everything of a modal box goes, in the coordinates of the window it
// is drawn over.
struct BoxLayout {
    Rect panel;
    Rect titleBar;
    Rect text;  // the first line's top-left and the whole text's size
    std::vector<std::string> lines;
    Rect field;  // the input line; empty for a message box
    std::vector<Rect> buttons;

    // The button under the point, or -1.
    int ButtonAt(int x, int y) const;
};

constexpr int BoxTitleHeight = 22;
constexpr int BoxButtonWidth = 80;
constexpr int BoxButtonHeight = 24;

// Lays out a box with `text`, `buttonCount` buttons in a row at the bottom and,
// when `withField`, an input line under the text, centred in a window of
// windowW x windowH.
BoxLayout LayOutBox(const std::string& title, const std::string& text, int buttonCount,
                    bool withField, int windowW, int windowH, const TextMetrics& m);

}  // namespace krepogor
