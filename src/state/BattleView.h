#pragma once

namespace krepogor {

// Drawing on the battle window's persistent surface.
class IBattleView {
public:
    virtual ~IBattleView() = default;
    // Clear everything drawn, leaving the background picture.
    virtual void Clear() = 0;
    // The gun once, masked, at its place (the new-battle frame).
    virtual void DrawGun() = 0;
    // Show what was drawn.
    virtual void Refresh() = 0;
    // The whole scene of a battle tick, from clear to refresh.
    virtual void RedrawScene() = 0;
};

}  // namespace krepogor
