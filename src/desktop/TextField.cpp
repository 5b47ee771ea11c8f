#include "desktop/TextField.h"

#include "desktop/Utf8.h"

namespace krepogor {

void TextField::Insert(const std::string& typed) {
    std::string clean;
    for (char c : typed)
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) clean += c;
    text_.insert(caret_, clean);
    caret_ += clean.size();
}

void TextField::Backspace() {
    if (caret_ == 0) return;
    const size_t from = PrevCharStart(text_, caret_);
    text_.erase(from, caret_ - from);
    caret_ = from;
}

void TextField::Delete() {
    if (caret_ >= text_.size()) return;
    text_.erase(caret_, NextCharStart(text_, caret_) - caret_);
}

void TextField::Left() {
    caret_ = PrevCharStart(text_, caret_);
}

void TextField::Right() {
    caret_ = NextCharStart(text_, caret_);
}

}  // namespace krepogor
