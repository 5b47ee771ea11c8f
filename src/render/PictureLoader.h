#pragma once

#include <stdexcept>
#include <string>

#include "render/PictureDecoder.h"
#include "state/PictureSet.h"

namespace krepogor {

// A picture that could not be loaded as the game needs it; the message names
// the file and what was expected.
class PictureLoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Loads every picture of the battle window once, at start-up: each sprite from
// resourcesDir/ResourceFileName(name), the background from the application
// directory's "\gamedata\pics\map.jpg". Each must have the size the set
// already holds for it. Throws PictureLoadError on the first that fails.
void LoadPictures(PictureSet& pics, IPictureDecoder& decoder, const std::string& resourcesDir,
                  const std::string& appDir);

// Moves the pixels of every picture of `from` into the same picture of `to`.
void TakePictures(PictureSet& to, PictureSet& from);

}  // namespace krepogor
