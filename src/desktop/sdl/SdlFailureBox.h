#pragma once

#include <string>

namespace krepogor {

// Shows `text` in a window of its own, laid out as the game's boxes are (the
// lines wrapped, the whole no wider than a 1024 x 768 screen allows), with
// one OK button, until the player closes it. Needs SDL's video up; false when
// the window or its font could not be made.
bool ShowFailureBox(const std::string& title, const std::string& text);

}  // namespace krepogor
