#pragma once

#include <cstddef>
#include <functional>
#include <limits>
#include <string>

namespace krepogor {

// What a text field takes of what is typed.
struct TextRules {
    size_t maxChars = std::numeric_limits<size_t>::max();
    // The character the field keeps for a typed one, 0 to refuse it; by
    // default every character but the controls.
    std::function<char32_t(char32_t)> keep;
    // The one character a combining mark makes with the character before the
    // caret, or 0 when the two stay apart.
    std::function<char32_t(char32_t before, char32_t mark)> compose;
};

// A one-line text field: UTF-8 text and a caret between whole characters.
class TextField {
public:
    explicit TextField(TextRules rules = {}) : rules_(std::move(rules)) {}

    const std::string& Text() const { return text_; }
    // Byte offset of the caret in Text().
    size_t Caret() const { return caret_; }

    // Typed text at the caret, character by character as the rules take it;
    // line breaks and other control characters are always left out.
    void Insert(const std::string& typed);
    void Backspace();
    void Delete();
    void Left();
    void Right();
    void Home() { caret_ = 0; }
    void End() { caret_ = text_.size(); }

private:
    TextRules rules_;
    std::string text_;
    size_t caret_ = 0;
    size_t chars_ = 0;
};

}  // namespace krepogor
