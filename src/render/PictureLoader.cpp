#include "render/PictureLoader.h"

#include <filesystem>

#include "state/AppPath.h"

namespace krepogor {
namespace {

std::string Size(int w, int h) {
    return std::to_string(w) + " x " + std::to_string(h);
}

void Load(Picture& p, IPictureDecoder& decoder, const std::string& path) {
    const std::string expected = "expected " + p.Name + ", " + Size(p.Width, p.Height) + " pixels";
    Picture decoded;
    std::string error;
    if (!decoder.Decode(path, decoded, error))
        throw PictureLoadError(path + ": " + error + " (" + expected + ")");
    if (decoded.Width != p.Width || decoded.Height != p.Height)
        throw PictureLoadError(path + ": " + Size(decoded.Width, decoded.Height) + " pixels (" +
                               expected + ")");
    if (!decoded.HasPixels())
        throw PictureLoadError(path + ": no pixels decoded (" + expected + ")");
    p.Pixels = std::move(decoded.Pixels);
}

}  // namespace

void LoadPictures(PictureSet& pics, IPictureDecoder& decoder, const std::string& resourcesDir,
                  const std::string& appDir) {
    Load(pics.MapPic, decoder, AppPath(appDir, "\\gamedata\\pics\\map.jpg"));
    pics.ForEachSprite([&](Picture& p) {
        Load(p, decoder, (std::filesystem::path(resourcesDir) / ResourceFileName(p.Name)).string());
    });
}

}  // namespace krepogor
