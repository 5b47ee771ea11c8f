#include "desktop/PadInput.h"

namespace krepogor {
namespace {

// USB HID usage numbers of the keys the pad stands for.
constexpr int kB = 5, kC = 6, kP = 19, kV = 25, kEnter = 40, kEscape = 41, kSpace = 44, kF10 = 67;
constexpr int kRight = 79, kLeft = 80, kDown = 81, kUp = 82;

constexpr int kPressAt = 16384, kReleaseWithin = 8192;

// The D-pad as the arrow keys.
int Arrow(PadButton b) {
    switch (b) {
        case PadButton::Up:
            return kUp;
        case PadButton::Down:
            return kDown;
        case PadButton::Left:
            return kLeft;
        case PadButton::Right:
            return kRight;
        default:
            return 0;
    }
}

}  // namespace

int PadKey(PadButton b, PadPlace where) {
    switch (where) {
        case PadPlace::Battle:
            switch (b) {
                case PadButton::Up:
                case PadButton::Down:
                    return Arrow(b);
                case PadButton::South:
                    return kSpace;
                case PadButton::West:
                    return kC;
                case PadButton::North:
                    return kV;
                case PadButton::East:
                    return kB;
                case PadButton::Start:
                    return kP;
                case PadButton::Back:
                    return kEscape;
                default:
                    return 0;
            }
        case PadPlace::MainMenu:
            if (b == PadButton::Up || b == PadButton::Down) return Arrow(b);
            return b == PadButton::South ? kEnter : 0;
        case PadPlace::MenuBar:
            if (b == PadButton::South) return kEnter;
            if (b == PadButton::East || b == PadButton::Back) return kEscape;
            return Arrow(b);
        case PadPlace::Box:
        case PadPlace::Screen:
            if (b == PadButton::South) return kEnter;
            if (b == PadButton::East) return kEscape;
            return 0;
        case PadPlace::NameBox:
            return 0;
    }
    return 0;
}

int PadHeldKey(PadButton b, PadPlace where) {
    return b == PadButton::Back && where == PadPlace::Battle ? kF10 : 0;
}

std::optional<StickButtons::Change> StickButtons::Move(int value) {
    value_ = value;
    if (held_ != 0) {
        const bool back = held_ < 0 ? value_ > -kReleaseWithin : value_ < kReleaseWithin;
        if (!back) return std::nullopt;
        const PadButton was = held_ < 0 ? negative_ : positive_;
        held_ = 0;
        return Change{was, false};
    }
    if (value_ <= -kPressAt) {
        held_ = -1;
        return Change{negative_, true};
    }
    if (value_ >= kPressAt) {
        held_ = 1;
        return Change{positive_, true};
    }
    return std::nullopt;
}

void PadRepeat::Press(PadButton b, int64_t now) {
    if (!Repeats(b)) return;
    held_ = b;
    next_ = now + kDelayMs;
}

void PadRepeat::Release(PadButton b) {
    if (held_ == b) held_.reset();
}

std::optional<PadButton> PadRepeat::Due(int64_t now) {
    if (!held_ || now < next_) return std::nullopt;
    next_ += kEveryMs;
    // After a long stall the repeats do not pile up: one now, the next in a period.
    if (next_ <= now) next_ = now + kEveryMs;
    return held_;
}

std::optional<int64_t> PadRepeat::Next() const {
    if (!held_) return std::nullopt;
    return next_;
}

void PadHold::Press(int64_t now) {
    pending_ = true;
    at_ = now + kHoldMs;
}

bool PadHold::Due(int64_t now) {
    if (!pending_ || now < at_) return false;
    pending_ = false;
    return true;
}

bool PadHold::Release() {
    const bool press = pending_;
    pending_ = false;
    return press;
}

std::optional<int64_t> PadHold::Next() const {
    if (!pending_) return std::nullopt;
    return at_;
}

}  // namespace krepogor
