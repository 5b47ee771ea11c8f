#include "desktop/TextField.h"

#include "desktop/Utf8.h"
#include "frontend/CodePoints.h"

namespace krepogor {
namespace {

bool IsControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

}  // namespace

void TextField::Insert(const std::string& typed) {
    for (const char32_t c : DecodeUtf8(typed)) {
        if (IsControl(c)) continue;
        if (caret_ > 0 && rules_.compose) {
            const size_t before = PrevCharStart(text_, caret_);
            const std::u32string prev =
                DecodeUtf8(std::string_view(text_).substr(before, caret_ - before));
            if (const char32_t composed = rules_.compose(prev.front(), c)) {
                const std::string one = EncodeUtf8(std::u32string(1, composed));
                text_.replace(before, caret_ - before, one);
                caret_ = before + one.size();
                continue;
            }
        }
        const char32_t kept = rules_.keep ? rules_.keep(c) : c;
        if (kept == 0 || chars_ >= rules_.maxChars) continue;
        const std::string one = EncodeUtf8(std::u32string(1, kept));
        text_.insert(caret_, one);
        caret_ += one.size();
        ++chars_;
    }
}

void TextField::Backspace() {
    if (caret_ == 0) return;
    const size_t from = PrevCharStart(text_, caret_);
    text_.erase(from, caret_ - from);
    caret_ = from;
    --chars_;
}

void TextField::Delete() {
    if (caret_ >= text_.size()) return;
    text_.erase(caret_, NextCharStart(text_, caret_) - caret_);
    --chars_;
}

void TextField::Left() {
    caret_ = PrevCharStart(text_, caret_);
}

void TextField::Right() {
    caret_ = NextCharStart(text_, caret_);
}

}  // namespace krepogor
