#include "state/PlayWav.h"

#include <filesystem>
#include <system_error>

#include "platform/Utf8Path.h"
#include "state/AppPath.h"
#include "state/Game.h"

namespace krepogor {

void PlayWav(Game& g, const std::string& gamePath) {
    const std::string path = AppPath(g.sys.appDir, gamePath);
    std::error_code ec;
    if (std::filesystem::is_regular_file(PathOf(path), ec) && g.st.SoundOn == -1)
        g.sys.wav.PlayAsync(path);
}

}  // namespace krepogor
