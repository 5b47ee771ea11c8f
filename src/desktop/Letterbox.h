#pragma once

#include <optional>

#include "desktop/Rect.h"

namespace krepogor {

// A point in the game window's own client coordinates.
struct ClientPoint {
    int x = 0, y = 0;
    bool operator==(const ClientPoint&) const = default;
};

// How a game window of `clientW` x `clientH` (menu bar included) shows in a
// desktop window of `outW` x `outH` pixels: scaled by one factor on both axes
// so that it fits, centred, with black bars beside or above and below it.
// Client pixel column c covers the output columns [OutX(c), OutX(c + 1)).
class Letterbox {
public:
    Letterbox() = default;
    Letterbox(int clientW, int clientH, int outW, int outH);

    double Factor() const { return factor_; }
    // Sprites and pictures stay pixel-sharp: every client pixel is a square of
    // whole output pixels.
    bool WholeFactor() const;
    int ClientWidth() const { return clientW_; }
    int ClientHeight() const { return clientH_; }
    // The desktop window's size.
    int OutWidth() const { return outW_; }
    int OutHeight() const { return outH_; }

    // The output column / row where client column / row `c` begins.
    int OutX(int c) const;
    int OutY(int c) const;
    // The output pixels that show the client rectangle.
    Rect ToOutput(const Rect& client) const;
    // The output pixels that a change of the client rectangle alters: those
    // that show it and, where pictures are smoothed (no whole factor), those
    // that blend one of its pixels with a neighbour's.
    Rect Reach(const Rect& client) const;
    // The whole picture in the output; the rest is bars.
    Rect Picture() const { return ToOutput({0, 0, clientW_, clientH_}); }
    // The client pixel that output pixel (px, py) shows; nothing on the bars.
    std::optional<ClientPoint> ToClient(int px, int py) const;

private:
    static int Inverse(int p, int origin, double factor, int size);

    int clientW_ = 1, clientH_ = 1;
    int outW_ = 1, outH_ = 1;
    double factor_ = 1;
    int x_ = 0, y_ = 0;
};

}  // namespace krepogor
