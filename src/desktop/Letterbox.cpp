#include "desktop/Letterbox.h"

#include <algorithm>
#include <cmath>

namespace krepogor {

Letterbox::Letterbox(int clientW, int clientH, int outW, int outH)
    : clientW_(std::max(clientW, 1)),
      clientH_(std::max(clientH, 1)),
      outW_(std::max(outW, 1)),
      outH_(std::max(outH, 1)) {
    factor_ = std::min(static_cast<double>(std::max(outW, 1)) / clientW_,
                       static_cast<double>(std::max(outH, 1)) / clientH_);
    // A window a pixel or two larger than a whole factor needs (a window
    // manager's rounding, a player's drag) shows the picture at that factor,
    // pixel-sharp, with thin bars.
    const double whole = std::floor(factor_);
    if (whole >= 1 && (factor_ - whole) * std::max(clientW_, clientH_) < 2) factor_ = whole;
    x_ = (outW - static_cast<int>(std::lround(clientW_ * factor_))) / 2;
    y_ = (outH - static_cast<int>(std::lround(clientH_ * factor_))) / 2;
}

bool Letterbox::WholeFactor() const {
    return factor_ >= 1 && factor_ == std::floor(factor_);
}

int Letterbox::OutX(int c) const {
    return x_ + static_cast<int>(std::lround(c * factor_));
}

int Letterbox::OutY(int c) const {
    return y_ + static_cast<int>(std::lround(c * factor_));
}

Rect Letterbox::ToOutput(const Rect& client) const {
    const int x = OutX(client.x), y = OutY(client.y);
    return {x, y, OutX(client.Right()) - x, OutY(client.Bottom()) - y};
}

Rect Letterbox::Reach(const Rect& client) const {
    if (WholeFactor()) return ToOutput(client);
    const int x = std::max(client.x - 1, 0), y = std::max(client.y - 1, 0);
    const int right = std::min(client.Right() + 1, clientW_);
    const int bottom = std::min(client.Bottom() + 1, clientH_);
    return ToOutput({x, y, right - x, bottom - y});
}

int Letterbox::Inverse(int p, int origin, double factor, int size) {
    auto edge = [&](int c) { return origin + static_cast<int>(std::lround(c * factor)); };
    int c = static_cast<int>(std::floor((p - origin) / factor));
    c = std::clamp(c, -1, size);
    while (c >= 0 && edge(c) > p) --c;
    while (c < size && edge(c + 1) <= p) ++c;
    return c;
}

std::optional<ClientPoint> Letterbox::ToClient(int px, int py) const {
    if (px < OutX(0) || py < OutY(0)) return std::nullopt;
    const int cx = Inverse(px, x_, factor_, clientW_), cy = Inverse(py, y_, factor_, clientH_);
    if (cx < 0 || cx >= clientW_ || cy < 0 || cy >= clientH_) return std::nullopt;
    return ClientPoint{cx, cy};
}

}  // namespace krepogor
