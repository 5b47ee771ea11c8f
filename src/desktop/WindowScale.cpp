#include "desktop/WindowScale.h"

#include <algorithm>
#include <cmath>

#include "desktop/Letterbox.h"

namespace krepogor {

double DefaultScale(const Rect& usable, int battleW, int battleH) {
    if (usable.w <= 0 || usable.h <= 0) return 1;
    const double fit =
        std::min(static_cast<double>(usable.w) / battleW, static_cast<double>(usable.h) / battleH);
    if (fit >= 1) return std::min(std::floor(fit), kMaxScale);
    return std::max(fit, kMinScale);
}

int Scaled(int size, double factor) {
    return static_cast<int>(std::lround(size * factor));
}

double ScaleOfResized(int clientW, int clientH, int outW, int outH) {
    return std::clamp(Letterbox(clientW, clientH, outW, outH).Factor(), kMinScale, kMaxScale);
}

}  // namespace krepogor
