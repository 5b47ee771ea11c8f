#include "desktop/WindowScale.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "desktop/Letterbox.h"
#include "state/NumberText.h"

namespace krepogor {
namespace {

// A factor as the player reads it: at most two decimals.
std::string FactorText(double factor) {
    return NumberText(std::round(factor * 100) / 100);
}

}  // namespace

double FitScale(const Rect& usable, const WindowFrame& frame, int battleW, int battleH) {
    if (usable.w <= 0 || usable.h <= 0) return std::numeric_limits<double>::infinity();
    const double w = usable.w - frame.left - frame.right;
    const double h = usable.h - frame.top - frame.bottom;
    return std::max(std::min(w / battleW, h / battleH), 0.0);
}

double DefaultScale(double fit) {
    if (std::isinf(fit)) return 1;
    if (fit >= 1) return std::min(std::floor(fit), kMaxScale);
    return std::max(fit, kMinScale);
}

double FittingScale(double chosen, double fit) {
    return chosen <= fit ? chosen : std::min(chosen, DefaultScale(fit));
}

std::string LoweredScaleText(double chosen, double scale) {
    return "krepogor: в масштабе " + FactorText(chosen) +
           " окно битвы не помещается на экране; окна открываются в масштабе " + FactorText(scale) +
           "\n";
}

int Scaled(int size, double factor) {
    return static_cast<int>(std::lround(size * factor));
}

double ScaleOfResized(int clientW, int clientH, int outW, int outH, double fit) {
    const double most = std::min(fit, kMaxScale);
    return std::clamp(Letterbox(clientW, clientH, outW, outH).Factor(),
                      std::min(kMinResizedScale, most), most);
}

}  // namespace krepogor
