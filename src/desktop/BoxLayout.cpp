#include "desktop/BoxLayout.h"

#include <algorithm>

#include "desktop/Utf8.h"

namespace krepogor {
namespace {

constexpr int kMargin = 14;
constexpr int kButtonGap = 10;
constexpr int kMaxTextWidth = 420;
constexpr int kMinFieldWidth = 300;

std::vector<std::string> Split(const std::string& s, char sep) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        const size_t end = s.find(sep, start);
        parts.push_back(
            s.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

// Cuts a word too wide for a line into pieces that fit, at least one
// character each.
void BreakWord(const std::string& word, int maxWidth,
               const std::function<int(const std::string&)>& width, std::vector<std::string>& out) {
    size_t start = 0;
    while (start < word.size()) {
        size_t end = NextCharStart(word, start);
        while (end < word.size()) {
            const size_t next = NextCharStart(word, end);
            if (width(word.substr(start, next - start)) > maxWidth) break;
            end = next;
        }
        out.push_back(word.substr(start, end - start));
        start = end;
    }
}

}  // namespace

std::vector<std::string> WrapText(const std::string& text, int maxWidth,
                                  const std::function<int(const std::string&)>& width) {
    std::vector<std::string> lines;
    for (const std::string& paragraph : Split(text, '\n')) {
        std::string line;
        for (const std::string& word : Split(paragraph, ' ')) {
            if (word.empty()) continue;
            const std::string joined = line.empty() ? word : line + " " + word;
            if (width(joined) <= maxWidth) {
                line = joined;
                continue;
            }
            if (!line.empty()) lines.push_back(line);
            line.clear();
            if (width(word) <= maxWidth) {
                line = word;
                continue;
            }
            std::vector<std::string> pieces;
            BreakWord(word, maxWidth, width, pieces);
            line = pieces.back();
            pieces.pop_back();
            lines.insert(lines.end(), pieces.begin(), pieces.end());
        }
        lines.push_back(line);
    }
    return lines;
}

int BoxLayout::ButtonAt(int x, int y) const {
    for (size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i].Contains(x, y)) return static_cast<int>(i);
    return -1;
}

BoxLayout LayOutBox(const std::string& title, const std::string& text, int buttonCount,
                    bool withField, int windowW, int windowH, const TextMetrics& m,
                    const KeyboardRoom& room) {
    BoxLayout b;
    const int maxPanel = std::max(windowW - 16, 2 * kMargin + 40);
    // The keyboard replaces the row of buttons, as large as the window lets
    // it be, and the text may be as wide; the button that shows it stands
    // left of the buttons.
    const bool keyboard = withField && room.width > 0 && room.height > 0;
    const int maxText = std::min(keyboard ? std::max(kMaxTextWidth, room.width) : kMaxTextWidth,
                                 maxPanel - 2 * kMargin);
    b.lines = WrapText(text, maxText, m.textWidth);

    const int textH = static_cast<int>(b.lines.size()) * m.lineHeight;
    const int fieldH = withField ? m.lineHeight + 8 : 0;
    int keyboardW = 0, keyboardH = 0;
    if (keyboard) {
        const int aboveAndBelow =
            BoxTitleHeight + kMargin + textH + kMargin / 2 + fieldH + 2 * kMargin;
        keyboardW = std::min(room.width, maxPanel - 2 * kMargin);
        keyboardH = room.height * keyboardW / room.width;
        const int maxH = std::max(windowH - 16 - aboveAndBelow, room.height / 4);
        if (keyboardH > maxH) {
            keyboardH = maxH;
            keyboardW = room.width * keyboardH / room.height;
        }
    }
    const int shown = keyboard ? 0 : buttonCount;
    const int showW = withField && !keyboard && room.buttonWidth > 0 ? room.buttonWidth : 0;

    int textW = 0;
    for (const std::string& line : b.lines) textW = std::max(textW, m.textWidth(line));
    const int buttonsW = shown * BoxButtonWidth + std::max(shown - 1, 0) * kButtonGap;
    int inner = std::max({textW, buttonsW + (showW ? showW + 2 * kButtonGap : 0), keyboardW,
                          m.titleWidth(title) + 8});
    if (withField) inner = std::max(inner, kMinFieldWidth);
    inner = std::min(inner, maxPanel - 2 * kMargin);

    const int bottomH = keyboard ? keyboardH : BoxButtonHeight;
    const int panelW = inner + 2 * kMargin;
    const int panelH = BoxTitleHeight + kMargin + textH + (withField ? kMargin / 2 + fieldH : 0) +
                       kMargin + bottomH + kMargin;

    b.panel = {(windowW - panelW) / 2, std::max((windowH - panelH) / 2, 0), panelW, panelH};
    b.titleBar = {b.panel.x + 2, b.panel.y + 2, panelW - 4, BoxTitleHeight - 2};
    int y = b.panel.y + BoxTitleHeight + kMargin;
    b.text = {b.panel.x + kMargin, y, textW, textH};
    y += textH;
    if (withField) {
        y += kMargin / 2;
        b.field = {b.panel.x + kMargin, y, inner, fieldH};
        y += fieldH;
    }
    y += kMargin;
    if (keyboard) {
        b.keyboard = {b.panel.x + (panelW - keyboardW) / 2, y, keyboardW, keyboardH};
        return b;
    }
    int x = b.panel.x + (panelW - buttonsW) / 2;
    if (showW) {
        b.keyboardButton = {b.panel.x + kMargin, y, showW, BoxButtonHeight};
        x = b.panel.Right() - kMargin - buttonsW;
    }
    for (int i = 0; i < shown; ++i) {
        b.buttons.push_back({x, y, BoxButtonWidth, BoxButtonHeight});
        x += BoxButtonWidth + kButtonGap;
    }
    return b;
}

}  // namespace krepogor
