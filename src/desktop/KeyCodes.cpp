#include "desktop/KeyCodes.h"

namespace krepogor {
namespace {

// USB HID usage numbers of the keyboard page.
constexpr int kA = 4, kZ = 29;
constexpr int k1 = 30, k9 = 38, k0 = 39;
constexpr int kEnter = 40, kEscape = 41, kBackspace = 42, kTab = 43, kSpace = 44;
constexpr int kF1 = 58, kF12 = 69;
constexpr int kRight = 79, kLeft = 80, kDown = 81, kUp = 82;
constexpr int kKeypadEnter = 88;

}  // namespace

int16_t VirtualKeyOf(int scancode) {
    if (scancode >= kA && scancode <= kZ) return static_cast<int16_t>('A' + scancode - kA);
    if (scancode >= k1 && scancode <= k9) return static_cast<int16_t>('1' + scancode - k1);
    if (scancode >= kF1 && scancode <= kF12) return static_cast<int16_t>(112 + scancode - kF1);
    switch (scancode) {
        case k0:
            return '0';
        case kEnter:
        case kKeypadEnter:
            return 13;
        case kEscape:
            return 27;
        case kBackspace:
            return 8;
        case kTab:
            return 9;
        case kSpace:
            return 32;
        case kLeft:
            return 37;
        case kUp:
            return 38;
        case kRight:
            return 39;
        case kDown:
            return 40;
        default:
            return 0;
    }
}

}  // namespace krepogor
