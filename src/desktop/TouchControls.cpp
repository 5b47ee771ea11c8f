#include "desktop/TouchControls.h"

#include "desktop/PadInput.h"

namespace krepogor {
namespace {

bool Repeats(TouchControl c) {
    return c == TouchControl::Up || c == TouchControl::Down;
}

}  // namespace

std::optional<TouchControl> TouchControls::Down(int64_t pointer, std::optional<TouchControl> hit,
                                                int64_t now) {
    if (!Shown() || input_.Brought() || !hit) return std::nullopt;
    held_[pointer] = *hit;
    if (Repeats(*hit)) {
        repeating_ = pointer;
        next_ = now + PadRepeat::kDelayMs;
    }
    return hit;
}

bool TouchControls::Move(int64_t pointer, std::optional<TouchControl> hit) {
    const auto it = held_.find(pointer);
    if (it == held_.end() || it->second == hit) return false;
    return Up(pointer);
}

bool TouchControls::Up(int64_t pointer) {
    if (held_.erase(pointer) == 0) return false;
    if (repeating_ == pointer) repeating_.reset();
    return true;
}

bool TouchControls::LetGo() {
    const bool any = !held_.empty();
    held_.clear();
    repeating_.reset();
    return any;
}

bool TouchControls::Held(TouchControl c) const {
    for (const auto& [pointer, control] : held_)
        if (control == c) return true;
    return false;
}

std::optional<TouchControl> TouchControls::Due(int64_t now) {
    if (!repeating_ || now < next_) return std::nullopt;
    next_ += PadRepeat::kEveryMs;
    // After a long stall the repeats do not pile up: one now, the next in a period.
    if (next_ <= now) next_ = now + PadRepeat::kEveryMs;
    return held_.at(*repeating_);
}

std::optional<int64_t> TouchControls::NextDue() const {
    if (!repeating_) return std::nullopt;
    return next_;
}

}  // namespace krepogor
