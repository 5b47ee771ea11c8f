#pragma once

#include <functional>

#include "render/Canvas.h"
#include "state/BattleView.h"
#include "state/Game.h"

namespace krepogor {

// The battle window's drawing surface: every frame is painted from the battle
// state and the sprite buffers onto an off-screen canvas, which a refresh
// hands to whoever shows it (the desktop window, the headless driver).
class SceneView : public IBattleView {
public:
    using Presenter = std::function<void(const Canvas&)>;

    explicit SceneView(Game& g) : g_(g) {}

    // Called with the finished frame at every refresh.
    void SetPresenter(Presenter p) { present_ = std::move(p); }
    // The picture as drawn so far.
    const Canvas& Frame() const { return canvas_; }

    void Clear() override;
    void DrawGun() override;
    void Refresh() override;
    void RedrawScene() override;

private:
    void DrawLamps();
    void DrawCannonballs();
    void DrawEnemies();
    void DrawEffects();

    Game& g_;
    Canvas canvas_;
    Presenter present_;
};

}  // namespace krepogor
