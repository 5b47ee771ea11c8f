#pragma once

#include <cstddef>
#include <string>

namespace krepogor {

// A one-line text field: UTF-8 text and a caret between whole characters.
class TextField {
public:
    const std::string& Text() const { return text_; }
    // Byte offset of the caret in Text().
    size_t Caret() const { return caret_; }

    // Typed text at the caret; line breaks and other control characters are left out.
    void Insert(const std::string& typed);
    void Backspace();
    void Delete();
    void Left();
    void Right();
    void Home() { caret_ = 0; }
    void End() { caret_ = text_.size(); }

private:
    std::string text_;
    size_t caret_ = 0;
};

}  // namespace krepogor
