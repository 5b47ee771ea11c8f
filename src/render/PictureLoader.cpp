#include "render/PictureLoader.h"

#include <filesystem>
#include <vector>

#include "platform/Utf8Path.h"
#include "state/AppPath.h"

namespace krepogor {
namespace {

std::string Size(int w, int h) {
    return std::to_string(w) + " x " + std::to_string(h);
}

void Load(Picture& p, IPictureDecoder& decoder, const std::string& path) {
    const std::string wanted = "нужна " + p.Name + ", " + Size(p.Width, p.Height) + " точек";
    const auto refuse = [&](const std::string& why) {
        throw PictureLoadError("картинка «" + path + "» не годится: " + why + " (" + wanted + ").");
    };
    // The size is checked from the header first: a file that claims a huge
    // picture is refused before anything is decoded.
    int width = 0, height = 0;
    std::string error;
    if (!decoder.Measure(path, width, height, error)) refuse(error);
    if (width != p.Width || height != p.Height) refuse(Size(width, height) + " точек");
    Picture decoded;
    if (!decoder.Decode(path, decoded, error)) refuse(error);
    if (decoded.Width != p.Width || decoded.Height != p.Height)
        refuse(Size(decoded.Width, decoded.Height) + " точек");
    if (!decoded.HasPixels()) refuse("не раскодирована");
    p.Pixels = std::move(decoded.Pixels);
}

}  // namespace

void LoadPictures(PictureSet& pics, IPictureDecoder& decoder, const std::string& resourcesDir,
                  const std::string& appDir) {
    Load(pics.MapPic, decoder, AppPath(appDir, "\\gamedata\\pics\\map.jpg"));
    pics.ForEachSprite([&](Picture& p) {
        Load(p, decoder, Utf8Of(PathOf(resourcesDir) / ResourceFileName(p.Name)));
    });
}

void TakePictures(PictureSet& to, PictureSet& from) {
    std::vector<Picture*> sources;
    from.ForEachSprite([&](Picture& p) { sources.push_back(&p); });
    size_t i = 0;
    to.ForEachSprite([&](Picture& p) { p.Pixels = std::move(sources[i++]->Pixels); });
    to.MapPic.Pixels = std::move(from.MapPic.Pixels);
}

}  // namespace krepogor
