#include "desktop/TouchLayout.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "desktop/WindowLooks.h"

namespace krepogor {
namespace {

using C = TouchControl;

constexpr double kDesktopPixelsPerMm = 96 / 25.4;
constexpr int kLeastSide = 12;

// What the controls leave clear over the field, in the battle window's client
// pixels (below its menu bar): the level's scroll, the upgrade lamps and their
// captions above; the gun at (20, 390) with its muzzle flash at any angle; the
// five stone panels of the readouts along the bottom.
constexpr int kHeaderBottom = 90;
constexpr int kGunRight = 170, kGunBottom = 498;
constexpr int kReadoutsTop = 568;

TouchLayout Start(int side, bool inBars) {
    TouchLayout l;
    l.side = side;
    l.gap = std::max(side / 4, 2);
    l.inBars = inBars;
    return l;
}

// The length of n buttons in a row.
int Span(const TouchLayout& l, int n) {
    return n * l.side + (n - 1) * l.gap;
}

void Row(TouchLayout& l, std::initializer_list<C> controls, int x, int y) {
    for (C c : controls) {
        l.buttons.push_back({c, {x, y, l.side, l.side}});
        x += l.side + l.gap;
    }
}

void Column(TouchLayout& l, std::initializer_list<C> controls, int x, int y) {
    for (C c : controls) {
        l.buttons.push_back({c, {x, y, l.side, l.side}});
        y += l.side + l.gap;
    }
}

// Bars left and right (a wide screen, a phone held sideways): the barrel's
// buttons one over the other in the middle of the left bar, fire in the
// middle of the right one, pause and the question at its top.
std::optional<TouchLayout> InSideBars(const Letterbox& box, int side) {
    TouchLayout l = Start(side, true);
    const int s = side, g = l.gap;
    const Rect pic = box.Picture();
    const int outW = box.OutWidth(), outH = box.OutHeight();
    const int left = pic.x, right = outW - pic.Right();
    if (std::min(left, right) < s + 2 * g || Span(l, 2) + 2 * g > outH) return std::nullopt;
    Column(l, {C::Up, C::Down}, (left - s) / 2, (outH - Span(l, 2)) / 2);
    const int x = pic.Right() + (right - s) / 2;
    Column(l, {C::Pause, C::Exit}, x, g);
    const int fireY = std::max((outH - s) / 2, g + Span(l, 2) + 2 * g);
    if (fireY + s + g > outH) return std::nullopt;
    Row(l, {C::Fire}, x, fireY);
    return l;
}

// Bars above and below (a tall screen, a phone held upright): the barrel's
// buttons at the left of the bar below (one over the other where it is tall
// enough), fire at its right, pause and the question at the right of the bar
// above.
std::optional<TouchLayout> InBarsAboveAndBelow(const Letterbox& box, int side) {
    TouchLayout l = Start(side, true);
    const int s = side, g = l.gap;
    const Rect pic = box.Picture();
    const int outW = box.OutWidth(), outH = box.OutHeight();
    const int above = pic.y, below = outH - pic.Bottom();
    if (std::min(above, below) < s + 2 * g) return std::nullopt;
    const bool column = below >= Span(l, 2) + 2 * g;
    const int aimRight = g + (column ? s : Span(l, 2));
    if (aimRight + g + s + g > outW || Span(l, 2) + 2 * g > outW) return std::nullopt;
    if (column)
        Column(l, {C::Up, C::Down}, g, pic.Bottom() + (below - Span(l, 2)) / 2);
    else
        Row(l, {C::Up, C::Down}, g, pic.Bottom() + (below - s) / 2);
    Row(l, {C::Fire}, outW - g - s, pic.Bottom() + (below - s) / 2);
    Row(l, {C::Pause, C::Exit}, outW - g - Span(l, 2), (above - s) / 2);
    return l;
}

// Over the field's lower corners, just above the readouts: the barrel's
// buttons under the gun where there is room, else right of it; fire in the
// right corner with the question and pause beside it.
std::optional<TouchLayout> InCorners(const Letterbox& box, int side) {
    TouchLayout l = Start(side, false);
    const int s = side, g = l.gap;
    auto x = [&](int client) { return box.OutX(client); };
    auto y = [&](int client) { return box.OutY(MenuBarHeight + client); };
    const int top = y(kReadoutsTop) - g - s;
    if (top < y(kHeaderBottom) + g) return std::nullopt;
    const int aimX = top >= y(kGunBottom) + g ? x(0) + g : x(kGunRight) + g;
    const int fireX = x(box.ClientWidth()) - g - s;
    const int othersX = fireX - g - Span(l, 2);
    if (aimX + Span(l, 2) + g > othersX) return std::nullopt;
    Row(l, {C::Up, C::Down}, aimX, top);
    Row(l, {C::Exit, C::Pause, C::Fire}, othersX, top);
    return l;
}

}  // namespace

int16_t ControlKey(TouchControl c) {
    switch (c) {
        case C::Up:
            return 38;
        case C::Down:
            return 40;
        case C::Fire:
            return 32;
        case C::Pause:
            return 80;
        case C::Exit:
            return 27;
    }
    return 0;
}

std::optional<TouchControl> TouchLayout::At(int x, int y) const {
    const int half = gap / 2;
    for (const Button& b : buttons)
        if (Rect{b.at.x - half, b.at.y - half, b.at.w + 2 * half, b.at.h + 2 * half}.Contains(x, y))
            return b.control;
    return std::nullopt;
}

const Rect* TouchLayout::Of(TouchControl c) const {
    for (const Button& b : buttons)
        if (b.control == c) return &b.at;
    return nullptr;
}

int TouchSide(std::optional<double> pixelsPerMm, int mm) {
    const double density =
        pixelsPerMm && std::isfinite(*pixelsPerMm) && *pixelsPerMm > 0 && *pixelsPerMm < 1000
            ? *pixelsPerMm
            : kDesktopPixelsPerMm;
    return static_cast<int>(std::lround(mm * density));
}

TouchLayout LayOutTouch(const Letterbox& box, int side) {
    for (int s = side; s >= kLeastSide; --s) {
        if (auto l = InSideBars(box, s)) return *l;
        if (auto l = InBarsAboveAndBelow(box, s)) return *l;
        if (auto l = InCorners(box, s)) return *l;
    }
    return {};
}

}  // namespace krepogor
