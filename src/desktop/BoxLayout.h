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
    // The name box's keyboard on the screen while it shows (its buttons then
    // stand in for the box's), else the button that shows it; both empty
    // for a message box.
    Rect keyboard;
    Rect keyboardButton;
    std::vector<Rect> buttons;

    // The button under the point, or -1.
    int ButtonAt(int x, int y) const;
};

constexpr int BoxTitleHeight = 22;
constexpr int BoxButtonWidth = 80;
constexpr int BoxButtonHeight = 24;

// What an input box holds under its field: its keyboard on the screen, at
// most `width` x `height` (made smaller, keeping its shape, where the window
// is narrower), or, while that is hidden (`height` 0), a button of
// `buttonWidth` that shows it (none when 0).
struct KeyboardRoom {
    int width = 0, height = 0;
    int buttonWidth = 0;
};

// Lays out a box with `text`, `buttonCount` buttons in a row at the bottom and,
// when `withField`, an input line under the text, centred in a window of
// windowW x windowH.
BoxLayout LayOutBox(const std::string& title, const std::string& text, int buttonCount,
                    bool withField, int windowW, int windowH, const TextMetrics& m,
                    const KeyboardRoom& room = {});

}  // namespace krepogor
