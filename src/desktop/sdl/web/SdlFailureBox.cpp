// In the page the failure box is the page's own, over the canvas
// (packaging/web/page.js): the same title and words, and an OK button, Enter
// or Esc closing it while the game waits.
#include "desktop/sdl/SdlFailureBox.h"

#include <emscripten.h>

namespace krepogor {
namespace {

EM_JS(int, PageShowsFailure, (const char* title, const char* text), {
    if (!Module.page || !Module.page.showFailure) return 0;
    Module.page.showFailure(UTF8ToString(title), UTF8ToString(text));
    return 1;
});

EM_JS(int, PageFailureClosed, (), { return Module.page.failureClosed ? 1 : 0; });

// How often the game looks whether the player closed the box.
constexpr int kLookMs = 50;

}  // namespace

bool ShowFailureBox(const std::string& title, const std::string& text) {
    if (!PageShowsFailure(title.c_str(), text.c_str())) return false;
    while (!PageFailureClosed()) emscripten_sleep(kLookMs);
    return true;
}

}  // namespace krepogor
