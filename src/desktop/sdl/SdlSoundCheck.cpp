#include "desktop/sdl/SdlSoundCheck.h"

#include <filesystem>

#include "desktop/GameSounds.h"
#include "desktop/WavFile.h"
#include "desktop/sdl/SdlMp3Source.h"
#include "desktop/sdl/SdlScreen.h"
#include "state/AppPath.h"

namespace krepogor {

std::string SoundProblem(const std::string& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found) return "";
    // Nothing may wait on a pipe in a sound's place.
    if (ec || status.type() != std::filesystem::file_type::regular) return "это не обычный файл";
    return LooksLikeWav(path) ? WavProblem(path) : Mp3Problem(path);
}

void RequireSounds(const std::string& appDir) {
    for (const std::string& sound : GameSounds()) {
        const std::string path = AppPath(appDir, sound);
        if (const std::string why = SoundProblem(path); !why.empty())
            throw ResourceError("звук «" + path + "» не годится: " + why + ".");
    }
}

}  // namespace krepogor
